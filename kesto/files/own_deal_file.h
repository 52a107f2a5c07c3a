#pragma once
// The program's own deal file (extension KST): PBN 1.0 tag lines, CR LF line ends. Five
// header lines (origin, "% PBN 1.0", the two header lines, "%"), then fifteen lines per board
// in which only Board, Dealer, Vulnerable and Deal carry values.

#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/deal/deal_source.h"
#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

// The whole file as bytes. Line 1 says "randomly generated" for DealSource::Generate and
// "entered by user" for the other two modes.
std::string OwnDealFileText(const tBoardSet& boardSet, std::string_view header1,
                            std::string_view header2, DealSource mode);

// An empty board set writes nothing and asks for the plain message "Nothing to print.", more
// than kMaxBoards boards write nothing and fail. Otherwise the file is replaced as a whole; on
// failure the old file stays as it was.
Status WriteOwnDealFile(const std::string& fileName, const tBoardSet& boardSet,
                        std::string_view header1, std::string_view header2, DealSource mode);

// The words of line 1 that say how the deals came about; the legacy text file, the own file's
// forerunner, ends its first line with them.
inline constexpr std::string_view kGeneratedWords = " Hands randomly generated.";
inline constexpr std::string_view kEnteredWords = " Hands entered by user.";

// The first line as the Kesto files are known by it: within the first kRecognitionBytes bytes,
// the missing ones counted as spaces, up to the first carriage return or line feed.
std::string FirstLineOfKestoFile(std::string_view bytes);

// True when the file begins with "% Kesto " and its first line holds kGeneratedWords or
// kEnteredWords (any version may stand between them).
bool StartsLikeOwnDealFile(std::string_view bytes);

// Lines 3 and 4 less their first two characters are the header lines; every later line that
// begins with [Deal " adds one board (a tag the deal notation rejects adds four empty hands,
// left to the hand-entry checks). DealsComplete is true when the first line holds kGeneratedWords.
// Fails, with the board set empty and a sentence naming the board, on a Deal line cut short (no
// closing "]), a tag whose DealValueFault is not empty or an impossible deal, and on more than
// kMaxBoards boards.
Status ParseOwnDealFile(std::string_view bytes, DealFileContents& contents);

}  // namespace kesto
