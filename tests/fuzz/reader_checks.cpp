#include "tests/fuzz/reader_checks.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "kesto/deal/deal_notation.h"
#include "kesto/deal/deal_source.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/files/bri_file.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/deal_file_kinds.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/legacy_deal_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/pbn_reader.h"
#include "kesto/files/pbn_writer.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/plan/dealer_script.h"
#include "kesto/plan/fixed_cards.h"
#include "kesto/plan/plan_dealing.h"
#include "kesto/plan/plan_reader.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/registry_hive.h"
#include "kesto/platform/text_encoding.h"
#include "kestweb2/kestweb2.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {

namespace {

constexpr tSuitSet kRankBits = 0x7FFC;  // ranks 2..14

bool HandIsWellFormed(const tHand& hand) {
    for (const Suit suit : kAllSuits) {
        if ((hand.Holding(suit) & ~kRankBits) != 0) {
            return false;
        }
    }
    return true;
}

std::string CheckHands(const tBoardSet& boardSet) {
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        for (const Seat seat : kClockwise) {
            if (!HandIsWellFormed(boardSet[i].Hand(seat))) {
                return "board " + std::to_string(i + 1) + ": a holding outside the ranks";
            }
        }
    }
    return {};
}

// Every card in exactly one hand.
bool IsComplete(const tDeal& deal) {
    for (const Suit suit : kAllSuits) {
        int held = 0;
        for (const Seat seat : kClockwise) {
            const tSuitSet holding = deal.Hand(seat).Holding(suit);
            if ((held & holding) != 0) {
                return false;
            }
            held |= holding;
        }
        if (held != kRankBits) {
            return false;
        }
    }
    return true;
}

bool AllThirteen(const tDeal& deal) {
    for (const Seat seat : kClockwise) {
        if (deal.Hand(seat).CardCount() != 13) {
            return false;
        }
    }
    return IsComplete(deal);
}

// What every board set a reader accepts must be: no more than kMaxBoards boards, no card in
// two hands, no hand of more than 13 cards; with wholeDeals, four hands of 13. Deals with
// fewer cards are left to the hand-entry checks.
std::string CheckDealsCanStand(const tBoardSet& boardSet, bool wholeDeals) {
    if (boardSet.size() > static_cast<std::size_t>(kMaxBoards)) {
        return "a reader accepted " + std::to_string(boardSet.size()) + " boards";
    }
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        const tDeal& deal = boardSet[i];
        tSuitSet held[4] = {};
        for (const Seat seat : kClockwise) {
            for (int suit = 0; suit < 4; ++suit) {
                const tSuitSet holding = deal.Hand(seat).Holding(kAllSuits[suit]);
                if ((held[suit] & holding) != 0) {
                    return "board " + std::to_string(i + 1) + " was accepted with a card twice";
                }
                held[suit] |= holding;
            }
            if (deal.Hand(seat).CardCount() > 13) {
                return "board " + std::to_string(i + 1) + " was accepted with a hand over 13";
            }
        }
        if (wholeDeals && !AllThirteen(deal)) {
            return "board " + std::to_string(i + 1) + " was accepted without all 52 cards";
        }
    }
    return {};
}

// What the DLM code keeps of a deal: a card goes to the first of North, East, South that
// holds it, and to West when none does.
tDeal AsDlmKeepsIt(const tDeal& deal) {
    tDeal kept;
    for (const Suit suit : kAllSuits) {
        tSuitSet taken = 0;
        for (const Seat seat : {Seat::North, Seat::East, Seat::South}) {
            const tSuitSet holding = deal.Hand(seat).Holding(suit) & kRankBits & ~taken;
            kept.Hand(seat).Holding(suit) = holding;
            taken |= holding;
        }
        kept.Hand(Seat::West).Holding(suit) = kRankBits & ~taken;
    }
    return kept;
}

std::string CompareBoardSets(const tBoardSet& expected, const tBoardSet& actual,
                             std::string_view what) {
    if (expected.size() != actual.size()) {
        return std::string(what) + ": " + std::to_string(actual.size()) + " boards read back, " +
               std::to_string(expected.size()) + " written";
    }
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (!(expected[i] == actual[i])) {
            return std::string(what) + ": board " + std::to_string(i + 1) + " changed";
        }
    }
    return {};
}

