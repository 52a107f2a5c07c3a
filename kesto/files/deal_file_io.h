#pragma once
// The file side shared by the deal file readers and writers: whole-file reads with a size
// bound, replacement that never harms the old file, and line splitting that takes CR LF and
// LF alone.

#include <string>
#include <string_view>

namespace kesto {

struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string error;  // the system's reason when not ok, naming the file
};

// The whole file, or not ok when it cannot be opened or read, is not a regular file, or is
// bigger than kMaxDealFileBytes.
FileBytes ReadDealFileBytes(const std::string& fileName);

struct ReplaceResult {
    bool ok = true;
    std::string error;  // the system's reason when not ok
};

// Puts contents in place of the file: written in full to a temporary file in the same folder,
// flushed, then renamed over it; on any failure the old file is untouched. A symbolic link is
// followed so the link stays a link; an existing target that is not a regular file (a folder,
// a device) is refused.
ReplaceResult ReplaceDealFile(const std::string& fileName, std::string_view contents);

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
