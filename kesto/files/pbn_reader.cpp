#include "kesto/files/pbn_reader.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "kesto/deal/deal_notation.h"
#include "kesto/files/deal_check.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/text_encoding.h"

namespace kesto {

namespace {

// The tags the reader uses; every other tag is passed over.
enum TagIndex { kEvent, kSite, kDate, kBoard, kDealer, kVulnerable, kDeal, kTagCount };
constexpr std::array<std::string_view, kTagCount> kTagNames = {
    "Event", "Site", "Date", "Board", "Dealer", "Vulnerable", "Deal"};

using TagValues = std::array<std::optional<std::string>, kTagCount>;

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsAsciiDigit(c) || c == '_';
}

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    }
    return bytes;
}

// The file as Windows-1252 text with every line ending in a line feed alone.
std::string PbnText(std::string_view bytes) {
    const std::string text = FileTextAsWindows1252(bytes);
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            lines += text[i];
        } else if (i + 1 == text.size() || text[i + 1] != '\n') {
            lines += '\n';  // a carriage return alone ends a line too
        }
    }
    return lines;
}

// Walks the text token by token as the standard lays it out, handing every complete tag pair
// and every end of a game to its owner. Comments, strings outside tag pairs, "%" lines and the
// data of the auction, play and supplemental sections are passed over.
class PbnScanner {
  public:
    explicit PbnScanner(std::string_view text) : text_(text) {}

    enum class Event { Tag, GameEnd, BrokenTag, OpenComment, End };

    // The next tag pair or end of a game. After Tag, Name() and Value() hold the tag and Line()
    // the line where it began; after BrokenTag, Line() is the line where the broken tag pair
    // began; OpenComment, at the end of the text, is a "{" comment that was never closed and
    // Line() the line of its "{". After Tag, GameEnd and End, Section() is the text between the
    // tag pair before and this one, the empty line or the end: that tag's section.
    Event Next() {
        while (pos_ < text_.size()) {
            if (lineStart_) {
                lineStart_ = false;
                const std::size_t lineBegin = pos_;
                if (!inComment_ && SkipLineIfEscapeOrBlank()) {
                    if (blankLine_) {
                        EndSection(lineBegin, pos_);
                        return Event::GameEnd;
                    }
                    continue;
                }
            }
            const char c = text_[pos_];
            if (inComment_) {
                inComment_ = c != '}';
                Advance();
                continue;
            }
            switch (c) {
                case ';':
                    pos_ = LineEnd();
                    break;
                case '{':
                    inComment_ = true;
                    tagLine_ = line_;
                    Advance();
                    break;
                case '"':
                    Advance();
                    if (!ReadString()) {
                        pos_ = LineEnd();
                    }
                    break;
                case '[': {
                    const std::size_t tagBegin = pos_;
                    const bool whole = ReadTagPair();
                    EndSection(tagBegin, pos_);
                    // A tag pair may run over line ends; what follows it is no line start
                    // unless a line end came last.
                    lineStart_ = text_[pos_ - 1] == '\n';
                    return whole ? Event::Tag : Event::BrokenTag;
                }
                default:
                    Advance();
                    break;
            }
        }
        EndSection(text_.size(), text_.size());
        return inComment_ ? Event::OpenComment : Event::End;
    }

    const std::string& Name() const { return name_; }
    const std::string& Value() const { return value_; }
    int Line() const { return tagLine_; }
    std::string_view Section() const { return section_; }

  private:
    void EndSection(std::size_t end, std::size_t nextStart) {
        section_ = text_.substr(sectionStart_, end - sectionStart_);
        sectionStart_ = nextStart;
    }

    std::size_t LineEnd() const {
        const std::size_t end = text_.find('\n', pos_);
        return end == std::string_view::npos ? text_.size() : end;
    }

    void Advance() {
        if (text_[pos_] == '\n') {
            lineStart_ = true;
            ++line_;
        }
        ++pos_;
    }