DealSource ModeOf(const DealFileContents& contents) {
    return contents.dealsComplete ? DealSource::Generate : DealSource::Record;
}

// Whatever a reader gave, the own file keeps every hand exactly, with the header lines on
// one line each.
std::string CheckOwnRoundTrip(const DealFileContents& read) {
    const std::string text =
        OwnDealFileText(read.boardSet, read.header1, read.header2, ModeOf(read));
    if (RecogniseDealFile(text) != DealFileKind::Own) {
        return "a written own file is not recognised as one";
    }
    DealFileContents again;
    if (const Status parsed = ParseOwnDealFile(text, again); !parsed.Ok()) {
        return "a written own file does not read back: " + parsed.Reason();
    }
    if (std::string problem = CompareBoardSets(read.boardSet, again.boardSet, "own file");
        !problem.empty()) {
        return problem;
    }
    if (again.header1 != OneLine(read.header1) || again.header2 != OneLine(read.header2)) {
        return "own file: the header lines changed";
    }
    if (again.dealsComplete != read.dealsComplete) {
        return "own file: complete deals became incomplete or the reverse";
    }
    return {};
}

// A header line as the PBN file gives it back: control characters become spaces (a tag value
// holds none), characters ISO 8859-1 lacks "?", the reader takes values without the spaces
// around them, "?" is the value of something unknown, and a file whose text is valid UTF-8
// with a character outside ASCII is taken for UTF-8, as the reader of other programs' files
// must.
std::string PbnHeaderReadBack(const std::string& line, bool fileIsUtf8) {
    std::string expected = OneLine(line);
    for (char& c : expected) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        } else if (byte >= 0x80 && byte < 0xA0) {
            c = '?';
        }
    }
    if (fileIsUtf8) {
        expected = Utf8ToWindows1252(expected);
    }
    const std::size_t first = expected.find_first_not_of(' ');
    expected = first == std::string::npos
                   ? std::string()
                   : expected.substr(first, expected.find_last_not_of(' ') - first + 1);
    return expected == "?" ? std::string() : expected;
}

// The header line came back whole, or, when its tag line would pass the 255 characters of an
// export file's line, as the start of it.
bool PbnHeaderCameBack(const std::string& line, std::string_view tag, const std::string& got,
                       bool fileIsUtf8) {
    const std::string expected = PbnHeaderReadBack(line, fileIsUtf8);
    const bool fits = PbnTagText({std::string(tag), OneLine(line)}).size() + 2 <= 255;
    return got == expected || (!fits && expected.starts_with(got));
}

// Whatever a reader gave, the PBN export file keeps every hand, the header lines and the
// board numbers 1, 2, 3 ...
std::string CheckPbnRoundTrip(const DealFileContents& read) {
    if (read.boardSet.empty()) {
        return {};
    }
    const std::string text =
        PbnFileText({read.boardSet, read.header1, read.header2, read.header2Date});
    if (RecogniseDealFile(text) != DealFileKind::Pbn) {
        return "a written PBN file is not recognised as one";
    }
    DealFileContents again;
    if (const Status parsed = ParsePbnFile(text, again); !parsed.Ok()) {
        return "a written PBN file does not read back: " + parsed.Reason();
    }
    if (std::string problem = CompareBoardSets(read.boardSet, again.boardSet, "PBN file");
        !problem.empty()) {
        return problem;
    }
    const bool utf8 = IsUtf8WithNonAscii(text);
    if (!PbnHeaderCameBack(read.header1, "Event", again.header1, utf8) ||
        !PbnHeaderCameBack(read.header2, "Site", again.header2, utf8)) {
        return "PBN file: the header lines changed";
    }
    if (PbnDate(again.header2Date) != PbnDate(read.header2Date)) {
        return "PBN file: the date of header line 2 changed";
    }
    for (std::size_t i = 0; i < again.boardNumbers.size(); ++i) {
        if (again.boardNumbers[i] != static_cast<int>(i) + 1) {
            return "PBN file: board " + std::to_string(i + 1) + " is numbered " +
                   std::to_string(again.boardNumbers[i]);
        }
    }
    if (again.boardNumbers.size() != read.boardSet.size()) {
        return "PBN file: the boards lost their numbers";
    }
    return {};
}

