#pragma once
// The DOS Duplimate deal file (DUP): binary, one 156-byte record per board, no header.
// A record holds North's, East's and South's DUP card numbers as two digits each (West has
// the rest), the four hands as text with the code page 437 suit markers 6, 3, 4, 5, and the
// duplicating machine's settings for the whole file.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/files/deal_file.h"
#include "kesto/files/dup_record_parts.h"
#include "kesto/platform/status.h"

namespace kesto {

inline constexpr std::size_t kDUPRecordSize = 156;
using DUPRecord = std::array<char, kDUPRecordSize>;

// Fills offsets 0..145 from the deal (number part cut at 78 bytes, text part at 68, spaces
// after either when shorter) and sets offsets 146..155 to spaces.
void BuildDUPRecord(const tDeal& deal, DUPRecord& record);

// The machine's settings at offsets 146..155, as the machines and the other programs lay them
// out: "Y" (random hands), "N" (not counted backwards), the lowest board (1), the number of
// copies (1) and the highest board (the board count), each number left-aligned in 3, 2 and 3
// places with blanks after it: "YN1  1 12 " for 12 boards. The reader takes any ten bytes here.
std::string DUPBoardCountField(std::size_t boardCount);

// The whole file: one record per board.
std::string DUPFileBytes(const tBoardSet& boardSet);

// Nothing is written for an empty board set (kNothingToSaveText) or one of more than 99
// boards (TooManyBoards). Otherwise the file is replaced as a whole; on failure the message is
// "Error writing .DUP file." and the old file is unchanged.
Status WriteDUPFile(const std::string& fileName, const tBoardSet& boardSet);

// True when the file opens as a DUP record does: kCardNumberPartSize digits, then a blank, a
// NUL or the hands part's kSpadeMark (or nothing: a missing byte counts as a blank).
bool StartsLikeDUPFile(std::string_view bytes);

// Fails, with the board set empty and a sentence naming the board, on more than kMaxBoards
// records, a partial last record ("Board 3 is cut short."), a card field that is not a number
// ("Board 1 holds \"x1\", which is no card number.") and an impossible deal (a card listed
// twice, "00" or a number above 52 leave West too many cards). Header lines are empty,
// DealsComplete is true.
Status ParseDUPFile(std::string_view bytes, DealFileContents& contents);

}  // namespace kesto
