#include "kesto/plan/dealer_script.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>

#include "kesto/deal/card.h"
#include "kesto/plan/fixed_cards.h"
#include "kesto/plan/shape_set.h"
#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

// The deepest nesting of an expression, and the most steps and levels a condition may come
// to once its definitions are put in place: far beyond any teacher's script, and short of
// what would make a check slow or the reader's stack deep.
constexpr int kMaxNesting = 64;
constexpr std::size_t kMaxSteps = 20'000;
constexpr int kMaxLevels = 512;

// ---- Words ----

enum class Word : std::uint8_t {
    Generate,
    Produce,
    Dealer,
    Vulnerable,
    Predeal,
    Pointcount,
    Condition,
    Action,
    Print,
    PrintAll,
    PrintEw,
    PrintPbn,
    PrintCompact,
    PrintOneLine,
    PrintEs,
    Seat,           // value: the Seat
    Suit,           // value: the Suit
    Vulnerability,  // none, ns, NS, ew, EW, all
    Notrumps,
    ScoreVulnerability,  // nv, vul: only for score, which is refused
    Hcp,
    Losers,
    Controls,
    HasCard,
    Shape,
    Any,
    And,
    Or,
    Not,
};

struct WordRow {
    std::string_view text;
    Word word;
    int value = 0;
};

// Every word as dealer spells it: small letters (NS and EW also in capitals), the plural where
// dealer takes one.
constexpr WordRow kWords[] = {
    {"generate", Word::Generate},
    {"produce", Word::Produce},
    {"dealer", Word::Dealer},
    {"vulnerable", Word::Vulnerable},
    {"predeal", Word::Predeal},
    {"pointcount", Word::Pointcount},
    {"condition", Word::Condition},
    {"action", Word::Action},
    {"print", Word::Print},
    {"printall", Word::PrintAll},
    {"printew", Word::PrintEw},
    {"printpbn", Word::PrintPbn},
    {"printcompact", Word::PrintCompact},
    {"printoneline", Word::PrintOneLine},
    {"printes", Word::PrintEs},
    {"north", Word::Seat, static_cast<int>(Seat::North)},
    {"east", Word::Seat, static_cast<int>(Seat::East)},
    {"south", Word::Seat, static_cast<int>(Seat::South)},
    {"west", Word::Seat, static_cast<int>(Seat::West)},
    {"spade", Word::Suit, static_cast<int>(Suit::Spades)},
    {"spades", Word::Suit, static_cast<int>(Suit::Spades)},
    {"heart", Word::Suit, static_cast<int>(Suit::Hearts)},
    {"hearts", Word::Suit, static_cast<int>(Suit::Hearts)},
    {"diamond", Word::Suit, static_cast<int>(Suit::Diamonds)},
    {"diamonds", Word::Suit, static_cast<int>(Suit::Diamonds)},
    {"club", Word::Suit, static_cast<int>(Suit::Clubs)},
    {"clubs", Word::Suit, static_cast<int>(Suit::Clubs)},
    {"none", Word::Vulnerability},
    {"ns", Word::Vulnerability},
    {"NS", Word::Vulnerability},
    {"ew", Word::Vulnerability},
    {"EW", Word::Vulnerability},
    {"all", Word::Vulnerability},
    {"notrump", Word::Notrumps},
    {"notrumps", Word::Notrumps},
    {"nv", Word::ScoreVulnerability},
    {"vul", Word::ScoreVulnerability},
    {"hcp", Word::Hcp},
    {"hcps", Word::Hcp},
    {"loser", Word::Losers},
    {"losers", Word::Losers},
    {"control", Word::Controls},
    {"controls", Word::Controls},
    {"hascard", Word::HasCard},
    {"shape", Word::Shape},
    {"any", Word::Any},
    {"and", Word::And},
    {"or", Word::Or},
    {"not", Word::Not},
};

// The words of what Kesto does not do while dealing, each with what it stands for.
constexpr std::pair<std::string_view, std::string_view> kRefusedWords[] = {
    {"trick", "double-dummy tricks during dealing"},
    {"tricks", "double-dummy tricks during dealing"},
    {"score", "contract scores"},
    {"imp", "IMP scores"},
    {"imps", "IMP scores"},
    {"average", "averages over the deals produced"},
    {"frequency", "frequency tables of the deals produced"},
    {"evalcontract", "contract scores over the deals produced"},
    {"altcount", "point counts of a script's own beside hcp"},
    {"rnd", "random numbers inside a condition"},
    {"quality", "the suit quality of The Bridge World"},
    {"cccc", "the hand evaluation of The Bridge World"},
    {"pt0", "the alternative count pt0, tens"},
    {"ten", "the alternative count pt0, tens"},
    {"tens", "the alternative count pt0, tens"},
    {"pt1", "the alternative count pt1, jacks"},
    {"jack", "the alternative count pt1, jacks"},
    {"jacks", "the alternative count pt1, jacks"},
    {"pt2", "the alternative count pt2, queens"},
    {"queen", "the alternative count pt2, queens"},
    {"queens", "the alternative count pt2, queens"},
    {"pt3", "the alternative count pt3, kings"},
    {"king", "the alternative count pt3, kings"},
    {"kings", "the alternative count pt3, kings"},
    {"pt4", "the alternative count pt4, aces"},
    {"ace", "the alternative count pt4, aces"},
    {"aces", "the alternative count pt4, aces"},
    {"pt5", "the alternative count pt5, top2"},
    {"top2", "the alternative count pt5, top2"},
    {"pt6", "the alternative count pt6, top3"},
    {"top3", "the alternative count pt6, top3"},
    {"pt7", "the alternative count pt7, top4"},
    {"top4", "the alternative count pt7, top4"},
    {"pt8", "the alternative count pt8, top5"},
    {"top5", "the alternative count pt8, top5"},
    {"pt9", "the alternative count pt9, c13"},
    {"c13", "the alternative count pt9, c13"},
};