// The DLM file holds the first 99 boards and codes each card for one hand.
std::string CheckDlmRoundTrip(const DealFileContents& read) {
    if (read.boardSet.empty()) {
        return {};
    }
    const std::string text = DLMFileText(read.boardSet, read.header1, read.header2, ModeOf(read));
    if (RecogniseDealFile(text) != DealFileKind::Dlm) {
        return "a written DLM file is not recognised as one";
    }
    DealFileContents again;
    // Header lines that name a board range change nothing: the range has lines of its own.
    if (const Status parsed = ParseDLMFile(text, again); !parsed.Ok()) {
        return "a written DLM file does not read back: " + parsed.Reason();
    }
    tBoardSet expected;
    for (std::size_t i = 0; i < read.boardSet.size() && i < kDLMBoards; ++i) {
        expected.push_back(AsDlmKeepsIt(read.boardSet[i]));
    }
    if (std::string problem = CompareBoardSets(expected, again.boardSet, "DLM file");
        !problem.empty()) {
        return problem;
    }
    // The Headline line separates the two header lines by "|", so a "|" in header line 1 moves
    // the split; the format has no way to keep it.
    if (read.header1.find('|') == std::string::npos &&
        (again.header1 != OneLine(read.header1) || again.header2 != OneLine(read.header2))) {
        return "DLM file: the header lines changed";
    }
    return {};
}

// The DUP file lists the cards of North, East and South by number and gives West the rest,
// so it keeps exactly the deals of four 13-card hands.
std::string CheckDupRoundTrip(const tBoardSet& boardSet) {
    tBoardSet whole;
    for (const tDeal& deal : boardSet) {
        if (AllThirteen(deal)) {
            whole.push_back(deal);
        }
    }
    if (whole.empty()) {
        return {};
    }
    const std::string bytes = DUPFileBytes(whole);
    if (RecogniseDealFile(bytes) != DealFileKind::Dup) {
        return "a written DUP file is not recognised as one";
    }
    DealFileContents again;
    if (const Status parsed = ParseDUPFile(bytes, again); !parsed.Ok()) {
        return "a written DUP file does not read back: " + parsed.Reason();
    }
    return CompareBoardSets(whole, again.boardSet, "DUP file");
}

std::string FirstProblem(std::initializer_list<std::string> problems) {
    for (const std::string& problem : problems) {
        if (!problem.empty()) {
            return problem;
        }
    }
    return {};
}

std::string WriteScratchFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return out ? std::string() : "cannot write the scratch file " + path;
}

std::optional<std::string> ReadScratchFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A folder of this process's own under /dev/shm (or the temporary folder), removed at exit.
const std::string& FuzzScratchFolder() {
    static const test::ScratchFolder scratch(std::filesystem::is_directory("/dev/shm")
                                                 ? std::filesystem::path("/dev/shm")
                                                 : std::filesystem::temp_directory_path());
    static const std::string folder = scratch.Folder().string();
    return folder;
}

}  // namespace

