#include "kesto/files/dlm_file.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

#include "kesto/deal/card.h"
#include "kesto/deal/deal_notation.h"
#include "kesto/files/deal_check.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/dup_file.h"
#include "kesto/platform/file_io.h"

namespace kesto {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kDocumentLine = "[Document]";
constexpr std::string_view kFillerDealValue =
    "N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432";

// Card i of the seat string (0..51): spades ace down to two, then hearts, diamonds, clubs;
// its suit is kAllSuits[i / 13].
int RankOfPosition(int i) {
    return kAce - i % 13;
}

void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += kEol;
}

std::string PadLeft(std::string digits, std::size_t width) {
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

// The number after "=" on the first line that is the key's own: the key, in any case, at the
// start of the line, then "=" with nothing but spaces between. Text elsewhere that happens to
// name the key (a header line in the Headline) does not count.
int FindBoardNumber(std::string_view bytes, std::string_view key, int fallback) {
    LineReader lines(bytes);
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        if (!UpperAscii(line.substr(0, key.size())).starts_with(key)) {
            continue;
        }
        const std::size_t equals = line.find_first_not_of(' ', key.size());
        if (equals == std::string_view::npos || line[equals] != '=') {
            continue;
        }
        return ParseLenientWholeNumber(line.substr(equals + 1)).value_or(fallback);
    }
    return fallback;
}

// What keeps a board code from being 26 letters "a".."p", as the rest of a sentence that
// begins with the board; empty when nothing does.
std::string BoardCodeFault(std::string_view code) {
    for (const char letter : code) {
        if (letter < 'a' || letter > 'p') {
            return QuotedNoCardFault(letter);
        }
    }
    return code.size() < 26 ? "is cut short" : std::string();
}

}  // namespace

std::string EncodeDLMBoard(const tDeal& deal, int boardNumber) {
    // Holders 1..3 are North, East and South; a card none of them holds is West's (4). The
    // seats are asked from South back to North, so the first of them holding a card keeps it.
    static constexpr Seat kAsked[] = {Seat::North, Seat::East, Seat::South};
    int holder[kCardsInDeck];
    std::fill(std::begin(holder), std::end(holder), 4);
    for (int s = 2; s >= 0; --s) {
        const tHand& hand = deal.Hand(kAsked[s]);
        for (int suit = 0; suit < 4; ++suit) {
            const tSuitSet holding = hand.Holding(kAllSuits[suit]);
            for (int i = 13 * suit; i < 13 * suit + 13; ++i) {
                if ((holding & RankBit(RankOfPosition(i))) != 0) {
                    holder[i] = s + 1;
                }
            }
        }
    }
    char letters[26];
    int check = boardNumber;
    for (int k = 0; k < 26; ++k) {
        letters[k] = static_cast<char>('a' + 4 * (holder[2 * k] - 1) + holder[2 * k + 1] - 1);
        check ^= static_cast<unsigned char>(letters[k]);
    }
    return std::string(letters, 26) + PadLeft(std::to_string(check), 3);
}

void DecodeDLMBoard(tDeal& deal, std::string_view text) {
    deal.Clear();
    int holder[kCardsInDeck] = {};  // 0: nobody
    const std::size_t letters = std::min<std::size_t>(text.size(), 26);
    for (std::size_t k = 0; k < letters; ++k) {
        const int v = static_cast<unsigned char>(text[k]) - 'a';
        // Division truncates towards zero and the remainder keeps v's sign, so letters before
        // "a" give holders outside 1..4, which hold nothing.
        holder[2 * k] = v / 4 + 1;
        holder[2 * k + 1] = v % 4 + 1;
    }
    static constexpr Seat kHolders[] = {Seat::North, Seat::East, Seat::South, Seat::West};
    tSuitSet holdings[4][4] = {};  // [holder - 1][suit]
    for (int i = 0; i < kCardsInDeck; ++i) {
        if (holder[i] >= 1 && holder[i] <= 4) {
            holdings[holder[i] - 1][i / 13] |= RankBit(RankOfPosition(i));
        }
    }
    for (int h = 0; h < 4; ++h) {
        tHand& hand = deal.Hand(kHolders[h]);
        for (int suit = 0; suit < 4; ++suit) {
            hand.Holding(kAllSuits[suit]) = holdings[h][suit];
        }
    }
}

tDeal DLMFillerDeal() {
    tDeal filler;
    ReadDealValue(filler, kFillerDealValue);
    return filler;
}