constexpr std::string_view kCommands[] = {"condition", "produce",    "generate", "predeal",
                                          "dealer",    "vulnerable", "action"};

constexpr std::string_view kCommandExpected =
    "a command (condition, produce, dealer, predeal, vulnerable, generate, pointcount, "
    "action) or a definition such as opener = hcp(north) >= 12 was expected";
constexpr std::string_view kValueExpected =
    "a value (a number, a defined name, hcp(north), spades(north), controls(north), "
    "losers(north), shape(north, any 4333) or hascard(north, AS)) was expected";
constexpr std::string_view kSeatExpected =
    "a seat (north, east, south or west, in small letters) was expected";
constexpr std::string_view kSuitExpected =
    "a suit (spades, hearts, diamonds or clubs) was expected";
constexpr std::string_view kCardExpected =
    "a card, rank then suit (such as AS or TC), was expected";
constexpr std::string_view kShapeExpected =
    "a shape of four lengths, spades first (such as 5431, any 4333 or 5xxx), was expected";
constexpr std::string_view kActionExpected =
    "an action that prints (printall, printoneline, printpbn, printcompact, printew, printes "
    "or print) was expected";

bool IsLetter(char c) {
    const char lower = AsciiLower(c);
    return lower >= 'a' && lower <= 'z';
}

bool IsNameCharacter(char c) {
    return IsLetter(c) || IsAsciiDigit(c) || c == '_';
}

// ---- Tokens ----

enum class Tok : std::uint8_t {
    End,
    Number,         // digits
    ShapeOrNumber,  // four digits: a shape or a number, as the place takes it
    Shape,          // four of digits and x, with an x
    Holding,        // a suit letter and ranks from the ace down: SAK, H
    Card,           // rank and suit: AS, TC
    String,         // "text", or \n
    Name,           // a name of the script's own
    Word,           // one of kWords
    Sign,           // && || == != <= >= or any other one character
};

struct Token {
    Tok kind = Tok::End;
    std::string_view text;
    int line = 1;
    int column = 1;
    Word word = Word::Generate;  // Word
    int value = 0;               // Word: kWords' value; Number: the number
};

// Splits the script into tokens as dealer's scanner does: the longest match wins, and of two
// as long the one listed first (a holding such as SA or a card such as AS before a name).
class Scanner {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    std::optional<PlanError> error;

    // All the tokens, the last one End; false (error set) at a fault.
    bool Scan(std::vector<Token>& tokens) {
        for (;;) {
            if (!SkipBlanks()) {
                return false;
            }
            Token token;
            token.line = line_;
            token.column = Column();
            if (pos_ == text_.size()) {
                // The end, just after the last line's last character: a line end closing the
                // text begins no line, and a carriage return before it is no character of it.
                std::size_t start = lineStart_;
                if (start == text_.size() && token.line > 1) {
                    --token.line;
                    start = start >= 2 ? text_.rfind('\n', start - 2) : std::string_view::npos;
                    start = start == std::string_view::npos ? 0 : start + 1;
                }
                std::string_view last = text_.substr(start);
                last = last.substr(0, std::min(last.find('\n'), last.size()));
                token.column = static_cast<int>(last.size() - (last.ends_with('\r') ? 1 : 0)) + 1;
                tokens.push_back(token);
                return true;
            }
            const std::size_t length = Match(token);
            if (length == 0) {
                return false;
            }
            token.text = text_.substr(pos_, length);
            pos_ += length;
            if (!Classify(token)) {
                return false;
            }
            tokens.push_back(token);
        }
    }

  private:
    int Column() const { return static_cast<int>(pos_ - lineStart_) + 1; }

    bool Fail(int line, int column, std::string what, bool wholeLine = false) {
        error = PlanError{line, column, std::move(what), wholeLine};
        return false;
    }

    void NewLine(std::size_t at) {
        ++line_;
        lineStart_ = at + 1;
    }

