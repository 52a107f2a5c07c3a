#pragma once
// The Duplimate dealing machine's document file (DLM): a ten-line header of settings, then
// 99 boards of two lines each, every board packed into 26 letters "a".."p" (two cards a
// letter) and three check digits. Boards past the board set are a fixed filler deal. Text,
// CR LF line ends, always 208 lines.

#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/deal/deal_source.h"
#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

inline constexpr int kDLMBoards = 99;

// 26 letters and the check value (board number XOR every letter's code) in at least three
// digits. A card no hand holds counts as West's; a card held twice goes to the first of
// North, East, South that holds it.
std::string EncodeDLMBoard(const tDeal& deal, int boardNumber);

// Sets the four hands from the first 26 characters of a board code, two cards a character.
// Characters outside "a".."p" give one or both of their cards to nobody ("q": nobody, then
// North); cards past the end of a short text go to nobody.
void DecodeDLMBoard(tDeal& deal, std::string_view text);

// North all spades, East all hearts, South all diamonds, West all clubs.
tDeal DLMFillerDeal();

// The whole file: at most the first 99 boards of the set, the filler after them.
std::string DLMFileText(const tBoardSet& boardSet, std::string_view header1,
                        std::string_view header2, DealSource mode);

// Nothing is written for an empty board set (kNothingToSaveText) or one of more than 99
// boards (TooManyBoards). Otherwise the file is replaced as a whole; on failure the message is
// "Error writing .DLM file." and the old file is unchanged.
Status WriteDLMFile(const std::string& fileName, const tBoardSet& boardSet,
                    std::string_view header1, std::string_view header2, DealSource mode);

// True when the file begins with "[Document]", as the machine's document files do.
bool StartsLikeDLMFile(std::string_view bytes);

// Header lines and DealsComplete from the first Headline line (no Headline: both empty,
// DealsComplete false), the board range from the first "From board=" and "To board=" lines
// (1 and 99 when missing or not a number; swapped when reversed), then every "Board " line
// from the first board's to the last board's. Check digits are not verified. Upper/lower case
// of keys does not matter. Fails, with the board set empty and a sentence naming the board,
// on a board code that is short or holds a letter outside "a".."p", on an impossible deal, on
// more than kMaxBoards boards, and when the file ends before the last board of its range.
// The range is found by line keys, so huge or negative board numbers cost nothing but an
// empty result. boardNumbers counts on from the first board's number.
Status ParseDLMFile(std::string_view bytes, DealFileContents& contents);

}  // namespace kesto
