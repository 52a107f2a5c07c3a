#include "kesto/files/lin_file.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "kesto/files/deal_check.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/text_encoding.h"

namespace kesto {

namespace {

constexpr std::string_view kEol = "\r\n";
constexpr std::string_view kSuitLetters = "SHDC";
// The md hands, from South clockwise.
constexpr Seat kMdSeats[] = {Seat::South, Seat::West, Seat::North, Seat::East};

// The blanks of a LIN value: spaces, tabs and a carriage return inside a line.
bool IsLinBlank(char c) {
    return IsSpaceOrTab(c) || c == '\r';
}

struct LinPair {
    std::string_view key, value;
    bool closed;  // the value ends in "|", not at the end of its line
};

// Every pair of every line, in order. A line's text after its last "|" that is no key and
// value is passed over.
std::vector<LinPair> LinPairs(std::string_view text) {
    std::vector<LinPair> pairs;
    LineReader lines(text);
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        std::size_t pos = 0;
        for (std::size_t bar = line.find('|'); bar != std::string_view::npos;
             bar = line.find('|', pos)) {
            const std::size_t end = line.find('|', bar + 1);
            const bool closed = end != std::string_view::npos;
            const std::size_t stop = closed ? end : line.size();
            pairs.push_back({Trim(line.substr(pos, bar - pos), IsLinBlank),
                             line.substr(bar + 1, stop - bar - 1), closed});
            if (!closed) {
                break;
            }
            pos = end + 1;
        }
    }
    return pairs;
}

bool IsKey(const LinPair& pair, std::string_view key) {
    return EqualsIgnoringCase(pair.key, key);
}

// "o7", "c7" (a room and the board) or "Board 7" (a word and the board); 0 when there is none.
int BoardNumberIn(std::string_view text, bool room) {
    text = Trim(text, IsLinBlank);
    if (room) {
        if (text.empty() || (AsciiLower(text.front()) != 'o' && AsciiLower(text.front()) != 'c')) {
            return 0;
        }
        text.remove_prefix(1);
        text = text.substr(0, text.find_first_not_of("0123456789"));
    } else {
        const std::size_t space = text.find_last_of(' ');
        text.remove_prefix(space == std::string_view::npos ? 0 : space + 1);
    }
    const std::optional<int> number = ParseWholeNumber<int>(text);
    return number && *number > 0 ? *number : 0;
}

// The pairs of one board: its md pair and the number its qx or ah pair gives.
struct LinBoard {
    std::optional<LinPair> md;
    bool hasQx = false, hasAh = false;
    int qxNumber = 0, ahNumber = 0;

    int Number() const { return qxNumber > 0 ? qxNumber : ahNumber; }
};

std::vector<LinBoard> LinBoards(const std::vector<LinPair>& pairs) {
    std::vector<LinBoard> boards(1);
    for (const LinPair& pair : pairs) {
        const bool qx = IsKey(pair, "qx");
        const bool md = IsKey(pair, "md");
        const bool ah = IsKey(pair, "ah");
        LinBoard& current = boards.back();
        if ((qx && (current.hasQx || current.md)) || (md && current.md) || (ah && current.hasAh)) {
            boards.emplace_back();
        }
        LinBoard& board = boards.back();
        if (qx) {
            board.hasQx = true;
            board.qxNumber = BoardNumberIn(pair.value, true);
        } else if (md) {
            board.md = pair;
        } else if (ah) {
            board.hasAh = true;
            board.ahNumber = BoardNumberIn(pair.value, false);
        }
    }
    return boards;
}

// Reads one md hand into the deal; empty, or the fault.
std::string ReadLinHand(std::string_view text, tDeal& deal, Seat seat) {
    int suit = -1;
    for (const char c : text) {
        const std::size_t letter = kSuitLetters.find(AsciiUpper(c));
        if (letter != std::string_view::npos) {
            suit = static_cast<int>(letter);
            continue;
        }
        if (IsLinBlank(c)) {
            continue;
        }
        const int rank = RankOfCharacter(c);
        if (rank == 0) {
            return NoCardFault(c);
        }
        if (suit < 0) {
            return "has a card before its suit letter";
        }
        if (std::string fault = AddCardOnce(deal, seat, kAllSuits[suit], rank); !fault.empty()) {
            return fault;
        }
    }
    return {};
}

// Reads an md value (the dealer digit, then up to four hands) into the deal; empty, or the
// fault.
std::string ReadLinDeal(std::string_view md, tDeal& deal) {
    deal.Clear();
    md = Trim(md, IsLinBlank);
    if (!md.empty() && IsAsciiDigit(md.front())) {
        md.remove_prefix(1);  // the dealer: Kesto's boards take theirs from their place
    }
    for (std::size_t hand = 0;; ++hand) {
        const std::size_t comma = md.find(',');
        const std::string_view text = md.substr(0, comma);
        if (hand >= 4 && !Trim(text, IsLinBlank).empty()) {
            return "has more than four hands";
        }
        if (hand < 4) {
            if (std::string fault = ReadLinHand(text, deal, kMdSeats[hand]); !fault.empty()) {
                return fault;
            }
        }
        if (comma == std::string_view::npos) {
            break;
        }
        md.remove_prefix(comma + 1);
    }
    deal.CompleteTheHandLeftOut();
    return ImpossibleDealFault(deal);
}

}  // namespace

