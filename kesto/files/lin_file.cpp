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
// The sv letter of each vulnerability as BoardVulnerability names it.
constexpr std::pair<char, std::string_view> kSvLetters[] = {
    {'o', "None"}, {'n', "NS"}, {'e', "EW"}, {'b', "All"}};

// The blanks of a LIN value: spaces, tabs and a carriage return inside a line.
bool IsLinBlank(char c) {
    return IsSpaceOrTab(c) || c == '\r';
}

struct LinPair {
    std::string_view key, value;
    bool closed;  // the value ends in "|", not at the end of its line
    int line;
};

// Every pair of every line, in order. A line's text after its last "|" that is no key and
// value is passed over.
std::vector<LinPair> LinPairs(std::string_view text) {
    std::vector<LinPair> pairs;
    LineReader lines(text);
    for (int number = 1; !lines.AtEnd(); ++number) {
        const std::string_view line = lines.Next();
        std::size_t pos = 0;
        for (std::size_t bar = line.find('|'); bar != std::string_view::npos;
             bar = line.find('|', pos)) {
            const std::size_t end = line.find('|', bar + 1);
            const bool closed = end != std::string_view::npos;
            const std::size_t stop = closed ? end : line.size();
            pairs.push_back({Trim(line.substr(pos, bar - pos), IsLinBlank),
                             line.substr(bar + 1, stop - bar - 1), closed, number});
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

// The first byte of a key that no text holds (a NUL, a control character), or none. Such a
// pair is damage: it may have been the md pair of a board.
std::optional<unsigned char> ByteNoKeyHolds(std::string_view key) {
    for (const char c : key) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < ' ' || byte == 0x7F) {
            return byte;
        }
    }
    return std::nullopt;
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

// The pairs of one board: its md and sv pairs, the number its qx or ah pair gives, and the
// first pair whose key is damaged.
struct LinBoard {
    std::optional<LinPair> md, sv, damaged;
    bool hasQx = false, hasAh = false;
    int qxNumber = 0, ahNumber = 0;

    int Number() const { return qxNumber > 0 ? qxNumber : ahNumber; }
    // The pairs before the first board (the event, the players) make no board.
    bool IsBoard() const { return md || sv || damaged || hasQx || hasAh; }
};

std::vector<LinBoard> LinBoards(const std::vector<LinPair>& pairs) {
    std::vector<LinBoard> boards(1);
    for (const LinPair& pair : pairs) {
        const bool qx = IsKey(pair, "qx");
        const bool md = IsKey(pair, "md");
        const bool ah = IsKey(pair, "ah");
        const bool sv = IsKey(pair, "sv");
        const bool damaged = ByteNoKeyHolds(pair.key).has_value();
        LinBoard& current = boards.back();
        // A damaged pair after a board's md pair is taken for the next board's md pair.
        if ((qx && (current.hasQx || current.md)) || ((md || damaged) && current.md) ||
            (ah && current.hasAh) || (sv && current.sv)) {
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
        } else if (sv) {
            board.sv = pair;
        } else if (damaged && !board.damaged) {
            board.damaged = pair;
        }
    }
    return boards;
}

// What keeps a board from being read before its cards are: a damaged pair or no md pair, as
// the rest of a sentence that begins with the board; empty when nothing does.
std::string LinBoardFault(const LinBoard& board) {
    if (board.damaged) {
        return "has a pair whose name holds the byte " +
               std::to_string(*ByteNoKeyHolds(board.damaged->key)) + " (line " +
               std::to_string(board.damaged->line) + ")";
    }
    if (!board.md) {
        return "has no deal: its md pair is missing";
    }
    return {};
}

// The dealer an md value gives by its first digit: 1 South, then clockwise as its hands.
std::optional<Seat> LinDealer(std::string_view md) {
    md = Trim(md, IsLinBlank);
    if (md.empty() || md.front() < '1' || md.front() > '4') {
        return std::nullopt;
    }
    return kMdSeats[md.front() - '1'];
}

// An sv value as BoardVulnerability names it ("0" is none too); none for a letter it does not
// know.
std::optional<std::string_view> LinVulnerability(const std::optional<LinPair>& sv) {
    const std::string_view text = sv ? Trim(sv->value, IsLinBlank) : std::string_view();
    const char letter =
        text.size() == 1 ? AsciiLower(text.front() == '0' ? 'o' : text.front()) : ' ';
    for (const auto& [given, name] : kSvLetters) {
        if (letter == given) {
            return name;
        }
    }
    return std::nullopt;
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
    // The md dealer digit of each seat, clockwise from North.
    static constexpr char kDealerDigits[] = {'3', '4', '1', '2'};
    const auto field = [](std::string_view line) {
        std::string text = OneLine(line);
        for (char& c : text) {
            c = c == ',' ? ';' : c == '|' ? '/' : c;
        }
        return text;
    };
    const auto vulnerability = [](std::string_view vul) {
        for (const auto& [letter, name] : kSvLetters) {
            if (name == vul) {
                return letter;
            }
        }
        return 'o';
    };
    std::string text;
    text.reserve(64 + boardSet.size() * 90);
    if (!header1.empty() || !header2.empty()) {
        text += "vg|" + Windows1252ToUtf8(field(header1)) + "," +
                Windows1252ToUtf8(field(header2)) + ",P,1," + std::to_string(boardSet.size()) +
                ",,0,,0|";
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
        if (!board.IsBoard()) {
            continue;
        }
        const int number = board.Number();
        const int place = static_cast<int>(numbers.size()) + 1;
        const int named = number > 0 ? number : place;
        std::string fault = LinBoardFault(board);
        tDeal deal;
        if (fault.empty()) {
            fault = ReadLinDeal(board.md->value, deal);
        }
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
        if (!KeepsRotation(LinDealer(board.md->value), LinVulnerability(board.sv), place, named)) {
            read.otherDealerOrVulnerability.push_back(place);
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

bool StartsLikeLINFile(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    const auto letter = [](char c) { return AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z'; };
    return start != std::string_view::npos && bytes.size() - start >= 3 && letter(bytes[start]) &&
           letter(bytes[start + 1]) && bytes[start + 2] == '|';
}

}  // namespace kesto