    // Blanks, line ends and comments; false at a comment that is never closed.
    bool SkipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            const std::string_view rest = text_.substr(pos_);
            if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '\n') {
                NewLine(pos_++);
            } else if ((c == '#' && pos_ == lineStart_) || rest.starts_with("//")) {
                pos_ = std::min(text_.find('\n', pos_), text_.size());
            } else if (rest.starts_with("/*")) {
                const int line = line_;
                const int column = Column();
                const std::size_t end = text_.find("*/", pos_ + 2);
                if (end == std::string_view::npos) {
                    return Fail(line, column, "the comment begun here was expected to end with */");
                }
                for (; pos_ < end + 2; ++pos_) {
                    if (text_[pos_] == '\n') {
                        NewLine(pos_);
                    }
                }
            } else {
                return true;
            }
        }
        return true;
    }

    // The length of the token at pos_; 0 (error set) for none.
    std::size_t Match(Token& token) {
        const std::string_view rest = text_.substr(pos_);
        const char c = rest[0];
        const auto countFrom = [&rest](std::size_t at, auto&& fits) {
            while (at < rest.size() && fits(rest[at])) {
                ++at;
            }
            return at;
        };
        const std::size_t name = IsLetter(c) ? countFrom(1, IsNameCharacter) : 0;
        const std::size_t digits = IsAsciiDigit(c) ? countFrom(0, IsAsciiDigit) : 0;
        const bool shape =
            rest.size() >= 4 && std::all_of(rest.begin(), rest.begin() + 4,
                                            [](char d) { return IsAsciiDigit(d) || d == 'x'; });
        const bool card = rest.size() >= 2 &&
                          std::string_view("23456789TJQKA").find(c) != std::string_view::npos &&
                          std::string_view("CDHS").find(rest[1]) != std::string_view::npos;
        std::size_t holding = 0;
        if (std::string_view("CDHS").find(c) != std::string_view::npos) {
            holding = 1;
            for (const char rank : std::string_view("AKQJT98765432")) {
                holding += holding < rest.size() && rest[holding] == rank ? 1 : 0;
            }
        }
        const std::size_t longest = std::max(
            {name, digits, shape ? std::size_t{4} : 0, card ? std::size_t{2} : 0, holding});
        if (longest > 0) {
            // Ties go to the rule dealer lists first: holding, card, shape, number, name.
            token.kind =
                holding == longest     ? Tok::Holding
                : card && longest == 2 ? Tok::Card
                : shape && longest == 4
                    ? (rest.substr(0, 4).find('x') != std::string_view::npos ? Tok::Shape
                                                                             : Tok::ShapeOrNumber)
                : digits == longest ? Tok::Number
                                    : Tok::Name;
            return longest;
        }
        if (c == '"') {
            const std::size_t end = rest.find('"', 1);
            if (end != std::string_view::npos) {
                token.kind = Tok::String;
                for (std::size_t i = 1; i < end; ++i) {
                    if (rest[i] == '\n') {
                        NewLine(pos_ + i);
                    }
                }
                return end + 1;
            }
        }
        if (rest.starts_with("\\n")) {
            token.kind = Tok::String;
            return 2;
        }
        token.kind = Tok::Sign;
        for (const std::string_view sign : {"&&", "||", "==", "!=", "<=", ">="}) {
            if (rest.starts_with(sign)) {
                return 2;
            }
        }
        return 1;
    }

    // Numbers get their value, words their meaning; a refused word ends the reading.
    bool Classify(Token& token) {
        if (token.kind == Tok::Number) {
            const std::optional<int> number = ParseWholeNumber<int>(token.text);
            if (!number) {
                return Fail(token.line, token.column,
                            "a whole number up to 2147483647 was expected");
            }
            token.value = *number;
        }
        if (token.kind != Tok::Name) {
            return true;
        }
        for (const auto& [word, reason] : kRefusedWords) {
            if (token.text == word) {
                return Fail(token.line, token.column,
                            "Kesto does not deal to \"" + std::string(word) + "\" (" +
                                std::string(reason) + ")",
                            true);
            }
        }
        for (const WordRow& row : kWords) {
            if (token.text == row.text) {
                token.kind = Tok::Word;
                token.word = row.word;
                token.value = row.value;
            }
        }
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t lineStart_ = 0;
    int line_ = 1;
};

// ---- The expression tree ----

enum class BinaryOp : std::uint8_t {
    Or,
    And,
    Equal,
    NotEqual,
    Less,
    LessOrEqual,
    Greater,
    GreaterOrEqual,
    Add,
    Subtract,
    Multiply,
    Divide,
    Remainder,
};

// The binary operators by precedence, loosest first, as C (and dealer) bind them.
constexpr std::pair<std::string_view, BinaryOp> kLevels[][4] = {
    {{"||", BinaryOp::Or}},
    {{"&&", BinaryOp::And}},
    {{"==", BinaryOp::Equal}, {"!=", BinaryOp::NotEqual}},
    {{"<", BinaryOp::Less},
     {"<=", BinaryOp::LessOrEqual},
     {">", BinaryOp::Greater},
     {">=", BinaryOp::GreaterOrEqual}},
    {{"+", BinaryOp::Add}, {"-", BinaryOp::Subtract}},
    {{"*", BinaryOp::Multiply}, {"/", BinaryOp::Divide}, {"%", BinaryOp::Remainder}},
};
constexpr int kLevelCount = static_cast<int>(std::size(kLevels));

struct Node {
    enum class Kind : std::uint8_t {
        Number,
        Length,
        Hcp,
        Controls,
        Losers,
        Shape,
        HasCard,
        Not,
        Binary,
        Choose
    };
    Kind kind = Kind::Number;
    BinaryOp op = BinaryOp::Or;
    Seat seat = Seat::North;
    std::optional<Suit> suit;  // Length: its suit; Hcp, Controls, Losers: one suit, or the hand
    int value = 0;             // Number: the number; Shape: index of its set; HasCard: the rank
    std::array<int, 3> operands{-1, -1, -1};
};