    // At the start of a line: an escape line ("%" in the first column) or a line of nothing
    // but spaces and tabs is passed over whole, up to its line feed.
    bool SkipLineIfEscapeOrBlank() {
        const std::size_t end = LineEnd();
        blankLine_ = true;
        for (std::size_t i = pos_; i < end && blankLine_; ++i) {
            blankLine_ = IsSpaceInLine(text_[i]);
        }
        if (!blankLine_ && text_[pos_] != '%') {
            return false;
        }
        pos_ = end;
        return true;
    }

    void SkipWhiteSpace() {
        while (pos_ < text_.size() && (IsSpaceInLine(text_[pos_]) || text_[pos_] == '\n')) {
            Advance();
        }
    }

    // After the opening quote: the string up to its closing quote on the same line, with
    // "\"" for a quote and "\\" for a backslash. False when the line ends first.
    bool ReadString() {
        value_.clear();
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            const char c = text_[pos_++];
            if (c == '"') {
                return true;
            }
            if (c == '\\' && pos_ < text_.size() && (text_[pos_] == '"' || text_[pos_] == '\\')) {
                value_ += text_[pos_++];
                continue;
            }
            value_ += c;
        }
        return false;
    }

    // At "[": bracket, name, string and bracket, with any white space between them.
    bool ReadTagPair() {
        tagLine_ = line_;
        Advance();
        SkipWhiteSpace();
        name_.clear();
        while (pos_ < text_.size() && IsNameCharacter(text_[pos_])) {
            name_ += text_[pos_++];
        }
        SkipWhiteSpace();
        if (name_.empty() || pos_ == text_.size() || text_[pos_] != '"') {
            return false;
        }
        Advance();
        if (!ReadString()) {
            return false;
        }
        SkipWhiteSpace();
        if (pos_ == text_.size() || text_[pos_] != ']') {
            return false;
        }
        Advance();
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int tagLine_ = 0;
    std::size_t sectionStart_ = 0;
    std::string_view section_;
    bool lineStart_ = true;
    bool blankLine_ = false;
    bool inComment_ = false;
    std::string name_;
    std::string value_;
};

// The values of one game's tags after "#" and "##" have been applied.
class TagInheritance {
  public:
    TagValues Resolve(const TagValues& given) {
        TagValues resolved;
        for (std::size_t k = 0; k < kTagCount; ++k) {
            const std::optional<std::string>& value = given[k];
            if (!value) {
                resolved[k] = standing_[k];
            } else if (*value == "#") {
                resolved[k] = previous_[k].value_or("");
            } else if (value->starts_with("##")) {
                standing_[k] = value->substr(2);
                resolved[k] = standing_[k];
            } else {
                resolved[k] = value;
            }
            if (resolved[k]) {
                previous_[k] = resolved[k];
            }
        }
        return resolved;
    }

  private:
    TagValues previous_;  // the value in the nearest earlier game that had one
    TagValues standing_;  // the last "##" value: holds for every later game
};

std::optional<std::size_t> TagIndexOf(std::string_view name) {
    for (std::size_t k = 0; k < kTagCount; ++k) {
        if (kTagNames[k] == name) {
            return k;
        }
    }
    return std::nullopt;
}

// "?" is PBN's unknown value; a date whose digits are all "?" is unknown too.
std::string Known(const std::optional<std::string>& value, bool isDate = false) {
    const std::string_view text = value ? Trim(*value, IsSpaceInLine) : std::string_view();
    if (text == "?") {
        return {};
    }
    if (isDate && text.find_first_not_of("?.") == std::string_view::npos) {
        return {};
    }
    return std::string(text);
}

int BoardNumberOf(const std::optional<std::string>& value) {
    const std::optional<int> number =
        value ? ParseWholeNumber<int>(Trim(*value, IsSpaceInLine)) : std::nullopt;
    return number && *number > 0 ? *number : 0;
}