std::string LINFileText(const tBoardSet& boardSet, std::string_view header1,
                        std::string_view header2) {
    // The md dealer digit of each seat, clockwise from North; the sv letter of each
    // vulnerability.
    static constexpr char kDealerDigits[] = {'3', '4', '1', '2'};
    const auto field = [](std::string_view line) {
        std::string text = OneLine(line);
        for (char& c : text) {
            c = c == ',' ? ';' : c == '|' ? '/' : c;
        }
        return text;
    };
    const auto vulnerability = [](std::string_view vul) {
        return vul == "NS" ? 'n' : vul == "EW" ? 'e' : vul == "All" ? 'b' : 'o';
    };
    std::string text;
    text.reserve(64 + boardSet.size() * 90);
    if (!header1.empty() || !header2.empty()) {
        text += "vg|" + field(header1) + "," + field(header2) + ",P,1," +
                std::to_string(boardSet.size()) + ",,0,,0|";
        text += kEol;
    }
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        const int board = static_cast<int>(i) + 1;
        text += "qx|o" + std::to_string(board) + "|md|";
        text += kDealerDigits[static_cast<int>(BoardDealer(board))];
        for (const Seat seat : kMdSeats) {
            if (seat != Seat::South) {
                text += ',';
            }
            for (const Suit suit : kAllSuits) {
                text += kSuitLetters[static_cast<int>(suit)];
                text += SuitText(boardSet[i].Hand(seat).Holding(suit), "T");
            }
        }
        text += "|sv|";
        text += vulnerability(BoardVulnerability(board));
        text += "|pg||";
        text += kEol;
    }
    return text;
}

Status WriteLINFile(const std::string& fileName, const tBoardSet& boardSet,
                    std::string_view header1, std::string_view header2) {
    return SaveBoardSet(fileName, boardSet, [&](const tBoardSet& boards) {
        return LINFileText(boards, header1, header2);
    });
}

Status ParseLINFile(std::string_view bytes, DealFileContents& contents) {
    contents = {};
    const std::string text = FileTextAsWindows1252(bytes);
    const std::vector<LinPair> pairs = LinPairs(text);
    DealFileContents read;
    std::vector<int> numbers;
    std::map<int, std::size_t> placeOfNumber;
    for (const LinBoard& board : LinBoards(pairs)) {
        if (!board.md) {
            continue;
        }
        const int number = board.Number();
        const int named = number > 0 ? number : static_cast<int>(numbers.size()) + 1;
        tDeal deal;
        std::string fault = ReadLinDeal(board.md->value, deal);
        // A line that ends before the closing "|" may have lost cards, unless all 52 are there.
        if (fault.empty() && !board.md->closed && deal.CardCount() != kCardsInDeck) {
            fault = "is cut short";
        }
        const auto seen = placeOfNumber.find(number);
        if (fault.empty() && seen != placeOfNumber.end()) {
            if (read.boardSet[seen->second] == deal) {
                continue;  // the same board in the other room
            }
            fault = "is given twice with two different deals";
        }
        if (!fault.empty()) {
            return Status::Failure(BoardFault(named, fault));
        }
        if (read.boardSet.size() == static_cast<std::size_t>(kMaxBoards)) {
            return Status::Failure(TooManyBoardsText());
        }
        if (number > 0) {
            placeOfNumber.emplace(number, read.boardSet.size());
        }
        read.boardSet.push_back(deal);
        numbers.push_back(number);
    }
    for (const LinPair& pair : pairs) {
        if (IsKey(pair, "vg")) {
            const std::size_t comma = pair.value.find(',');
            read.header1 = Trim(pair.value.substr(0, comma), IsLinBlank);
            if (comma != std::string_view::npos) {
                const std::string_view rest = pair.value.substr(comma + 1);
                read.header2 = Trim(rest.substr(0, rest.find(',')), IsLinBlank);
            }
            break;
        }
    }
    for (const int number : numbers) {
        if (number != 0) {
            read.boardNumbers = std::move(numbers);
            break;
        }
    }
    read.dealsComplete = true;
    contents = std::move(read);
    return {};
}

bool HoldsLINDeal(std::string_view text) {
    for (const LinPair& pair : LinPairs(text)) {
        if (IsKey(pair, "md")) {
            return true;
        }
    }
    return false;
}

}  // namespace kesto
