#pragma once
// The file side shared by the deal file readers and writers: whole-file reads with a size
// bound (lines are read with LineReader, kesto/platform/ascii_text.h). Writers replace their files
// with ReplaceFileAtomically (kesto/platform/file_io.h).

#include <functional>
#include <string>
#include <string_view>

#include "kesto/files/deal_file.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/status.h"

namespace kesto {

// The whole file. Fails, with the system's reason naming the file, when it cannot be opened
// or read, is not a regular file, or is bigger than kMaxDealFileBytes.
StatusOr<std::string> ReadDealFileBytes(const std::string& fileName);

// Nothing is written for an empty board set (NothingToSave) or one of more than kMaxBoards
// boards. Otherwise the file is replaced as a whole by what bytes makes; on failure the old file
// stays as it was and the message gives the system's reason.
Status SaveBoardSet(const std::string& fileName, const tBoardSet& boardSet,
                    const std::function<std::string(const tBoardSet&)>& bytes);

// A line break inside a header line would split the line it stands in; it becomes a space.
std::string OneLine(std::string_view text);

}  // namespace kesto
