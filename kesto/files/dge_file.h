#pragma once
// The DGE deal file of the dealing machines: one 128-byte record a board, in board order, no
// header. A record is the four hands North, East, South, West as text, each as the code page
// 437 suit mark 6 and its spades, 3 and its hearts, 4 and its diamonds, 5 and its clubs, ranks
// "AKQJT98765432" (68 bytes for a whole deal), then NUL bytes. It keeps the deals and nothing
// else: no board numbers, dealers, vulnerabilities or header lines.

#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

// The whole file.
std::string DGEFileBytes(const tBoardSet& boardSet);

// Nothing is written for an empty board set (kNothingToSaveText) or one of more than kMaxBoards
// boards. Otherwise the file is replaced as a whole; on failure the old file is unchanged and
// the message gives the system's reason.
Status WriteDGEFile(const std::string& fileName, const tBoardSet& boardSet);

// Reads every record (kesto/files/board_records.h): the hands text ends at 68 bytes or at the
// first NUL or blank, and the rest of the record is not read. A record whose text is not 16 marks
// in their order, each followed by ranks, is refused with a sentence naming the board
// (ReadHandsPart); hands of fewer than 13 cards are read as they stand, for the hand-entry checks.
Status ParseDGEFile(std::string_view bytes, DealFileContents& contents);

// True when a file's first byte is the spade mark that opens every DGE record; no other kind of
// deal file starts with it.
bool StartsLikeDGEFile(std::string_view bytes);

}  // namespace kesto