Node NodeOf(Node::Kind kind) {
    Node node;
    node.kind = kind;
    return node;
}

Node NumberNode(int number) {
    Node node = NodeOf(Node::Kind::Number);
    node.value = number;
    return node;
}

Node BinaryNode(BinaryOp op, int a, int b) {
    Node node = NodeOf(Node::Kind::Binary);
    node.op = op;
    node.operands = {a, b, -1};
    return node;
}

// A card of a predeal command, where it stands in the script.
struct Predealt {
    Seat seat;
    Suit suit;
    int rank;
};

// ---- The reader ----

class ScriptReader {
  public:
    ScriptReader(std::vector<Token> tokens, ScriptSeats seats)
        : tokens_(std::move(tokens)), seats_(seats) {
        for (auto& length : lengths_) {
            length.fill(-1);
        }
    }

    std::optional<PlanError> error;

    bool Read(DealerScript& script) {
        while (Peek().kind != Tok::End) {
            if (!ReadCommand(script)) {
                return false;
            }
        }
        return Compile(script);
    }

  private:
    // -- Tokens --

    const Token& Peek(std::size_t ahead = 0) const {
        return tokens_[std::min(next_ + ahead, tokens_.size() - 1)];
    }
    const Token& Take() {
        const Token& token = tokens_[next_];
        next_ = std::min(next_ + 1, tokens_.size() - 1);
        return token;
    }
    bool IsSign(std::string_view sign, std::size_t ahead = 0) const {
        const Token& token = Peek(ahead);
        return token.kind == Tok::Sign && token.text == sign;
    }
    bool IsWord(Word word, std::size_t ahead = 0) const {
        const Token& token = Peek(ahead);
        return token.kind == Tok::Word && token.word == word;
    }
    // The sign, or the word that stands for it (and, or, not).
    bool IsOperator(std::string_view sign) const {
        return IsSign(sign) || (sign == "&&" && IsWord(Word::And)) ||
               (sign == "||" && IsWord(Word::Or)) || (sign == "!" && IsWord(Word::Not));
    }

    bool Fail(const Token& at, std::string_view what) {
        if (!error) {
            std::string text(what);
            if (at.kind == Tok::Name && what == kValueExpected) {
                text = "\"" + std::string(at.text) + "\" is not defined; a definition such as " +
                       std::string(at.text) + " = hcp(north) >= 12 must come before it is used";
            }
            error = PlanError{at.line, at.column, std::move(text)};
        }
        return false;
    }
    bool Expect(std::string_view sign) {
        if (!IsSign(sign)) {
            return Fail(Peek(), "\"" + std::string(sign) + "\" was expected");
        }
        Take();
        return true;
    }

    // -- Commands --

    bool ReadCommand(DealerScript& script) {
        const Token& first = Peek();
        if (first.kind == Tok::Name && IsSign("=", 1)) {
            return ReadDefinition();
        }
        if (first.kind != Tok::Word) {
            return ReadCondition(first);
        }
        switch (first.word) {
            case Word::Generate: {
                Take();
                int ignored = 0;  // Kesto's own limits hold
                return ReadNumber(ignored);
            }
            case Word::Produce:
                return ReadProduce(script);
            case Word::Dealer: {
                Take();
                Seat seat{};
                if (!ReadSeat(seat)) {
                    return false;
                }
                dealer_ = seat;
                return true;
            }
            case Word::Vulnerable:
                // The boards keep the vulnerability of their numbers.
                Take();
                if (!IsWord(Word::Vulnerability)) {
                    return Fail(Peek(), "none, NS, EW or all was expected");
                }
                Take();
                return true;
            case Word::Predeal:
                return ReadPredeal();
            case Word::Pointcount:
                return ReadPointcount();
            case Word::Condition:
                Take();
                return ReadCondition(first);
            case Word::Action:
                return ReadActions();
            default:
                return ReadCondition(first);
        }
    }

    bool ReadDefinition() {
        const Token& name = Take();
        Take();  // =
        if (const auto found = definitions_.find(name.text); found != definitions_.end()) {
            return Fail(name, "\"" + std::string(name.text) + "\" is already defined on line " +
                                  std::to_string(found->second.line) +
                                  "; a script defines each name once");
        }
        int node = 0;
        if (!ReadExpression(node, 0)) {
            return false;
        }
        definitions_[name.text] = {node, name.line};
        return true;
    }

    // An expression that becomes the condition, in place of any before it, as in dealer.
    bool ReadCondition(const Token& start) {
        if (!StartsValue()) {
            return Fail(Peek(), start.kind == Tok::Word && start.word == Word::Condition
                                    ? kValueExpected
                                    : kCommandExpected);
        }
        int node = 0;
        if (!ReadExpression(node, 0)) {
            return false;
        }
        condition_ = node;
        conditionStart_ = start;
        return true;
    }

    bool ReadProduce(DealerScript& script) {
        Take();
        const Token& at = Peek();
        int count = 0;
        if (!ReadNumber(count)) {
            return false;
        }
        if (count < 1 || count > kMaxBoards) {
            return Fail(at, "a number of boards from 1 to " + std::to_string(kMaxBoards) +
                                " was expected after produce");
        }
        if (!script.produce) {
            script.produce = count;  // the first counts, as in dealer
        }
        return true;
    }