// The Deal value as the deal notation reads it: "N:h1 h2 h3 h4" with one space between hands
// and none around the colon, whatever white space the file put there.
std::string DealValueOf(std::string_view value) {
    std::string hands;
    for (const char c : Trim(value, IsSpaceInLine)) {
        const bool space = IsSpaceInLine(c);
        if (space && (hands.empty() || hands.back() == ' ' || hands.back() == ':')) {
            continue;
        }
        if (c == ':' && !hands.empty() && hands.back() == ' ') {
            hands.pop_back();
        }
        hands += space ? ' ' : c;
    }
    return hands;
}

bool HasFirstSeat(std::string_view dealValue) {
    const std::string_view value = Trim(dealValue, IsSpaceInLine);
    if (value.empty()) {
        return true;  // no deal given: no cards
    }
    const char seat = AsciiUpper(value.front());
    const std::string_view rest = Trim(value.substr(1), IsSpaceInLine);
    return (seat == 'N' || seat == 'E' || seat == 'S' || seat == 'W') && rest.starts_with(':');
}

// A PBN date "YYYY.MM.DD" with every digit known and a day the calendar has.
std::optional<CivilDate> DateOfPbnDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '.' || text[7] != '.') {
        return std::nullopt;
    }
    const std::optional<int> year = ParseWholeNumber<int>(text.substr(0, 4));
    const std::optional<unsigned> month = ParseWholeNumber<unsigned>(text.substr(5, 2));
    const std::optional<unsigned> day = ParseWholeNumber<unsigned>(text.substr(8, 2));
    if (!year || !month || !day) {
        return std::nullopt;
    }
    namespace chrono = std::chrono;
    const chrono::year_month_day date{chrono::year(*year), chrono::month(*month),
                                      chrono::day(*day)};
    if (!date.ok()) {
        return std::nullopt;
    }
    const chrono::weekday weekday{chrono::sys_days(date)};
    return CivilDate{*year, static_cast<int>(*month), static_cast<int>(*day),
                     static_cast<int>(weekday.c_encoding())};
}

// A Dealer value: a seat letter in either case; nullopt for "?" and anything else.
std::optional<Seat> DealerOf(const std::optional<std::string>& value) {
    const std::string_view text = value ? Trim(*value, IsSpaceInLine) : std::string_view();
    if (text.size() != 1) {
        return std::nullopt;
    }
    return SeatOfLetter(text.front());
}

// A Vulnerable value as BoardVulnerability names it ("Love" and "-" are "None", "Both" is
// "All"); nullopt for "?" and anything else.
std::optional<std::string_view> VulnerabilityOf(const std::optional<std::string>& value) {
    const std::string_view text = value ? Trim(*value, IsSpaceInLine) : std::string_view();
    constexpr std::pair<std::string_view, std::string_view> kNames[] = {
        {"None", "None"}, {"Love", "None"}, {"-", "None"},  {"NS", "NS"},
        {"EW", "EW"},     {"All", "All"},   {"Both", "All"}};
    for (const auto& [given, name] : kNames) {
        if (EqualsIgnoringCase(text, given)) {
            return name;
        }
    }
    return std::nullopt;
}

// The words of a tag's section, comments and "%" lines left out.
std::vector<std::string_view> SectionWords(std::string_view section) {
    std::vector<std::string_view> words;
    bool lineStart = false;  // a section starts after its tag pair
    std::size_t i = 0;
    while (i < section.size()) {
        const char c = section[i];
        if (c == ';' || (lineStart && c == '%') || c == '{') {
            i = section.find(c == '{' ? '}' : '\n', i);
            i = i == std::string_view::npos ? section.size() : i + (c == '{' ? 1 : 0);
        } else if (IsSpaceInLine(c) || c == '\n') {
            lineStart = c == '\n';
            ++i;
        } else {
            const std::size_t start = i;
            while (i < section.size() && !IsSpaceInLine(section[i]) && section[i] != '\n' &&
                   section[i] != ';' && section[i] != '{') {
                ++i;
            }
            words.push_back(section.substr(start, i - start));
            lineStart = false;
        }
    }
    return words;
}

