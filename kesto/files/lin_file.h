#pragma once
// The hand file of the online table (LIN), which its hand viewer, its tournaments and the
// dealing programs read and write: text lines of "key|value|" pairs. The pairs Kesto uses:
// - md: a dealer digit (1 South, 2 West, 3 North, 4 East), then the hands from South
//   clockwise (South, West, North, East), separated by commas, each as "S" and its spades, "H"
//   and its hearts, "D" and its diamonds, "C" and its clubs. A fourth hand may be left out.
// - qx: the board in a room, "o7" or "c7" (open or closed room, board 7); ah: "Board 7".
// - sv: the vulnerability, "o" or "0" none, "n" North-South, "e" East-West, "b" both.
// - vg: the event, as fields separated by commas: its name, then its segment.
// Every other pair (players, auction, play, comments) is passed over.

#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

// The whole file, UTF-8 text (as the online table writes its own), CR LF line ends. When
// either header line holds text, a first line
// "vg|<header 1>,<header 2>,P,1,<boards>,,0,,0|" (a "," or "|" in a header line, which would
// end its field, becomes ";" or "/"). Then one line a board:
// "qx|o<n>|md|<dealer><South>,<West>,<North>,<East>|sv|<vulnerability>|pg||", the board numbered
// from 1 with the dealer and vulnerability of that number. A deal of fewer than 52 cards would
// read back as another deal where a hand is empty: the caller writes only whole deals.
std::string LINFileText(const tBoardSet& boardSet, std::string_view header1,
                        std::string_view header2);

// Nothing is written for an empty board set (kNothingToSaveText) or one of more than kMaxBoards
// boards. Otherwise the file is replaced as a whole; on failure the old file is unchanged and
// the message gives the system's reason.
Status WriteLINFile(const std::string& fileName, const tBoardSet& boardSet,
                    std::string_view header1, std::string_view header2);

// Reads the pairs line by line. Text is UTF-8 when the bytes are valid UTF-8 (or begin with a
// byte order mark), else Windows-1252, as older files (Kesto's among them) are; either way it
// becomes Windows-1252. A board begins at a qx pair, or at an md, ah or sv pair that the board
// before already has; the pairs before the first board (the event, the players) make none.
// Every board gives its deal in an md pair, and its number by its qx pair, else its ah pair. A
// board number given twice with the same deal (the open and the closed room) is one board. A
// hand left out, or given without cards, holds the cards the other three lack when those hold
// 13 each; otherwise hands are read as they stand, for the hand-entry checks. Kesto's boards
// take dealer and vulnerability from their place: boardNumbers holds each board's number (0 for
// one without), or nothing when no board has one, and otherDealerOrVulnerability the boards
// whose md dealer digit or sv pair differs from the rotation (deal_file.h). Header lines 1 and
// 2 are the first two fields of the first vg pair. DealsComplete is true.
//
// Fails, with contents emptied and a sentence that names the board (by its number, else by its
// place), on a board without an md pair ("Board 2 has no deal: its md pair is missing."), a pair
// whose name holds a byte no text holds (a NUL, naming its line), an md pair whose line ends
// before its closing "|" with fewer than 52 cards ("is cut short"), a character that is no card
// or a card before its suit letter, more than four hands, a card given twice, an impossible
// deal, a board number given twice with two different deals, and more than kMaxBoards boards.
// A file without a board reads as an empty board set.
Status ParseLINFile(std::string_view bytes, DealFileContents& contents);

// True when the text holds an md pair: the sign of a LIN file, wherever it stands.
bool HoldsLINDeal(std::string_view text);

// True when the first text of the file, after a UTF-8 byte order mark and any blank lines, is
// the key of a LIN pair: two letters and "|". No other kind of deal file opens so, so such a
// file is LIN whatever its values hold (an event named "[Deal ...]" included).
bool StartsLikeLINFile(std::string_view bytes);

}  // namespace kesto