std::string CheckDealFile(std::string_view bytes) {
    const std::string path = FuzzScratchFolder() + "/deals";
    if (std::string problem = WriteScratchFile(path, bytes); !problem.empty()) {
        return problem;
    }
    DealFileContents contents;
    contents.boardSet.resize(3);  // the reader must empty what was there
    const Status result = ReadAnyDealFile(path, contents);
    if (!result.Ok()) {
        if (!contents.boardSet.empty() || !contents.header1.empty() || !contents.header2.empty()) {
            return "a failed read left deals or header lines behind";
        }
        if (!result.Reason().starts_with("Error reading " + path + ".")) {
            return "a failed read says \"" + result.Reason() + "\"";
        }
        return {};
    }
    if (contents.boardSet.empty()) {
        return "a read that succeeded gave no deal";
    }
    const DealFileKind kind = RecogniseDealFile(bytes);
    if (kind == DealFileKind::Unknown || contents.kind != kind) {
        return "a file was read as another kind than recognition gives";
    }
    if (kind == DealFileKind::Dup &&
        (!contents.header1.empty() || !contents.header2.empty() || !contents.dealsComplete)) {
        return "a DUP file gave header lines or incomplete deals";
    }
    // These readers give every card no hand holds to West: their deals are whole.
    const bool whole =
        kind == DealFileKind::Dlm || kind == DealFileKind::Dup || kind == DealFileKind::Bri;
    return FirstProblem({CheckHands(contents.boardSet),
                         CheckDealsCanStand(contents.boardSet, whole),
                         CheckOwnRoundTrip(contents)});
}

std::string CheckOwnDealFile(std::string_view bytes) {
    DealFileContents contents;
    if (!ParseOwnDealFile(bytes, contents).Ok()) {
        return contents.boardSet.empty() ? std::string() : "a refused own file left deals behind";
    }
    return FirstProblem({CheckHands(contents.boardSet),
                         CheckDealsCanStand(contents.boardSet, false), CheckOwnRoundTrip(contents),
                         CheckDupRoundTrip(contents.boardSet)});
}

std::string CheckLegacyDealFile(std::string_view bytes) {
    DealFileContents contents;
    if (!ParseLegacyDealFile(bytes, contents).Ok()) {
        return contents.boardSet.empty() ? std::string() : "a failed legacy read left deals behind";
    }
    return FirstProblem({CheckHands(contents.boardSet),
                         CheckDealsCanStand(contents.boardSet, false), CheckOwnRoundTrip(contents),
                         CheckDupRoundTrip(contents.boardSet)});
}

std::string CheckDlmFile(std::string_view bytes) {
    DealFileContents contents;
    if (!ParseDLMFile(bytes, contents).Ok()) {
        return contents.boardSet.empty() ? std::string() : "a refused DLM file left deals behind";
    }
    // The own file round trip of what the DLM reader gives is the deal_file target's.
    return FirstProblem({CheckHands(contents.boardSet), CheckDealsCanStand(contents.boardSet, true),
                         CheckDlmRoundTrip(contents)});
}

std::string CheckDupFile(std::string_view bytes) {
    DealFileContents contents;
    if (!ParseDUPFile(bytes, contents).Ok()) {
        return contents.boardSet.empty() ? std::string() : "a failed DUP read left deals behind";
    }
    if (bytes.size() != contents.boardSet.size() * kDUPRecordSize) {
        return "the DUP reader's board count does not match the file size";
    }
    return FirstProblem({CheckHands(contents.boardSet), CheckDealsCanStand(contents.boardSet, true),
                         CheckOwnRoundTrip(contents), CheckDupRoundTrip(contents.boardSet)});
}

std::string CheckPbnFile(std::string_view bytes) {
    DealFileContents contents;
    if (!ParsePbnFile(bytes, contents).Ok()) {
        return contents.boardSet.empty() && contents.boardNumbers.empty()
                   ? std::string()
                   : "a refused PBN file left deals behind";
    }
    if (!contents.boardNumbers.empty() &&
        contents.boardNumbers.size() != contents.boardSet.size()) {
        return "the PBN reader gave board numbers that are not one a board";
    }
    if (!contents.dealsComplete) {
        return "PBN deals were not taken as complete";
    }
    return FirstProblem({CheckHands(contents.boardSet),
                         CheckDealsCanStand(contents.boardSet, false), CheckPbnRoundTrip(contents),
                         CheckOwnRoundTrip(contents)});
}