std::string DLMFileText(const tBoardSet& boardSet, std::string_view header1,
                        std::string_view header2, DealSource mode) {
    const int n = static_cast<int>(std::min<std::size_t>(boardSet.size(), kDLMBoards));
    std::string text;
    text.reserve(6000);
    AppendLine(text, kDocumentLine);
    AppendLine(text, std::string("Headline=Hands ") +
                         (mode == DealSource::Generate ? "Generated By Kesto" : "Entered By User") +
                         "|" + OneLine(header1) + "|" + OneLine(header2));
    AppendLine(text, "Status=Show");
    AppendLine(text, "Duplicates=1");
    AppendLine(text, "From board=1");
    AppendLine(text, "To board=" + std::to_string(n));
    AppendLine(text, "Next board to duplimate=0");
    AppendLine(text, "PrintOuts=0");
    AppendLine(text, "Crypto key=0");
    AppendLine(text, "Checksum=" + PadLeft(std::to_string(n ^ 1), 2));
    const tDeal filler = DLMFillerDeal();
    for (int b = 1; b <= kDLMBoards; ++b) {
        const tDeal& deal = b <= n ? boardSet[static_cast<std::size_t>(b - 1)] : filler;
        AppendLine(text, "Duplicates " + TwoDigits(b) + "=0");
        AppendLine(text, "Board " + TwoDigits(b) + "=" + EncodeDLMBoard(deal, b));
    }
    return text;
}

Status WriteDLMFile(const std::string& fileName, const tBoardSet& boardSet,
                    std::string_view header1, std::string_view header2, DealSource mode) {
    if (boardSet.empty()) {
        return NothingToSave();
    }
    // Boards past the 99th would be lost without a word.
    if (boardSet.size() > kDuplimateMaxBoards) {
        return TooManyBoards(".DLM", boardSet.size());
    }
    if (!ReplaceFileAtomically(fileName, DLMFileText(boardSet, header1, header2, mode)).Ok()) {
        return Status::Failure("Error writing .DLM file.");
    }
    return {};
}

bool StartsLikeDLMFile(std::string_view bytes) {
    return bytes.starts_with(kDocumentLine);
}

Status ParseDLMFile(std::string_view bytes, DealFileContents& contents) {
    contents = {};
    {
        LineReader lines(bytes);
        while (!lines.AtEnd()) {
            const std::string_view line = lines.Next();
            const std::string upper = UpperAscii(line);
            if (upper.find("HEADLINE=") == std::string::npos) {
                continue;
            }
            contents.dealsComplete = upper.find("GENERATED") != std::string::npos;
            const std::size_t bar = line.find('|');
            if (bar != std::string_view::npos) {
                const std::string_view headers = line.substr(bar + 1);
                const std::size_t second = headers.find('|');
                if (second != std::string_view::npos) {
                    contents.header1 = headers.substr(0, second);
                    contents.header2 = headers.substr(second + 1);
                }
            }
            break;
        }
    }
    int first = FindBoardNumber(bytes, "FROM BOARD", 1);
    int last = FindBoardNumber(bytes, "TO BOARD", kDLMBoards);
    if (last < first) {
        std::swap(first, last);
    }
    const std::string startKey = "BOARD " + TwoDigits(first);
    const std::string stopKey = "BOARD " + TwoDigits(last);

    const auto refuse = [&contents](std::string reason) {
        contents = {};
        return Status::Failure(std::move(reason));
    };
    LineReader lines(bytes);
    bool reading = false;
    bool stopped = false;
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        const std::string upper =
            UpperAscii(line.substr(0, std::max(startKey.size(), stopKey.size())));
        if (!reading && upper.starts_with(startKey)) {
            reading = true;
        }
        if (reading && upper.starts_with("BOARD ")) {
            const std::size_t equals = line.find('=');
            const std::string_view code =
                equals == std::string_view::npos ? line.substr(0, 26) : line.substr(equals + 1, 26);
            const int board = first + static_cast<int>(contents.boardSet.size());
            if (contents.boardSet.size() == static_cast<std::size_t>(kMaxBoards)) {
                return refuse(TooManyBoardsText());
            }
            if (const std::string fault = BoardCodeFault(code); !fault.empty()) {
                return refuse(BoardFault(board, fault));
            }
            tDeal deal;
            DecodeDLMBoard(deal, code);
            if (const std::string fault = ImpossibleDealFault(deal); !fault.empty()) {
                return refuse(BoardFault(board, fault));
            }
            contents.boardSet.push_back(deal);
            contents.boardNumbers.push_back(board);
        }
        if (reading && upper.starts_with(stopKey)) {
            stopped = true;
            break;
        }
    }
    // Boards were read but the last board of the range never came: the file was cut short.
    if (reading && !stopped) {
        const int next = first + static_cast<int>(contents.boardSet.size());
        return refuse("The file ends before board " + std::to_string(next) + ".");
    }
    return {};
}

}  // namespace kesto
