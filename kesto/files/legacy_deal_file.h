#pragma once
// The legacy text deal file, read but never written: an origin line, the two header lines, a
// line that is skipped, then groups of four seat lines ("N AKQ.JT9.8765.432"), each group
// followed by one separator line unless the file ends there.

#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

// True when the file begins with "Kesto " and its first line (FirstLineOfKestoFile) ends with
// the own file's kGeneratedWords or kEnteredWords.
bool StartsLikeLegacyDealFile(std::string_view bytes);

// Adds the four holdings of one seat line to the deal. False (a read error) when the line is
// blank, its first non-blank character is not a seat letter N, E, S or W in either case, or
// it does not hold exactly three dots. Blanks are every byte up to and including the space.
bool ReadLegacyHandLine(std::string_view line, tDeal& deal);

// Fails, with the board set empty, on a line that is no seat line, naming the line and its
// board ("Line 9 (board 2) gives 5 suits, not four."), on a group the file ends inside
// ("Board 2 is cut short."), and with a sentence naming the board on a character that is no card
// (the ten may be "T", "10" or "1"; blanks and
// "-" are no cards and are skipped), a card named twice, a seat named twice in one board, an
// impossible deal, or more than kMaxBoards boards. Hands of fewer than 13 cards are read as
// they stand, for the hand-entry checks. DealsComplete is true when the first line ends with
// kGeneratedWords.
Status ParseLegacyDealFile(std::string_view bytes, DealFileContents& contents);

}  // namespace kesto
