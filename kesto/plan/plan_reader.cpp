#include "kesto/plan/plan_reader.h"

#include <algorithm>
#include <array>
#include <utility>

#include "kesto/plan/fixed_cards.h"
#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

constexpr std::string_view kTestExpected =
    "a test (such as hcp(N) >= 12, balanced(S), shape(E) = 5431 or hascard(W, SA)) was "
    "expected";
constexpr std::string_view kValueExpected =
    "a value (a whole number, hcp, controls, losers, spades, hearts, diamonds or clubs) was "
    "expected";
constexpr std::string_view kSuitExpected =
    "a suit (spades, hearts, diamonds or clubs) was expected";
constexpr std::string_view kCardExpected =
    "a card, suit then rank (such as SA, HT or C9), was expected";
constexpr std::string_view kSeatExpected =
    "a seat (N, E, S, W, dealer, lho, partner, rho) was expected";
constexpr std::string_view kComparisonExpected =
    "a comparison (=, <>, <, <=, >, >=) or a range (such as 15-17) was expected";
constexpr std::string_view kShapeExpected =
    "a shape of four lengths in the order spades, hearts, diamonds, clubs (such as 5431 or "
    "5xxx) was expected";
constexpr std::string_view kCountExpected =
    "a count (such as 8: before the condition) was expected; only a plan of one line may leave "
    "out its count";

constexpr std::pair<std::string_view, SeatName> kSeatWords[] = {
    {"n", SeatName::North},   {"north", SeatName::North},     {"e", SeatName::East},
    {"east", SeatName::East}, {"s", SeatName::South},         {"south", SeatName::South},
    {"w", SeatName::West},    {"west", SeatName::West},       {"dealer", SeatName::Dealer},
    {"lho", SeatName::Lho},   {"partner", SeatName::Partner}, {"rho", SeatName::Rho},
};

constexpr std::pair<std::string_view, Figure> kFigureWords[] = {
    {"hcp", Figure::Hcp},       {"controls", Figure::Controls}, {"losers", Figure::Losers},
    {"spades", Figure::Spades}, {"hearts", Figure::Hearts},     {"diamonds", Figure::Diamonds},
    {"clubs", Figure::Clubs},
};

constexpr std::pair<std::string_view, Suit> kSuitWords[] = {
    {"spades", Suit::Spades}, {"spade", Suit::Spades},      {"hearts", Suit::Hearts},
    {"heart", Suit::Hearts},  {"diamonds", Suit::Diamonds}, {"diamond", Suit::Diamonds},
    {"clubs", Suit::Clubs},   {"club", Suit::Clubs},
};

constexpr std::string_view kOtherWords[] = {"balanced", "semibalanced", "shape",   "any",   "and",
                                            "or",       "not",          "hascard", "script"};

// A seat name as a plan writes it, for messages.
std::string SeatNameWord(SeatName name) {
    constexpr std::string_view kWords[] = {"N", "E", "S", "W", "dealer", "lho", "partner", "rho"};
    return std::string(kWords[static_cast<int>(name)]);
}

// The comparisons, longest sign first so that "<=" is not read as "<".
constexpr std::pair<std::string_view, Comparison> kComparisons[] = {
    {"<>", Comparison::NotEqual},
    {"<=", Comparison::LessOrEqual},
    {">=", Comparison::GreaterOrEqual},
    {"=", Comparison::Equal},
    {"<", Comparison::Less},
    {">", Comparison::Greater},
};

template <typename T, std::size_t N>
std::optional<T> Find(const std::pair<std::string_view, T> (&table)[N], std::string_view word) {
    for (const auto& [name, value] : table) {
        if (name == word) {
            return value;
        }
    }
    return std::nullopt;
}

bool IsKnownWord(std::string_view lowerWord) {
    return Find(kSeatWords, lowerWord) || Find(kFigureWords, lowerWord) ||
           Find(kSuitWords, lowerWord) ||
           std::find(std::begin(kOtherWords), std::end(kOtherWords), lowerWord) !=
               std::end(kOtherWords);
}

// A range's dash: the hyphen, or the en dash that word processors put between numbers.
bool IsRangeDash(char c) {
    constexpr char kEnDash = '\x96';  // Windows-1252
    return c == '-' || c == kEnDash;
}

bool IsLetter(char c) {
    const char lower = AsciiLower(c);
    return lower >= 'a' && lower <= 'z';
}