namespace {

// A reader of one kind and its writer, for the kinds checked alike.
struct KindReadWrite {
    std::string_view name;
    Status (*parse)(std::string_view bytes, DealFileContents& contents);
    std::string (*write)(const tBoardSet& boardSet);
    bool wholeDeals;
    std::size_t recordSize;  // 0 for a text file
};

std::string CheckKind(std::string_view bytes, const KindReadWrite& kind) {
    DealFileContents contents;
    const std::string name(kind.name);
    if (!kind.parse(bytes, contents).Ok()) {
        return contents.boardSet.empty() ? std::string() : "a refused " + name + " file left deals";
    }
    if (!contents.boardNumbers.empty() &&
        contents.boardNumbers.size() != contents.boardSet.size()) {
        return "the " + name + " reader gave board numbers that are not one a board";
    }
    if (kind.recordSize > 0 && bytes.size() != contents.boardSet.size() * kind.recordSize) {
        return "the " + name + " reader's board count does not match the file size";
    }
    DealFileContents again;
    if (const Status parsed = kind.parse(kind.write(contents.boardSet), again);
        !contents.boardSet.empty() && !parsed.Ok()) {
        return "a written " + name + " file does not read back: " + parsed.Reason();
    }
    return FirstProblem({CheckHands(contents.boardSet),
                         CheckDealsCanStand(contents.boardSet, kind.wholeDeals),
                         CompareBoardSets(contents.boardSet, again.boardSet, name + " file"),
                         CheckOwnRoundTrip(contents)});
}

std::string LinText(const tBoardSet& boardSet) {
    return LINFileText(boardSet, "", "");
}

}  // namespace

std::string CheckBriFile(std::string_view bytes) {
    return CheckKind(bytes, {"BRI", ParseBRIFile, BRIFileBytes, true, 128});
}

std::string CheckDgeFile(std::string_view bytes) {
    return CheckKind(bytes, {"DGE", ParseDGEFile, DGEFileBytes, false, 128});
}

std::string CheckLinFile(std::string_view bytes) {
    return CheckKind(bytes, {"LIN", ParseLINFile, LinText, false, 0});
}

std::string CheckDealTag(std::string_view bytes) {
    tDeal deal;
    ReadDealValue(deal, DealTagValue(bytes).value_or(""));
    if (std::string problem = CheckHands({deal}); !problem.empty()) {
        return problem;
    }
    for (const char seat : {'N', 'E', 'S', 'W'}) {
        const std::string tag = DealTag(deal, seat);
        tDeal again;
        ReadDealValue(again, DealTagValue(tag).value_or(""));
        if (!(again == deal)) {
            return "the deal tag " + tag + " does not read back to the same deal";
        }
    }
    return {};
}

std::string CheckHandText(std::string_view bytes) {
    tHand hand;
    hand.ReadHandText(bytes);
    if (!HandIsWellFormed(hand)) {
        return "a holding outside the ranks";
    }
    const std::string text = HandText(hand);
    tHand again;
    again.ReadHandText(text);
    if (!(again == hand)) {
        return "the hand text " + text + " does not read back to the same hand";
    }
    return {};
}

std::string CheckSettingsFile(std::string_view bytes) {
    const StatusOr<RegistryHive> parsed = RegistryHive::Parse(bytes);
    if (!parsed.status.Ok()) {
        return parsed.status.IsBroken() && !parsed.status.Reason().empty()
                   ? std::string()
                   : "a refused settings file is not called broken, with a reason";
    }
    const RegistryHive& hive = parsed.value;
    const std::string written = hive.Serialise();
    const StatusOr<RegistryHive> reread = RegistryHive::Parse(written);
    if (!reread.status.Ok()) {
        return "written settings do not read back: " + reread.status.Reason();
    }
    const RegistryHive& again = reread.value;
    if (again.Serialise() != written) {
        return "settings written twice differ";
    }
    return {};
}