    bool ReadPredeal() {
        Take();
        if (!IsWord(Word::Seat) && !IsWord(Word::Suit)) {
            return Fail(Peek(),
                        "a seat and its cards (such as south SAQ542, HKJ87) or a "
                        "length (such as spades(north) == 1) was expected");
        }
        while (IsWord(Word::Seat) || IsWord(Word::Suit)) {
            if (!(IsWord(Word::Seat) ? ReadHoldings() : ReadLength())) {
                return false;
            }
        }
        return true;
    }

    bool ReadHoldings() {
        const auto seat = static_cast<Seat>(Take().value);
        for (;;) {
            const Token& holding = Peek();
            if (holding.kind != Tok::Holding) {
                return Fail(holding,
                            "a suit's cards, the suit letter first (such as SAQ542), "
                            "were expected");
            }
            Take();
            const Suit suit = *SuitOfLetter(holding.text[0]);  // the scanner made sure
            for (const char rank : holding.text.substr(1)) {
                if (!Predeal(holding, seat, suit, RankOfCharacter(rank))) {
                    return false;
                }
            }
            if (!IsSign(",")) {
                return true;
            }
            Take();
        }
    }

    bool Predeal(const Token& at, Seat seat, Suit suit, int rank) {
        const auto same = [&](const Predealt& card) {
            return card.suit == suit && card.rank == rank;
        };
        if (std::any_of(predealt_.begin(), predealt_.end(), same)) {
            return Fail(at, CardName(suit, rank) + " is predealt twice");
        }
        if (std::count_if(predealt_.begin(), predealt_.end(), [seat](const Predealt& card) {
                return card.seat == seat;
            }) == kCardsInHand) {
            return Fail(at, "more than 13 cards are predealt to " + std::string(SeatText(seat)));
        }
        predealt_.push_back({seat, suit, rank});
        return true;
    }