// Reads one line of a plan. Every reading function returns false once it has failed, with
// the first failure kept in error.
class LineParser {
  public:
    LineParser(std::string_view line, int lineNumber) : line_(line), lineNumber_(lineNumber) {}

    std::optional<PlanError> error;

    std::size_t FirstCharacter() const { return line_.find_first_not_of(" \t"); }

    // A count and its ":" when the line begins with them; false on a count out of range.
    bool ReadCount(std::optional<int>& count, std::size_t& countAt) {
        SkipSpaces();
        const std::size_t start = pos_;
        while (IsAsciiDigit(Peek())) {
            ++pos_;
        }
        const std::string_view digits = line_.substr(start, pos_ - start);
        SkipSpaces();
        if (digits.empty() || Peek() != ':') {
            pos_ = start;
            return true;
        }
        ++pos_;
        countAt = start;
        const std::optional<int> value = ParseWholeNumber<int>(digits);
        if (!value || *value < 1 || *value > kMaxPlanBoards) {
            return Fail(start,
                        "a count from 1 to " + std::to_string(kMaxPlanBoards) + " was expected");
        }
        count = value;
        return true;
    }

    // "script FILE" as the rest of the line: the file's name as written (quotes taken off) and
    // where it begins; nothing when the line holds a condition.
    bool ReadScriptName(std::optional<std::string>& file, std::size_t& at) {
        const std::size_t word = FirstCharacterFrom(pos_);
        constexpr std::string_view kScript = "script";
        if (!StartsWithIgnoringCase(line_.substr(word), kScript) ||
            (word + kScript.size() < line_.size() && !IsSpaceOrTab(line_[word + kScript.size()]))) {
            return true;
        }
        at = FirstCharacterFrom(word + kScript.size());
        std::string_view name = TrimRight(line_.substr(at), IsSpaceOrTab);
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
            name = name.substr(1, name.size() - 2);
        }
        if (name.empty()) {
            return Fail(at, "the name of a file that holds a dealer script was expected");
        }
        file = std::string(name);
        pos_ = line_.size();
        return true;
    }

    // The rest of the line, which must be one whole condition.
    bool ReadCondition(Condition& condition) {
        if (!ReadOr(condition, 0)) {
            return false;
        }
        SkipSpaces();
        return pos_ == line_.size() ||
               Fail(pos_, "\"and\", \"or\" or the end of the line was expected");
    }

    bool Fail(std::size_t at, std::string what) {
        if (!error) {
            error = PlanError{lineNumber_, static_cast<int>(at) + 1, std::move(what)};
        }
        return false;
    }

  private:
    char Peek() const { return pos_ < line_.size() ? line_[pos_] : '\0'; }

    void SkipSpaces() { pos_ = FirstCharacterFrom(pos_); }

    std::size_t FirstCharacterFrom(std::size_t at) const {
        while (at < line_.size() && (line_[at] == ' ' || line_[at] == '\t')) {
            ++at;
        }
        return at;
    }

    std::size_t DigitsEnd(std::size_t at) const {
        while (at < line_.size() && IsAsciiDigit(line_[at])) {
            ++at;
        }
        return at;
    }

    // Where a range such as 15-17 that makes a whole value ends, when one begins at (after
    // spaces); npos when none does. Followed by + or - it is a sum, not a range.
    std::size_t RangeEnd(std::size_t at) const {
        constexpr std::size_t kNone = std::string_view::npos;
        const std::size_t low = FirstCharacterFrom(at);
        const std::size_t dash = FirstCharacterFrom(DigitsEnd(low));
        if (dash == low || dash == line_.size() || !IsRangeDash(line_[dash])) {
            return kNone;
        }
        const std::size_t high = FirstCharacterFrom(dash + 1);
        const std::size_t end = DigitsEnd(high);
        const std::size_t next = FirstCharacterFrom(end);
        if (end == high ||
            (next < line_.size() && (line_[next] == '+' || IsRangeDash(line_[next])))) {
            return kNone;
        }
        return end;
    }

    // A range with no value before it, as in "15-17 balanced": the hint names a seat.
    bool FailAtLoneRange(std::size_t start, std::size_t end) {
        pos_ = end;
        const std::string range(line_.substr(start, end - start));
        const std::string_view written = PeekWord();
        const std::string shape = LowerAscii(written);
        const std::size_t after = FirstCharacterFrom(pos_ + written.size());
        const bool shapeFollows = (shape == "balanced" || shape == "semibalanced") &&
                                  (after == line_.size() || line_[after] != '(');
        return Fail(start, "the range " + range +
                               " needs the value it limits and its seat before it; write "
                               "hcp(dealer) " +
                               range + (shapeFollows ? " and " + shape + "(dealer)" : ""));
    }

    // The letters from here on, as written; nothing is consumed.
    std::string_view PeekWord() {
        SkipSpaces();
        std::size_t end = pos_;
        while (end < line_.size() && IsLetter(line_[end])) {
            ++end;
        }
        return line_.substr(pos_, end - pos_);
    }

    bool NextWordIs(std::string_view lowerWord) {
        if (LowerAscii(PeekWord()) != lowerWord) {
            return false;
        }
        pos_ += lowerWord.size();
        return true;
    }

    // Failure at a word that is not what was expected; an unknown word is named as such.
    bool FailAtWord(std::size_t at, std::string_view word, std::string_view expected) {
        if (word.empty() || IsKnownWord(LowerAscii(word))) {
            return Fail(at, std::string(expected));
        }
        return Fail(at,
                    "\"" + std::string(word) + "\" is not a known word; " + std::string(expected));
    }

    bool Expect(char sign, std::string_view what) {
        SkipSpaces();
        if (Peek() != sign) {
            return Fail(pos_, std::string(what));
        }
        ++pos_;
        return true;
    }

    using OperandReader = bool (LineParser::*)(Condition&, int);

    // Operands joined by a word, left to right: "a or b or c" is (a or b) or c.
    bool ReadJoined(Condition& condition, int nesting, std::string_view word,
                    OperandReader readOperand, void (Condition::*join)()) {
        if (!(this->*readOperand)(condition, nesting)) {
            return false;
        }
        while (NextWordIs(word)) {
            if (!(this->*readOperand)(condition, nesting)) {
                return false;
            }
            (condition.*join)();
        }
        return true;
    }

    bool ReadOr(Condition& condition, int nesting) {
        return ReadJoined(condition, nesting, "or", &LineParser::ReadAnd, &Condition::Or);
    }

    bool ReadAnd(Condition& condition, int nesting) {
        return ReadJoined(condition, nesting, "and", &LineParser::ReadNot, &Condition::And);
    }

    bool ReadNot(Condition& condition, int nesting) {
        int nots = 0;
        while (NextWordIs("not")) {
            ++nots;
        }
        if (!ReadPrimary(condition, nesting)) {
            return false;
        }
        for (int i = 0; i < nots % 2; ++i) {
            condition.Not();
        }
        return true;
    }

    bool ReadPrimary(Condition& condition, int nesting) {
        SkipSpaces();
        if (Peek() != '(') {
            return ReadTest(condition);
        }
        const std::size_t open = pos_;
        if (nesting == kMaxPlanNesting) {
            return Fail(open, "at most " + std::to_string(kMaxPlanNesting) +
                                  " parentheses open at once were expected");
        }
        ++pos_;
        if (!ReadOr(condition, nesting + 1)) {
            return false;
        }
        SkipSpaces();
        if (Peek() == ')') {
            ++pos_;
            return true;
        }
        if (pos_ == line_.size()) {
            return Fail(pos_, "\")\" was expected to close the \"(\" of column " +
                                  std::to_string(open + 1));
        }
        return Fail(pos_, "\"and\", \"or\" or \")\" was expected");
    }

    bool ReadTest(Condition& condition) {
        SkipSpaces();
        const std::size_t start = pos_;
        if (const std::size_t end = RangeEnd(start); end != std::string_view::npos) {
            return FailAtLoneRange(start, end);
        }
        if (IsAsciiDigit(Peek())) {
            return ReadValueTest(condition);
        }
        const std::string_view written = PeekWord();
        const std::string word = LowerAscii(written);
        if (Find(kFigureWords, word)) {
            return ReadValueTest(condition);
        }
        pos_ += written.size();
        if (word == "balanced" || word == "semibalanced") {
            SeatName seat{};
            if (!ReadSeatInParentheses(seat)) {
                return false;
            }
            condition.HasShape(
                seat, word == "balanced" ? ShapeSet::Balanced() : ShapeSet::SemiBalanced());
            return true;
        }
        if (word == "shape") {
            return ReadShapeTest(condition);
        }
        if (word == "hascard") {
            return ReadHasCardTest(condition);
        }
        return FailAtWord(start, written, kTestExpected);
    }

    bool ReadValueTest(Condition& condition) {
        const std::size_t start = pos_;
        if (!ReadValue(condition)) {
            return false;
        }
        SkipSpaces();
        const std::size_t valueEnd = pos_;
        for (const auto& [sign, comparison] : kComparisons) {
            if (line_.substr(pos_).starts_with(sign)) {
                pos_ += sign.size();
                // hcp(N) = 15-17 would compare with 15 minus 17.
                if (const std::size_t end = RangeEnd(pos_); end != std::string_view::npos) {
                    const std::size_t range = FirstCharacterFrom(pos_);
                    return Fail(
                        valueEnd,
                        "a range takes no comparison sign before it; "
                        "write " +
                            std::string(Trim(line_.substr(start, valueEnd - start), IsSpaceOrTab)) +
                            " " + std::string(line_.substr(range, end - range)));
                }
                if (!ReadValue(condition)) {
                    return false;
                }
                condition.Compare(comparison);
                return true;
            }
        }
        if (!IsAsciiDigit(Peek())) {
            return Fail(pos_, std::string(kComparisonExpected));
        }
        const std::size_t rangeStart = pos_;
        int low = 0;
        int high = 0;
        if (!ReadNumber(low)) {
            return false;
        }
        SkipSpaces();
        if (!IsRangeDash(Peek())) {
            return Fail(pos_, "a range (such as 15-17) was expected");
        }
        ++pos_;
        SkipSpaces();
        if (!IsAsciiDigit(Peek())) {
            return Fail(pos_, "the upper end of the range (a whole number) was expected");
        }
        if (!ReadNumber(high)) {
            return false;
        }
        if (low > high) {
            const std::string range = std::to_string(low) + "-" + std::to_string(high);
            return Fail(rangeStart, "the range " + range +
                                        " is empty; the lower end comes first, as in " +
                                        std::to_string(high) + "-" + std::to_string(low));
        }
        condition.InRange(low, high);
        return true;
    }

    // Terms joined by + and -.
    bool ReadValue(Condition& condition) {
        if (!ReadTerm(condition)) {
            return false;
        }
        for (;;) {
            SkipSpaces();
            const char sign = Peek();
            if (sign != '+' && sign != '-') {
                return true;
            }
            ++pos_;
            if (!ReadTerm(condition)) {
                return false;
            }
            if (sign == '+') {
                condition.Add();
            } else {
                condition.Subtract();
            }
        }
    }

    bool ReadTerm(Condition& condition) {
        SkipSpaces();
        const std::size_t start = pos_;
        if (IsAsciiDigit(Peek())) {
            int number = 0;
            if (!ReadNumber(number)) {
                return false;
            }
            condition.PushNumber(number);
            return true;
        }
        const std::string_view written = PeekWord();
        const std::optional<Figure> figure = Find(kFigureWords, LowerAscii(written));
        if (!figure) {
            return FailAtWord(start, written, kValueExpected);
        }
        pos_ += written.size();
        SeatName seat{};
        std::optional<Suit> suit;
        const bool ofSuit =
            *figure == Figure::Hcp || *figure == Figure::Controls || *figure == Figure::Losers;
        if (!(ofSuit ? ReadSeatAndSuit(seat, suit) : ReadSeatInParentheses(seat))) {
            return false;
        }
        if (suit) {
            condition.PushSuitFigure(seat, *suit, *figure);
        } else {
            condition.PushFigure(seat, *figure);
        }
        return true;
    }

    bool ReadNumber(int& number) {
        const std::size_t start = pos_;
        while (IsAsciiDigit(Peek())) {
            ++pos_;
        }
        const std::optional<int> value = ParseWholeNumber<int>(line_.substr(start, pos_ - start));
        if (!value || *value > kMaxPlanNumber) {
            return Fail(start,
                        "a whole number up to " + std::to_string(kMaxPlanNumber) + " was expected");
        }
        number = *value;
        return true;
    }

    bool ReadSeatInParentheses(SeatName& seat) {
        return Expect('(', "\"(\" was expected") && ReadSeat(seat) &&
               Expect(')', "\")\" was expected");
    }

    bool ReadSeat(SeatName& seat) {
        SkipSpaces();
        const std::size_t start = pos_;
        const std::string_view written = PeekWord();
        const std::optional<SeatName> found = Find(kSeatWords, LowerAscii(written));
        if (!found) {
            return FailAtWord(start, written, kSeatExpected);
        }
        pos_ += written.size();
        seat = *found;
        return true;
    }

    // "(seat)" or "(seat, suit)".
    bool ReadSeatAndSuit(SeatName& seat, std::optional<Suit>& suit) {
        if (!Expect('(', "\"(\" was expected") || !ReadSeat(seat)) {
            return false;
        }
        SkipSpaces();
        if (Peek() == ',') {
            ++pos_;
            SkipSpaces();
            const std::size_t start = pos_;
            const std::string_view written = PeekWord();
            suit = Find(kSuitWords, LowerAscii(written));
            if (!suit) {
                return FailAtWord(start, written, kSuitExpected);
            }
            pos_ += written.size();
        }
        return Expect(')', "\")\" was expected");
    }

    // hascard(seat, SA): the suit's letter, then the rank's.
    bool ReadHasCardTest(Condition& condition) {
        SeatName seat{};
        if (!Expect('(', "\"(\" was expected") || !ReadSeat(seat) ||
            !Expect(',', "\",\" and a card (such as SA) were expected")) {
            return false;
        }
        SkipSpaces();
        const std::size_t start = pos_;
        std::size_t end = start;
        while (end < line_.size() && (IsLetter(line_[end]) || IsAsciiDigit(line_[end]))) {
            ++end;
        }
        const std::string_view card = line_.substr(start, end - start);
        const std::optional<Suit> suit = card.size() == 2 ? SuitOfLetter(card[0]) : std::nullopt;
        const int rank = card.size() == 2 ? RankOfCharacter(card[1]) : 0;
        if (!suit || rank == 0) {
            return Fail(start, std::string(kCardExpected));
        }
        pos_ = end;
        condition.HasCard(seat, *suit, rank);
        return Expect(')', "\")\" was expected");
    }

    bool ReadShapeTest(Condition& condition) {
        SeatName seat{};
        if (!ReadSeatInParentheses(seat) ||
            !Expect('=', "\"=\" was expected, as in shape(N) = 5431")) {
            return false;
        }
        const bool anyOrder = NextWordIs("any");
        SkipSpaces();
        const std::size_t start = pos_;
        std::size_t end = start;
        while (end < line_.size() && (IsAsciiDigit(line_[end]) || IsLetter(line_[end]))) {
            ++end;
        }
        const std::string_view written = line_.substr(start, end - start);
        if (written.size() != 4) {
            return Fail(start, std::string(kShapeExpected));
        }
        std::array<int, 4> lengths{};
        int sum = 0;
        bool anyLength = false;
        for (std::size_t suit = 0; suit < 4; ++suit) {
            const char c = written[suit];
            if (AsciiLower(c) == 'x') {
                lengths[suit] = kAnyLength;
                anyLength = true;
            } else if (IsAsciiDigit(c)) {
                lengths[suit] = c - '0';
                sum += lengths[suit];
            } else {
                return Fail(start, std::string(kShapeExpected));
            }
        }
        if (anyLength ? sum > kCardsInHand : sum != kCardsInHand) {
            return Fail(start, std::string("a shape whose lengths add up to ") +
                                   (anyLength ? "at most " : "") + "13 was expected; " +
                                   std::string(written) + " adds up to " + std::to_string(sum));
        }
        pos_ = end;
        condition.HasShape(seat, ShapeSet::Pattern(lengths, anyOrder));
        return true;
    }

    std::string_view line_;
    int lineNumber_;
    std::size_t pos_ = 0;
};