std::string CheckWebPage(std::string_view bytes) {
    // imageLocation, title1, title2, ace, king, queen, jack, ten, none, both, dealer, board,
    // vul, north, east, south, west
    std::array<std::string, 17> words = {"", "Club", "Night", "A", "K", "Q", "J", "T", "",
                                         "", "",     "",      "",  "N", "E", "S", "W"};
    ClearDeals();
    LineReader lines(bytes);
    std::size_t records = 0;
    while (!lines.AtEnd()) {
        const std::string line(lines.Next());
        if (line.starts_with('\t')) {
            std::size_t word = 0;
            std::size_t start = 1;
            while (word < words.size() && start <= line.size()) {
                const std::size_t tab = std::min(line.find('\t', start), line.size());
                words[word++] = line.substr(start, tab - start);
                start = tab + 1;
            }
            continue;
        }
        AddDeal(line.c_str());
        ++records;
    }
    const std::string page = FuzzScratchFolder() + "/page.html";
    std::error_code ignored;
    std::filesystem::remove(page, ignored);
    auto c = [&words](std::size_t i) { return words[i].c_str(); };
    const int32_t status =
        HTMLCustom(page.c_str(), c(0), c(1), c(2), c(3), c(4), c(5), c(6), c(7), c(8), c(9), c(10),
                   c(11), c(12), c(13), c(14), c(15), c(16), static_cast<int32_t>(bytes.size() & 1),
                   static_cast<int32_t>(bytes.size() & 2));
    ClearDeals();
    if (status != kKestWeb2Ok) {
        return "the page was not written, status " + std::to_string(status);
    }
    const std::optional<std::string> written = ReadScratchFile(page);
    if (records == 0) {
        return written ? "an empty deal list wrote a page" : std::string();
    }
    if (!written) {
        return "no page was written";
    }
    if (!written->starts_with("<HTML>\r\n") || !written->ends_with("</BODY>\r\n</HTML>")) {
        return "the page is not whole";
    }
    return {};
}

namespace {

// "" when a refused plan or script names a place inside its text.
std::string PlaceFault(const PlanError& error, std::string_view bytes) {
    const std::vector<std::string_view> lines = SplitLines(bytes);
    const std::size_t lineCount = std::max<std::size_t>(lines.size(), 1);
    if (error.line < 1 || static_cast<std::size_t>(error.line) > lineCount || error.column < 1 ||
        (!lines.empty() && static_cast<std::size_t>(error.column) >
                               lines[static_cast<std::size_t>(error.line) - 1].size() + 1)) {
        return "a refusal names a place outside the text: " + PlanErrorText(error);
    }
    return "";
}

// An accepted plan's lines evaluate on random deals of every dealer without fault, no deal
// meets a line its bounds call never met, and dealing it (with small limits) gives as many
// boards as its counts, each meeting its line with the line's fixed cards in place, or nothing.
std::string CheckDealing(const Plan& plan, std::string_view bytes) {
    constexpr int kDealsAsked = 7;
    const std::vector<int> boardsOfLines = plan.BoardsOfLines(kDealsAsked);
    int total = 0;
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const PlanLine& line = plan.lines[i];
        if (line.count ? *line.count < 1 || *line.count > kMaxPlanBoards : plan.lines.size() != 1) {
            return "line " + std::to_string(line.lineNumber) + " was accepted with a bad count";
        }
        if (!line.condition.WellFormed() ||
            !FixedCardsFault(line.fixedCards, [](SeatName) { return std::string(); }).empty()) {
            return "line " + std::to_string(line.lineNumber) + " was accepted broken";
        }
        total += boardsOfLines[i];
    }
    if (plan.lines.empty() || total > kMaxPlanBoards || total != plan.BoardCount(kDealsAsked) ||
        (plan.produce && (*plan.produce < 1 || *plan.produce > kMaxBoards))) {
        return "an accepted plan deals " + std::to_string(total) + " boards";
    }
    RandomGenerator random(static_cast<std::uint32_t>(bytes.size()));
    tBoardSet deals;
    GenerateRandomDeals(deals, 8, random);
    for (std::size_t i = 0; i < deals.size(); ++i) {
        const Seat dealer = BoardDealer(static_cast<int>(i) + 1);
        for (const PlanLine& line : plan.lines) {
            if (line.condition.Meets(FiguresOf(deals[i]), dealer) &&
                line.condition.NeverMet(dealer)) {
                return "line " + std::to_string(line.lineNumber) + " is met by a deal, yet never";
            }
        }
    }
    tBoardSet boardSet;
    PlanDealingOptions options{.dealsAsked = kDealsAsked, .mix = (bytes.size() & 1) != 0};
    options.maxDeals = 2000;
    GeneratingRun run(random);
    const PlanDealing dealt = DealToPlan(boardSet, plan, options, run);
    if (!dealt.status.Ok()) {
        return boardSet.empty() && dealt.status.IsTooRare() ? std::string()
                                                            : "a plan not dealt left boards";
    }
    if (boardSet.size() != static_cast<std::size_t>(total) ||
        dealt.lineOfBoard.size() != boardSet.size()) {
        return "a dealt plan gave " + std::to_string(boardSet.size()) + " boards of " +
               std::to_string(total);
    }
    std::vector<int> made(plan.lines.size(), 0);
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        const std::size_t line = static_cast<std::size_t>(dealt.lineOfBoard[i]);
        const Seat dealer = BoardDealer(static_cast<int>(i) + 1);
        if (line >= plan.lines.size() ||
            !plan.lines[line].condition.Meets(FiguresOf(boardSet[i]), dealer)) {
            return "board " + std::to_string(i + 1) + " does not meet its line";
        }
        for (const FixedCard& card : plan.lines[line].fixedCards) {
            if (!boardSet[i].Hand(SeatOf(card.seat, dealer)).Holds(card.suit, card.rank)) {
                return "board " + std::to_string(i + 1) + " lacks a fixed card";
            }
        }
        ++made[line];
    }
    if (const std::string hands = CheckHands(boardSet); !hands.empty()) {
        return hands;
    }
    return made == boardsOfLines ? std::string() : "a line did not get its count of boards";
}

}  // namespace