constexpr std::array<int, 5> kNoCounts = {-1, -1, -1, -1, -1};
constexpr DoubleDummyTable kNoTricks = {kNoCounts, kNoCounts, kNoCounts, kNoCounts};

// The double-dummy tricks one game gives, from its DoubleDummyTricks tag, its
// OptimumResultTable section or both. Counts that disagree give none.
class GameTricks {
  public:
    // 20 hexadecimal digits: declarers N, S, E, W, each NT, S, H, D, C. Any other value gives
    // nothing.
    void TakeTag(std::string_view value) {
        value = Trim(value, IsSpaceInLine);
        const auto isCount = [](char c) { return ParseHexDigit(c).value_or(99) <= kCardsInHand; };
        if (value.size() != 20 || !std::all_of(value.begin(), value.end(), isCount)) {
            return;
        }
        constexpr std::size_t kTagSeats[] = {0, 2, 1, 3};
        for (std::size_t k = 0; k < 20; ++k) {
            Give(kTagSeats[k / 5], k % 5, *ParseHexDigit(value[k]));
        }
    }

    // The columns are the value's names, each maybe with its width ("Result\2R"); a row gives
    // its Declarer (N, E, S, W), Denomination (NT, S, H, D, C) and Result (0 to 13). A row
    // that names no seat, strain or count gives nothing.
    void TakeTable(std::string_view columns, std::string_view section) {
        std::vector<std::string_view> names;
        for (std::size_t start = 0; start <= columns.size();) {
            std::size_t end = columns.find(';', start);
            end = end == std::string_view::npos ? columns.size() : end;
            const std::string_view column = columns.substr(start, end - start);
            names.push_back(Trim(column.substr(0, column.find('\\')), IsSpaceInLine));
            start = end + 1;
        }
        const auto place = [&names](std::string_view name) {
            return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) -
                                            names.begin());
        };
        const std::size_t declarer = place("Declarer");
        const std::size_t strain = place("Denomination");
        const std::size_t result = place("Result");
        if (std::max({declarer, strain, result}) >= names.size()) {
            return;
        }
        const std::vector<std::string_view> words = SectionWords(section);
        for (std::size_t row = 0; row + names.size() <= words.size(); row += names.size()) {
            const std::size_t seat = kSeatLetters.find(words[row + declarer]);
            const auto strainName =
                std::find(kStrainNames.begin(), kStrainNames.end(), words[row + strain]);
            const std::optional<int> tricks = ParseWholeNumber<int>(words[row + result]);
            if (seat != std::string_view::npos && words[row + declarer].size() == 1 &&
                strainName != kStrainNames.end() && tricks && *tricks >= 0 &&
                *tricks <= kCardsInHand) {
                Give(seat, static_cast<std::size_t>(strainName - kStrainNames.begin()), *tricks);
            }
        }
    }

    // What the game gives, -1 for what it does not; nothing when it contradicts itself.
    std::optional<DoubleDummyTable> Table() const {
        if (disagree_ || table_ == kNoTricks) {
            return std::nullopt;
        }
        return table_;
    }

  private:
    static constexpr std::string_view kSeatLetters = "NESW";  // DoubleDummyTable's order
    static constexpr std::array<std::string_view, 5> kStrainNames = {"NT", "S", "H", "D", "C"};
    static std::optional<int> ParseHexDigit(char c) {
        const char lower = AsciiLower(c);
        if (IsAsciiDigit(c) || (lower >= 'a' && lower <= 'f')) {
            return IsAsciiDigit(c) ? c - '0' : lower - 'a' + 10;
        }
        return std::nullopt;
    }

    void Give(std::size_t seat, std::size_t strain, int tricks) {
        int& count = table_[seat][strain];
        disagree_ = disagree_ || (count >= 0 && count != tricks);
        count = tricks;
    }

    DoubleDummyTable table_ = kNoTricks;
    bool disagree_ = false;
};