PlanReading Refused(PlanError error) {
    PlanReading reading;
    reading.error = std::move(error);
    return reading;
}

PlanLine ScriptLine(DealerScript script, int lineNumber, std::optional<int> count) {
    PlanLine line;
    line.lineNumber = lineNumber;
    line.count = count;
    line.condition = std::move(script.condition);
    line.fixedCards = std::move(script.fixedCards);
    line.script = true;
    return line;
}

// A plan whose whole text is a dealer script: one theme.
PlanReading ReadScriptPlan(std::string_view text, ScriptSeats seats) {
    DealerScriptReading read = ReadDealerScript(text, seats);
    if (read.error) {
        return Refused(*read.error);
    }
    PlanReading reading;
    reading.plan.produce = read.script.produce;
    const int lineNumber = read.script.conditionLine;
    reading.plan.lines.push_back(ScriptLine(std::move(read.script), lineNumber, std::nullopt));
    return reading;
}

// The script of a "script FILE" line, or the place the line cannot be read: at the file's
// name, saying where in the file what is wrong is.
std::optional<PlanError> ReadScriptFile(const std::string& file, int lineNumber, std::size_t at,
                                        const PlanReadOptions& options, DealerScript& script) {
    const auto refused = [&](std::string what, bool wholeLine = false) {
        return PlanError{lineNumber, static_cast<int>(at) + 1, std::move(what), wholeLine};
    };
    if (!options.readScript) {
        return refused("a condition was expected; a plan read here cannot take script files");
    }
    const StatusOr<std::string> text = options.readScript(file);
    if (!text.status.Ok()) {
        return refused(
            "the script " + file + " cannot be read: " +
            std::string(TrimRight(text.status.Reason(), [](char c) { return c == '.'; })));
    }
    DealerScriptReading read = ReadDealerScript(text.value, options.seats);
    if (read.error) {
        const PlanError& inner = *read.error;
        return refused("in " + file + ", line " + std::to_string(inner.line) +
                           (inner.wholeLine ? "" : ", column " + std::to_string(inner.column)) +
                           ": " + inner.what,
                       inner.wholeLine);
    }
    script = std::move(read.script);
    return std::nullopt;
}

}  // namespace