    // predeal spades(north) == 1: the seat gets that many cards of the suit.
    bool ReadLength() {
        const Token& at = Take();
        const auto suit = static_cast<Suit>(at.value);
        Seat seat{};
        if (!Expect("(") || !ReadSeat(seat) || !Expect(")")) {
            return false;
        }
        if (!IsSign("==")) {
            return Fail(Peek(), "\"==\" was expected, as in spades(north) == 1");
        }
        Take();
        const Token& number = Peek();
        if (number.kind != Tok::Number) {
            return Fail(number, "the length (a whole number) was expected");
        }
        Take();
        int& length = lengths_[static_cast<std::size_t>(seat)][static_cast<std::size_t>(suit)];
        if (length >= 0) {
            return Fail(at, "the length of " + std::string(SeatText(seat)) + "'s " +
                                std::string(SuitWord(suit)) + " is already given");
        }
        length = number.value;
        int ofSeat = 0, ofSuit = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            ofSeat += std::max(lengths_[static_cast<std::size_t>(seat)][i], 0);
            ofSuit += std::max(lengths_[i][static_cast<std::size_t>(suit)], 0);
        }
        if (ofSeat > kCardsInHand || ofSuit > kCardsInHand) {
            return Fail(number, "lengths that add up to at most 13 were expected");
        }
        return true;
    }

    bool ReadPointcount() {
        Take();
        PointScale scale{};  // the ranks not given count nothing
        std::size_t given = 0;
        while (StartsNumber()) {
            const Token& at = Peek();
            int points = 0;
            if (!ReadNumber(points)) {
                return false;
            }
            if (given == scale.size()) {
                return Fail(at, "at most 13 points, for the ace down to the two, were expected");
            }
            scale[given++] = points;
        }
        scale_ = scale;
        return true;
    }

    bool ReadActions() {
        Take();
        if (!StartsAction()) {
            return true;  // an empty list
        }
        for (;;) {
            if (!ReadAction()) {
                return false;
            }
            if (!IsSign(",")) {
                return true;
            }
            Take();
            if (!StartsAction()) {
                return Fail(Peek(), kActionExpected);
            }
        }
    }

    bool StartsAction() const {
        const Token& token = Peek();
        return token.kind == Tok::Word && token.word >= Word::Print && token.word <= Word::PrintEs;
    }

    // Read and left out: Kesto makes its own outputs.
    bool ReadAction() {
        const Word word = Take().word;
        int ignored = 0;
        switch (word) {
            case Word::Print: {
                Seat seat{};
                if (!Expect("(") || !ReadSeat(seat)) {
                    return false;
                }
                while (IsSign(",")) {
                    Take();
                    if (!ReadSeat(seat)) {
                        return false;
                    }
                }
                return Expect(")");
            }
            case Word::PrintCompact:
            case Word::PrintOneLine:
                if (!IsSign("(")) {
                    return true;
                }
                Take();
                return ReadExpression(ignored, 0) && Expect(")");
            case Word::PrintEs:
                if (!Expect("(")) {
                    return false;
                }
                do {
                    if (Peek().kind == Tok::String) {
                        Take();
                    } else if (!ReadExpression(ignored, 0)) {
                        return false;
                    }
                } while (IsSign(",") && (Take(), true));
                return Expect(")");
            default:
                return true;
        }
    }

    // -- Pieces --

    bool StartsNumber() const {
        return Peek().kind == Tok::Number || Peek().kind == Tok::ShapeOrNumber ||
               (IsSign("-") && Peek(1).kind == Tok::Number);
    }

    bool StartsValue() const {
        const Token& token = Peek();
        if (StartsNumber() || token.kind == Tok::Name || IsSign("(") || IsOperator("!")) {
            return true;
        }
        return token.kind == Tok::Word &&
               (token.word == Word::Suit || token.word == Word::Hcp || token.word == Word::Losers ||
                token.word == Word::Controls || token.word == Word::Shape ||
                token.word == Word::HasCard);
    }

    // A number as dealer takes one: digits, four digits, or a minus sign before digits.
    bool ReadNumber(int& number) {
        if (!StartsNumber()) {
            return Fail(Peek(), "a whole number was expected");
        }
        const bool negative = IsSign("-");
        if (negative) {
            Take();
        }
        const Token& digits = Take();
        number = digits.kind == Tok::Number ? digits.value
                                            : ParseWholeNumber<int>(digits.text).value_or(0);
        number = negative ? -number : number;
        return true;
    }

    bool ReadSeat(Seat& seat) {
        if (!IsWord(Word::Seat)) {
            return Fail(Peek(), kSeatExpected);
        }
        seat = static_cast<Seat>(Take().value);
        return true;
    }

    static std::string_view SeatText(Seat seat) {
        constexpr std::string_view kSeats[] = {"north", "east", "south", "west"};
        return kSeats[static_cast<int>(seat)];
    }

    static std::string_view SuitWord(Suit suit) {
        constexpr std::string_view kSuits[] = {"spades", "hearts", "diamonds", "clubs"};
        return kSuits[static_cast<int>(suit)];
    }

    // -- Expressions --

    int Add(Node node) {
        nodes_.push_back(node);
        return static_cast<int>(nodes_.size()) - 1;
    }

    bool Deeper(int depth) {
        return depth < kMaxNesting ||
               Fail(Peek(), "an expression nested at most " + std::to_string(kMaxNesting) +
                                " deep was expected");
    }

    // c ? a : b, binding loosest and from the right.
    bool ReadExpression(int& node, int depth) {
        if (!Deeper(depth) || !ReadBinary(node, 0, depth)) {
            return false;
        }
        if (!IsSign("?")) {
            return true;
        }
        const Token question = Take();
        Node choose = NodeOf(Node::Kind::Choose);
        choose.operands[0] = node;
        if (!ReadExpression(choose.operands[1], depth + 1)) {
            return false;
        }
        if (!IsSign(":")) {
            return Fail(Peek(), "\":\" was expected to go with the \"?\" of line " +
                                    std::to_string(question.line) + ", column " +
                                    std::to_string(question.column));
        }
        Take();
        if (!ReadExpression(choose.operands[2], depth + 1)) {
            return false;
        }
        node = Add(choose);
        return true;
    }

    // Operands of the level joined by its operators, left to right.
    bool ReadBinary(int& node, int level, int depth) {
        if (level == kLevelCount) {
            return ReadUnary(node, depth);
        }
        if (!ReadBinary(node, level + 1, depth)) {
            return false;
        }
        for (;;) {
            const auto* found = std::find_if(
                std::begin(kLevels[level]), std::end(kLevels[level]),
                [this](const auto& row) { return !row.first.empty() && IsOperator(row.first); });
            if (found == std::end(kLevels[level])) {
                return true;
            }
            Take();
            Node binary = BinaryNode(found->second, node, -1);
            if (!ReadBinary(binary.operands[1], level + 1, depth)) {
                return false;
            }
            node = Add(binary);
        }
    }

    bool ReadUnary(int& node, int depth) {
        if (!IsOperator("!")) {
            return ReadPrimary(node, depth);
        }
        Take();
        Node negation = NodeOf(Node::Kind::Not);
        if (!Deeper(depth) || !ReadUnary(negation.operands[0], depth + 1)) {
            return false;
        }
        node = Add(negation);
        return true;
    }

    bool ReadPrimary(int& node, int depth) {
        const Token& token = Peek();
        if (StartsNumber()) {
            Node number = NodeOf(Node::Kind::Number);
            if (!ReadNumber(number.value)) {
                return false;
            }
            node = Add(number);
            return true;
        }
        if (token.kind == Tok::Name) {
            const auto found = definitions_.find(token.text);
            if (found == definitions_.end()) {
                return Fail(token, kValueExpected);
            }
            Take();
            node = found->second.node;
            return true;
        }
        if (IsSign("(")) {
            Take();
            return Deeper(depth) && ReadExpression(node, depth + 1) && Expect(")");
        }
        if (token.kind != Tok::Word) {
            return Fail(token, kValueExpected);
        }
        switch (token.word) {
            case Word::Suit: {
                Take();
                Node length = NodeOf(Node::Kind::Length);
                length.suit = static_cast<Suit>(token.value);
                if (!Expect("(") || !ReadSeat(length.seat) || !Expect(")")) {
                    return false;
                }
                node = Add(length);
                return true;
            }
            case Word::Hcp:
                return ReadHandFigure(Node::Kind::Hcp, node);
            case Word::Controls:
                return ReadHandFigure(Node::Kind::Controls, node);
            case Word::Losers:
                return ReadHandFigure(Node::Kind::Losers, node);
            case Word::Shape:
                return ReadShape(node);
            case Word::HasCard:
                return ReadHasCard(node);
            default:
                return Fail(token, kValueExpected);
        }
    }

    // hcp(north) or hcp(north, spades), and the same of controls and losers.
    bool ReadHandFigure(Node::Kind kind, int& node) {
        Take();
        Node figure = NodeOf(kind);
        if (!Expect("(") || !ReadSeat(figure.seat)) {
            return false;
        }
        if (IsSign(",")) {
            Take();
            if (!IsWord(Word::Suit)) {
                return Fail(Peek(), kSuitExpected);
            }
            figure.suit = static_cast<Suit>(Take().value);
        }
        if (!Expect(")")) {
            return false;
        }
        node = Add(figure);
        return true;
    }

    bool ReadHasCard(int& node) {
        Take();
        Node test = NodeOf(Node::Kind::HasCard);
        if (!Expect("(") || !ReadSeat(test.seat) || !Expect(",")) {
            return false;
        }
        const Token& card = Peek();
        if (card.kind != Tok::Card) {
            return Fail(card, kCardExpected);
        }
        Take();
        test.value = RankOfCharacter(card.text[0]);
        test.suit = *SuitOfLetter(card.text[1]);
        if (!Expect(")")) {
            return false;
        }
        node = Add(test);
        return true;
    }

    // shape(north, any 4333 + any 4432 - 5xxx): the shapes joined by + (or ,), those after a
    // - taken away again, in the order written.
    bool ReadShape(int& node) {
        Take();
        Node test = NodeOf(Node::Kind::Shape);
        if (!Expect("(") || !ReadSeat(test.seat) || !Expect(",")) {
            return false;
        }
        ShapeSet set;
        do {
            const bool without = IsSign("-");
            if (IsSign("-") || IsSign("+") || IsSign(",")) {
                Take();
            }
            const bool anyOrder = IsWord(Word::Any);
            if (anyOrder) {
                Take();
            }
            ShapeSet shapes;
            if (!ReadPattern(anyOrder, shapes)) {
                return false;
            }
            set = without ? set - shapes : set | shapes;
        } while (!IsSign(")") && Peek().kind != Tok::End);
        if (!Expect(")")) {
            return false;
        }
        shapes_.push_back(set);
        test.value = static_cast<int>(shapes_.size()) - 1;
        node = Add(test);
        return true;
    }

    bool ReadPattern(bool anyOrder, ShapeSet& shapes) {
        const Token& pattern = Peek();
        if (pattern.kind != Tok::Shape && pattern.kind != Tok::ShapeOrNumber) {
            return Fail(pattern, kShapeExpected);
        }
        Take();
        std::array<int, 4> lengths{};
        int sum = 0;
        for (std::size_t suit = 0; suit < 4; ++suit) {
            const char c = pattern.text[suit];
            lengths[suit] = c == 'x' ? kAnyLength : c - '0';
            sum += c == 'x' ? 0 : c - '0';
        }
        const bool open = pattern.kind == Tok::Shape;
        if (open ? sum > kCardsInHand : sum != kCardsInHand) {
            return Fail(pattern, "a shape whose lengths add up to " +
                                     std::string(open ? "at most " : "") + "13 was expected; " +
                                     std::string(pattern.text) + " adds up to " +
                                     std::to_string(sum));
        }
        shapes = ShapeSet::Pattern(lengths, anyOrder);
        return true;
    }

    // -- Compiling --

    // The seat name a script's seat becomes on the boards.
    SeatName NameOf(Seat seat) const {
        const int compass = static_cast<int>(seat);
        if (seats_ == ScriptSeats::AsWritten) {
            return static_cast<SeatName>(compass);
        }
        const int fromDealer = (compass - static_cast<int>(dealer_) + 4) % 4;
        return static_cast<SeatName>(static_cast<int>(SeatName::Dealer) + fromDealer);
    }

    // The script's seat a name stands for, for messages.
    std::string SeatWordOf(SeatName name) const {
        const int code = static_cast<int>(name);
        return std::string(SeatText(
            static_cast<Seat>(code < 4 ? code : (code - 4 + static_cast<int>(dealer_)) % 4)));
    }

    bool Compile(DealerScript& script) {
        // The condition, and each length a predeal command asks for.
        int root = condition_.value_or(-1);
        if (root < 0) {
            root = Add(NumberNode(1));
        }
        for (std::size_t seat = 0; seat < 4; ++seat) {
            for (std::size_t suit = 0; suit < 4; ++suit) {
                if (const int length = lengths_[seat][suit]; length >= 0) {
                    Node figure = NodeOf(Node::Kind::Length);
                    figure.seat = static_cast<Seat>(seat);
                    figure.suit = static_cast<Suit>(suit);
                    const int equal =
                        Add(BinaryNode(BinaryOp::Equal, Add(figure), Add(NumberNode(length))));
                    root = Add(BinaryNode(BinaryOp::And, root, equal));
                }
            }
        }
        const Token& start = conditionStart_.value_or(Token{});
        script.conditionLine = start.line;
        const auto fault = [&](std::string what, bool wholeLine) {
            error = PlanError{start.line, start.column, std::move(what), wholeLine};
            return false;
        };
        if (!CompileNode(root, script.condition, 0)) {
            return fault("a condition of at most " + std::to_string(kMaxSteps) +
                             " steps, with its definitions in place, was expected",
                         false);
        }
        if (!script.condition.WellFormed()) {
            return fault("a condition less deeply nested was expected", false);
        }
        for (const Predealt& card : predealt_) {
            script.fixedCards.push_back({NameOf(card.seat), card.suit, card.rank});
        }
        const std::vector<FixedCard> required = script.condition.RequiredCards();
        script.fixedCards.insert(script.fixedCards.end(), required.begin(), required.end());
        if (const std::string clash = FixedCardsFault(
                script.fixedCards, [this](SeatName name) { return SeatWordOf(name); });
            !clash.empty()) {
            return fault(clash, true);
        }
        return true;
    }

    // False when the condition grows past kMaxSteps or kMaxLevels.
    bool CompileNode(int index, Condition& condition, int level) const {
        if (level > kMaxLevels || condition.StepCount() > kMaxSteps) {
            return false;
        }
        const Node& node = nodes_[static_cast<std::size_t>(index)];
        for (const int operand : node.operands) {
            if (operand >= 0 && !CompileNode(operand, condition, level + 1)) {
                return false;
            }
        }
        const SeatName seat = NameOf(node.seat);
        const auto figureOf = [&](Figure figure) {
            if (node.suit) {
                condition.PushSuitFigure(seat, *node.suit, figure);
            } else {
                condition.PushFigure(seat, figure);
            }
        };
        switch (node.kind) {
            case Node::Kind::Number:
                condition.PushNumber(node.value);
                break;
            case Node::Kind::Length:
                condition.PushFigure(seat, static_cast<Figure>(*node.suit));
                break;
            case Node::Kind::Hcp:
                if (scale_) {
                    condition.PushPoints(seat, node.suit, *scale_);
                } else {
                    figureOf(Figure::Hcp);
                }
                break;
            case Node::Kind::Controls:
                figureOf(Figure::Controls);
                break;
            case Node::Kind::Losers:
                figureOf(Figure::Losers);
                break;
            case Node::Kind::Shape:
                condition.HasShape(seat, shapes_[static_cast<std::size_t>(node.value)]);
                break;
            case Node::Kind::HasCard:
                condition.HasCard(seat, *node.suit, node.value);
                break;
            case Node::Kind::Not:
                condition.Not();
                break;
            case Node::Kind::Choose:
                condition.Choose();
                break;
            case Node::Kind::Binary:
                CompileOperator(node.op, condition);
                break;
        }
        return true;
    }

    static void CompileOperator(BinaryOp op, Condition& condition) {
        switch (op) {
            case BinaryOp::Or:
                return condition.Or();
            case BinaryOp::And:
                return condition.And();
            case BinaryOp::Add:
                return condition.Add();
            case BinaryOp::Subtract:
                return condition.Subtract();
            case BinaryOp::Multiply:
                return condition.Multiply();
            case BinaryOp::Divide:
                return condition.Divide();
            case BinaryOp::Remainder:
                return condition.Remainder();
            default:
                // Equal ... GreaterOrEqual, in the order of Comparison.
                return condition.Compare(static_cast<Comparison>(
                    static_cast<int>(op) - static_cast<int>(BinaryOp::Equal)));
        }
    }

    struct Definition {
        int node;
        int line;
    };

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    const ScriptSeats seats_;
    std::vector<Node> nodes_;
    std::vector<ShapeSet> shapes_;
    std::map<std::string_view, Definition> definitions_;
    std::optional<int> condition_;         // its node
    std::optional<Token> conditionStart_;  // where it begins: "condition", or its first token
    Seat dealer_ = Seat::North;            // the last "dealer" command's
    std::optional<PointScale> scale_;      // the last "pointcount" command's
    std::vector<Predealt> predealt_;
    std::array<std::array<int, 4>, 4> lengths_{};  // [seat][suit], -1 where none is asked
};

}  // namespace

DealerScriptReading ReadDealerScript(std::string_view text, ScriptSeats seats) {
    DealerScriptReading reading;
    Scanner scanner(text);
    std::vector<Token> tokens;
    if (!scanner.Scan(tokens)) {
        reading.error = scanner.error;
        return reading;
    }
    ScriptReader reader(std::move(tokens), seats);
    if (!reader.Read(reading.script)) {
        reading.error = reader.error;
        reading.script = {};
    }
    return reading;
}

bool LooksLikeDealerScript(std::string_view text) {
    for (const std::string_view line : SplitLines(text)) {
        const std::string_view start = TrimLeft(line, IsSpaceOrTab);
        std::size_t end = 0;
        while (end < start.size() && IsNameCharacter(start[end])) {
            ++end;
        }
        if (end == 0 || !IsLetter(start[0])) {
            continue;
        }
        const std::string_view word = start.substr(0, end);
        const std::string_view after = TrimLeft(start.substr(end), IsSpaceOrTab);
        const bool definition = after.starts_with('=') && !after.starts_with("==");
        if (definition ||
            std::find(std::begin(kCommands), std::end(kCommands), word) != std::end(kCommands)) {
            return true;
        }
    }
    return false;
}

}  // namespace kesto