// Collects the boards game by game.
class PbnBoards {
  public:
    // Ends the game whose tags have been given. Fails on a Deal tag that is no deal.
    Status EndGame() {
        if (!anyTag_) {
            return {};
        }
        const TagValues values = inheritance_.Resolve(given_);
        const std::optional<DoubleDummyTable> tricks = tricks_.Table();
        given_ = {};
        tricks_ = {};
        tableColumns_.reset();
        anyTag_ = false;
        if (!values[kDeal]) {
            return {};  // a game without a deal: a header game or a result only
        }
        if (contents_.boardSet.size() == static_cast<std::size_t>(kMaxBoards)) {
            return Status::Failure(TooManyBoardsText());
        }
        if (contents_.boardSet.empty()) {
            TakeHeaderLines(values);
        }
        const int place = static_cast<int>(numbers_.size()) + 1;
        const int number = BoardNumberOf(values[kBoard]);
        const int named = number > 0 ? number : place;
        if (!HasFirstSeat(*values[kDeal])) {
            return Status::Failure(
                BoardFault(named, "has a Deal tag that does not begin with its first seat"));
        }
        const std::string value = DealValueOf(*values[kDeal]);
        if (const std::string fault = DealValueFault(value); !fault.empty()) {
            return Status::Failure(BoardFault(named, fault));
        }
        tDeal deal;
        ReadDealValue(deal, value);
        if (const std::string fault = ImpossibleDealFault(deal); !fault.empty()) {
            return Status::Failure(BoardFault(named, fault));
        }
        deal.CompleteTheHandLeftOut();
        if (!KeepsRotation(DealerOf(values[kDealer]), VulnerabilityOf(values[kVulnerable]), place,
                           named)) {
            contents_.otherDealerOrVulnerability.push_back(place);
        }
        contents_.boardSet.push_back(deal);
        numbers_.push_back(number);
        if (tricks) {
            contents_.doubleDummyTricks.resize(contents_.boardSet.size(), kNoTricks);
            contents_.doubleDummyTricks.back() = *tricks;
        }
        return {};
    }

    // The text after the game's last tag pair: an OptimumResultTable's rows.
    void TakeSection(std::string_view section) {
        if (tableColumns_) {
            tricks_.TakeTable(*tableColumns_, section);
            tableColumns_.reset();
        }
    }

    // A second Board or Deal tag in one game starts the next game: files that leave out the
    // empty line between games lose no board.
    Status AddTag(const std::string& name, const std::string& value) {
        const std::optional<std::size_t> k = TagIndexOf(name);
        if (k && (*k == kBoard || *k == kDeal) && given_[*k]) {
            if (Status ended = EndGame(); !ended.Ok()) {
                return ended;
            }
        }
        anyTag_ = true;
        // Of two other tags of one name in a game the first counts.
        if (k && !given_[*k]) {
            given_[*k] = value;
        }
        if (name == "DoubleDummyTricks") {
            tricks_.TakeTag(value);
        } else if (name == "OptimumResultTable") {
            tableColumns_ = value;
        }
        return {};
    }

    DealFileContents Take() {
        if (!contents_.doubleDummyTricks.empty()) {
            contents_.doubleDummyTricks.resize(contents_.boardSet.size(), kNoTricks);
        }
        for (const int number : numbers_) {
            if (number != 0) {
                contents_.boardNumbers = std::move(numbers_);
                break;
            }
        }
        contents_.dealsComplete = true;
        return std::move(contents_);
    }

