#pragma once
// The file side shared by the deal file readers and writers: whole-file reads with a size
// bound and line splitting that takes CR LF and LF alone. Writers replace their files with
// ReplaceFileAtomically (kesto/platform/file_io.h).

#include <string>
#include <string_view>

#include "kesto/platform/status.h"

namespace kesto {

// The whole file. Fails, with the system's reason naming the file, when it cannot be opened
// or read, is not a regular file, or is bigger than kMaxDealFileBytes.
StatusOr<std::string> ReadDealFileBytes(const std::string& fileName);

// Reads text one line at a time. A line ends at a line feed, and one carriage return before
// it is dropped. Past the end every line is empty, as a text file reads at its end.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    std::string_view Next();

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The system's own words at the end of an error text ("No space left on device").
std::string SystemReason(std::string_view error);

// ASCII upper case; other bytes stay.
std::string UpperAscii(std::string_view text);

// A line break inside a header line would split the line it stands in; it becomes a space.
std::string OneLine(std::string_view text);

}  // namespace kesto
