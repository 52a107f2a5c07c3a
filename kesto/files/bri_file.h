#pragma once
// The BRI deal file of the Duplimate dealing machine's older software, which other dealing
// programs write too: one 128-byte record a board, in board order, no header. A record is the
// 78 digits of the DUP card numbers of North's, East's and South's cards (West holds the
// rest), then 32 blanks and 18 NUL bytes. It keeps whole deals and nothing else: no board
// numbers, dealers, vulnerabilities or header lines.

#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

// The whole file. A deal of fewer than 52 cards would read back as another deal: the caller
// writes only whole deals.
std::string BRIFileBytes(const tBoardSet& boardSet);

// Nothing is written for an empty board set (kNothingToSaveText) or one of more than kMaxBoards
// boards. Otherwise the file is replaced as a whole; on failure the old file is unchanged and
// the message gives the system's reason.
Status WriteBRIFile(const std::string& fileName, const tBoardSet& boardSet);

// Reads every record (kesto/files/board_records.h); a card field that is no number is refused
// ("Board 2 holds \"x1\", which is no card number."), and so is a card listed twice or "00"
// (West is then left with more than 13 cards). The bytes after the 78 digits only fill the
// record, and other programs fill them otherwise: they are not read.
Status ParseBRIFile(std::string_view bytes, DealFileContents& contents);

// True when the file's 128-byte records open with card fields: at least half of its records
// (a last one cut short counts) open with 78 digits, and more of them than of the 156-byte
// records a DUP file would have; with as many of each, when the file's size is a whole number
// of BRI records and not of DUP records. So a damaged record, or anything in a record's filler,
// leaves a BRI file a BRI file, for its reader to name the board; a DUP file, whose records
// have their hands as text where a BRI file's next record begins, never passes.
bool LooksLikeBRIFile(std::string_view bytes);

}  // namespace kesto