  private:
    // Header line 1 is the first board's Event, line 2 its Site, or its Date when the Site is
    // unknown: a whole date as a date, for the caller to write in its chosen format.
    void TakeHeaderLines(const TagValues& values) {
        contents_.header1 = Known(values[kEvent]);
        contents_.header2 = Known(values[kSite]);
        if (contents_.header2.empty()) {
            contents_.header2 = Known(values[kDate], true);
            contents_.header2Date = DateOfPbnDate(contents_.header2);
            if (contents_.header2Date) {
                contents_.header2.clear();
            }
        }
    }

    DealFileContents contents_;
    std::vector<int> numbers_;
    TagInheritance inheritance_;
    TagValues given_;
    GameTricks tricks_;
    std::optional<std::string> tableColumns_;  // while the game's table rows are to come
    bool anyTag_ = false;
};

}  // namespace

bool StartsWithPbnVersionLine(std::string_view text) {
    text = WithoutByteOrderMark(text);
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && IsSpaceInLine(text[i])) {
            ++i;
        }
    };
    if (!text.starts_with('%')) {
        return false;
    }
    ++i;
    skipBlanks();
    if (!StartsWithIgnoringCase(text.substr(i), "PBN")) {
        return false;
    }
    i += 3;
    const std::size_t afterName = i;
    skipBlanks();
    if (i == afterName) {
        return false;
    }
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsAsciiDigit(text[i])) {
            ++i;
        }
        return i > start;
    };
    if (!digits() || i == text.size() || text[i] != '.') {
        return false;
    }
    ++i;
    return digits();
}

bool HoldsPbnDealTag(std::string_view text) {
    const std::string lines = PbnText(text);
    PbnScanner scanner(lines);
    for (;;) {
        switch (scanner.Next()) {
            case PbnScanner::Event::Tag:
            case PbnScanner::Event::BrokenTag:
                // A Deal tag cut short by the end of the text, or with its name in the wrong
                // case, still shows what the file is; the reader then says what is wrong.
                if (EqualsIgnoringCase(scanner.Name(), "Deal")) {
                    return true;
                }
                break;
            case PbnScanner::Event::GameEnd:
                break;
            case PbnScanner::Event::OpenComment:
            case PbnScanner::Event::End:
                return false;
        }
    }
}

Status ParsePbnFile(std::string_view bytes, DealFileContents& contents) {
    contents = {};
    const std::string text = PbnText(bytes);
    PbnScanner scanner(text);
    PbnBoards boards;
    for (;;) {
        Status ended;
        switch (scanner.Next()) {
            case PbnScanner::Event::Tag:
                boards.TakeSection(scanner.Section());
                // Tag names are case-sensitive: a "deal" tag would be a deal passed over.
                if (scanner.Name() != "Deal" && EqualsIgnoringCase(scanner.Name(), "Deal")) {
                    return Status::Failure("The tag on line " + std::to_string(scanner.Line()) +
                                           " is named \"" + scanner.Name() +
                                           "\"; Kesto reads a deal only from a tag named "
                                           "\"Deal\".");
                }
                ended = boards.AddTag(scanner.Name(), scanner.Value());
                break;
            case PbnScanner::Event::GameEnd:
                boards.TakeSection(scanner.Section());
                ended = boards.EndGame();
                break;
            case PbnScanner::Event::BrokenTag:
                return Status::Failure("The tag pair on line " + std::to_string(scanner.Line()) +
                                       " is not complete.");
            case PbnScanner::Event::OpenComment:
                // Everything after it would be passed over without a word.
                return Status::Failure("The comment that begins with \"{\" on line " +
                                       std::to_string(scanner.Line()) + " is never closed.");
            case PbnScanner::Event::End:
                boards.TakeSection(scanner.Section());
                ended = boards.EndGame();
                if (ended.Ok()) {
                    contents = boards.Take();
                }
                return ended;
        }
        if (!ended.Ok()) {
            return ended;
        }
    }
}

}  // namespace kesto