std::string PlanErrorText(const PlanError& error) {
    return "Line " + std::to_string(error.line) +
           (error.wholeLine ? "" : ", column " + std::to_string(error.column)) + ": " + error.what +
           ".";
}

PlanReading ReadPlan(std::string_view text, const PlanReadOptions& options) {
    if (LooksLikeDealerScript(text)) {
        return ReadScriptPlan(text, options.seats);
    }
    PlanReading reading;
    std::vector<PlanLine>& lines = reading.plan.lines;
    std::size_t firstLineStart = 0;  // where the plan's first line begins, for its missing count
    int total = 0;
    const std::vector<std::string_view> texts = SplitLines(text);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (Trim(texts[i], IsSpaceOrTab).empty()) {
            continue;
        }
        LineParser parser(texts[i], static_cast<int>(i) + 1);
        PlanLine line;
        line.lineNumber = static_cast<int>(i) + 1;
        // Only a plan of one line leaves out its count: with a second line, the first line's
        // missing count comes first in the text.
        if (!lines.empty() && !lines.front().count) {
            return Refused({lines.front().lineNumber, static_cast<int>(firstLineStart) + 1,
                            std::string(kCountExpected)});
        }
        std::size_t countAt = 0;
        if (!parser.ReadCount(line.count, countAt)) {
            return Refused(*parser.error);
        }
        if (!lines.empty() && !line.count) {
            parser.Fail(parser.FirstCharacter(), std::string(kCountExpected));
            return Refused(*parser.error);
        }
        total += line.count.value_or(0);
        if (total > kMaxPlanBoards) {
            parser.Fail(countAt, "a count that keeps the plan at " +
                                     std::to_string(kMaxPlanBoards) +
                                     " boards or fewer was expected; the counts up to here add "
                                     "up to " +
                                     std::to_string(total));
            return Refused(*parser.error);
        }
        std::optional<std::string> file;
        std::size_t fileAt = 0;
        if (!parser.ReadScriptName(file, fileAt)) {
            return Refused(*parser.error);
        }
        if (file) {
            DealerScript script;
            if (const std::optional<PlanError> error =
                    ReadScriptFile(*file, line.lineNumber, fileAt, options, script)) {
                return Refused(*error);
            }
            reading.plan.produce = script.produce;  // the plan's, while this is its one line
            line = ScriptLine(std::move(script), line.lineNumber, line.count);
        } else if (!parser.ReadCondition(line.condition)) {
            return Refused(*parser.error);
        } else {
            line.fixedCards = line.condition.RequiredCards();
            if (const std::string clash = FixedCardsFault(line.fixedCards, SeatNameWord);
                !clash.empty()) {
                return Refused(
                    {line.lineNumber, static_cast<int>(parser.FirstCharacter()) + 1, clash, true});
            }
        }
        if (lines.empty()) {
            firstLineStart = parser.FirstCharacter();
        }
        lines.push_back(std::move(line));
    }
    if (lines.empty()) {
        return Refused({1, 1,
                        "a line such as 8: hcp(dealer) 15-17 and balanced(dealer) was expected; "
                        "the plan is empty"});
    }
    if (!reading.plan.DealsEveryBoard()) {
        reading.plan.produce.reset();  // the counts say how many
    }
    return reading;
}

}  // namespace kesto