std::string CheckPlan(std::string_view bytes) {
    const PlanReading read = ReadPlan(bytes);
    if (read.error) {
        const std::string place = PlaceFault(*read.error, bytes);
        return !place.empty() || read.plan.lines.empty() ? place : "a refused plan kept lines";
    }
    return CheckDealing(read.plan, bytes);
}

std::string CheckDealerScript(std::string_view bytes) {
    std::optional<std::string> refusal;
    for (const ScriptSeats seats : {ScriptSeats::Turned, ScriptSeats::AsWritten}) {
        DealerScriptReading read = ReadDealerScript(bytes, seats);
        // Seats are turned only after reading: both readings refuse alike, or accept alike.
        const std::string said = read.error ? PlanErrorText(*read.error) : "";
        if (refusal && *refusal != said) {
            return "the readings with seats turned and as written differ: " + *refusal + " | " +
                   said;
        }
        refusal = said;
        if (read.error) {
            if (const std::string place = PlaceFault(*read.error, bytes); !place.empty()) {
                return place;
            }
            continue;
        }
        Plan plan;
        plan.produce = read.script.produce;
        PlanLine& line = plan.lines.emplace_back();
        line.lineNumber = read.script.conditionLine;
        line.condition = std::move(read.script.condition);
        line.fixedCards = std::move(read.script.fixedCards);
        line.script = true;
        if (const std::string dealing = CheckDealing(plan, bytes); !dealing.empty()) {
            return dealing;
        }
    }
    return "";
}

int RunFuzzInput(Check check, const std::uint8_t* data, std::size_t size) {
    const std::string problem = check(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}

const std::vector<FuzzTarget>& FuzzTargets() {
    static const std::vector<FuzzTarget> targets = {
        {"deal_file", CheckDealFile},
        {"own_deal_file", CheckOwnDealFile},
        {"legacy_deal_file", CheckLegacyDealFile},
        {"dlm_file", CheckDlmFile},
        {"dup_file", CheckDupFile},
        {"pbn_file", CheckPbnFile},
        {"bri_file", CheckBriFile},
        {"dge_file", CheckDgeFile},
        {"lin_file", CheckLinFile},
        {"deal_tag", CheckDealTag},
        {"hand_text", CheckHandText},
        {"settings_file", CheckSettingsFile},
        {"web_page", CheckWebPage},
        {"plan", CheckPlan},
        {"dealer_script", CheckDealerScript},
    };
    return targets;
}

}  // namespace kesto::test
