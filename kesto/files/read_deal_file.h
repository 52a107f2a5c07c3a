#pragma once
// Reading deals from a file of any kind: the kind is recognised from the file's bytes
// (RecogniseDealFile), whatever its name or the filter the user chose, and its reader runs.

#include <string>

#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

// Empties contents, then reads the file. A file that cannot be opened or read fails with the
// system's reason naming the file exactly as given, as a sentence; an unknown kind, a
// malformed file or a file that holds no deal fails with "Error reading " + fileName + "."
// and the reason ("Error reading a.kst. Board 3 holds the ten of hearts twice.", "... The
// file holds no deals."). On failure the board set is empty. On success contents.kind is the
// kind read; BRI and DGE files hold no header lines (holdsHeaderLines false).
Status ReadAnyDealFile(const std::string& fileName, DealFileContents& contents);

}  // namespace kesto
