// Whole pages compared byte for byte with golden pages written by hand from the page format.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/kestweb2/web_library.h"
#include "tests/support/case_name.h"

namespace kesto::test {
namespace {

std::string CafeTitle() {
    return "Caf\xE9 de Kroon";
}

struct DefCase {
    const char* name;
    std::vector<std::string> records;
    const char* imageLocation;
    const char* title1;
    const char* title2;
    int32_t tenCharacter;
    int32_t boardByPosition;
    int32_t dealerVulByPosition;
    const char* golden;
};

std::vector<std::string> OneDeal() {
    return {Record(1, "N", "None", kDealA)};
}

std::vector<std::string> FirstFour() {
    return {Record(1, "N", "None", kDealA), Record(2, "E", "NS", kDealB),
            Record(3, "S", "EW", kDealC), Record(4, "W", "All", kDealD)};
}

std::vector<std::string> FirstThree() {
    auto records = FirstFour();
    records.pop_back();
    return records;
}

std::vector<std::string> Seven() {
    auto records = FirstFour();
    records.push_back(Record(5, "N", "NS", kDealA));
    records.push_back(Record(6, "E", "EW", kDealB));
    records.push_back(Record(7, "S", "All", kDealC));
    return records;
}

// Boards 11, 12, 13 at positions 1, 2, 3: record and position disagree on everything.
std::vector<std::string> LaterBoards() {
    return {Record(11, "S", "None", kDealC), Record(12, "W", "NS", kDealD),
            Record(13, "N", "All", kDealA)};
}

std::vector<std::string> OtherForms() {
    return {
        "[Deal \"n:AKQ2.JT9.876.543 JT9.AKQ2.543.876 876.543.AKQ2.JT9 543.876.JT9.AKQ2\"] "
        "noted by hand; [Vulnerable \"EW\"] and then [Dealer \"w\"], last [Board \"9\"]",
        Record(10, "E", "Both", kDealB),
        "[Dealer \"S\"]|[Vulnerable \"All\"]|[Deal \"" + std::string(kDealC) + "\"]",
        Record(12, "W", "NS",
               "n:akq2.jt9.876.543 jt9.akq2.543.876 876.543.akq2.jt9 543.876.jt9.akq2"),
    };
}

std::vector<std::string> WithUnreadable() {
    return {Record(1, "N", "None", kDealA), "[Board \"2\"]|[Dealer \"E\"]|[Vulnerable \"NS\"]",
            Record(3, "S", "EW", "X:AT2.KQ3.J54.9876 KQ3.J54.9876.AT2 J54.9876.AT2.KQ3"),
            Record(4, "W", "All", kDealD), Record(5, "N", "NS", kDealB)};
}

const DefCase kDefCases[] = {
    {"OneDealTwoFillers", OneDeal(), "images", kClub, kNight, 'T', 0, 0, "one_deal.html"},
    {"LocationWithSlash", OneDeal(), "images/", kClub, kNight, 'T', 0, 0, "one_deal.html"},
    {"EmptyLocation", OneDeal(), "", kClub, kNight, 'T', 0, 0, "one_deal_no_location.html"},
    {"NullLocation", OneDeal(), nullptr, kClub, kNight, 'T', 0, 0, "one_deal_no_location.html"},
    {"LocationWithBackslash", OneDeal(), "http://x.org/gif\\", kClub, kNight, 'T', 0, 0,
     "one_deal_web.html"},
    {"TitlesEmpty", OneDeal(), "", "", "", 'T', 0, 0, "titles_empty.html"},
    {"TitlesNull", OneDeal(), "", nullptr, nullptr, 'T', 0, 0, "titles_empty.html"},
    {"Title2Null", OneDeal(), "", kClub, nullptr, 'T', 0, 0, "title2_null.html"},
    {"Title2Empty", OneDeal(), "", kClub, "", 'T', 0, 0, "title2_empty.html"},
    {"Title1Empty", OneDeal(), "", "", kNight, 'T', 0, 0, "title1_empty.html"},
    {"Title1Null", OneDeal(), "", nullptr, kNight, 'T', 0, 0, "title1_empty.html"},
    {"ThreeDealsOneRowTenAs10", FirstThree(), "", "Pairs", "Evening", '1', 0, 0,
     "three_deals.html"},
    {"FourDealsRowBreak", FirstFour(), "images/", kClub, kNight, 'T', 0, 0, "four_deals.html"},
    {"SevenDeals", Seven(), "", kClub, kNight, 'T', 0, 0, "seven_deals.html"},
    {"FlagsFromRecords", LaterBoards(), "", kClub, kNight, 'T', 0, 0, "flags_from_records.html"},
    {"BoardByPosition", LaterBoards(), "", kClub, kNight, 'T', 1, 0,
     "flags_board_by_position.html"},
    {"DealerVulByPosition", LaterBoards(), "", kClub, kNight, 'T', 0, 1,
     "flags_dealer_vul_by_position.html"},
    {"BothByPosition", LaterBoards(), "", kClub, kNight, 'T', 1, 1, "flags_both_by_position.html"},
    // Only the low byte of a flag counts.
    {"FlagHighBytesIgnored", LaterBoards(), "", kClub, kNight, 'T', 0x100, 0x7FFFFF00,
     "flags_from_records.html"},
    {"FlagLowByteCounts", LaterBoards(), "", kClub, kNight, 'T', -1, 0x201,
     "flags_both_by_position.html"},
    {"TenCharacterHighBytesIgnored", OneDeal(), "images", kClub, kNight, 0x4154, 0, 0,
     "one_deal.html"},
    {"RecordsInOtherForms", OtherForms(), "", kClub, kNight, 'T', 0, 0, "record_forms.html"},
    {"UnreadableRecordsSkipped", WithUnreadable(), "", kClub, kNight, 'T', 0, 0,
     "skipped_records.html"},
    {"HandsLeftOpen",
     {Record(1, "N", "None", "N:- JT9.AKQ2.543.876 - 543.876.JT9.AKQ2")},
     "",
     kClub,
     kNight,
     'T',
     0,
     0,
     "open_hands.html"},
};

void PrintTo(const DefCase& page, std::ostream* out) {
    *out << page.name;
}

class DefPage : public WebLibrary, public ::testing::WithParamInterface<DefCase> {};

TEST_P(DefPage, MatchesGolden) {
    const DefCase& page = GetParam();
    SetDeals(page.records);
    const std::string path = PagePath("page.html");
    ASSERT_EQ(htmlDef_(path.c_str(), page.imageLocation, page.title1, page.title2,
                       page.tenCharacter, page.boardByPosition, page.dealerVulByPosition),
              kKestWeb2Ok);
    EXPECT_EQ(ReadFile(path), Golden(page.golden)) << page.golden;
}

INSTANTIATE_TEST_SUITE_P(Pages, DefPage, ::testing::ValuesIn(kDefCases), CaseName());

using CustomPage = WebLibrary;

TEST_F(CustomPage, DutchWordsAndEightBitTitle) {
    SetDeals(FirstFour());
    const std::string path = PagePath("dutch.html");
    const std::string cafe = CafeTitle();
    ASSERT_EQ(
        htmlCustom_(path.c_str(), "images", cafe.c_str(), "Dinsdag 8 december", "A", "H", "V", "B",
                    "10", "Geen", "Allen", "Gever", "Spel", "Kwetsbaar", "N", "O", "Z", "W", 0, 0),
        kKestWeb2Ok);
    EXPECT_EQ(ReadFile(path), Golden("dutch.html"));
}

TEST_F(CustomPage, EmptyWordsTakeTheirDefaults) {
    SetDeals(FirstFour());
    const std::string path = PagePath("page.html");
    ASSERT_EQ(htmlCustom_(path.c_str(), "images/", kClub, kNight, "A", "K", "Q", "J", "T", "",
                          nullptr, "", nullptr, "", "N", "E", "S", "W", 0, 0),
              kKestWeb2Ok);
    EXPECT_EQ(ReadFile(path), Golden("four_deals.html"));
}

TEST_F(CustomPage, EmptyLettersPrintAsNothing) {
    SetDeals({Record(2, "E", "NS",
                     "E:AKQJT.98765.432. 98765.432..AKQJT 432..AKQJT.98765 "
                     ".AKQJT.98765.432")});
    const std::string path = PagePath("page.html");
    ASSERT_EQ(htmlCustom_(path.c_str(), "", "", "", nullptr, "", "", "", nullptr, "None", "Both",
                          "Dlr", "Board", "Vul", "", "E", nullptr, "W", 0, 0),
              kKestWeb2Ok);
    const std::string page = ReadFile(path);
    // The header: no North and South letters around the hyphen.
    EXPECT_NE(page.find("<B>Board 2 / Dlr: E / Vul: -</B>"), std::string::npos);
    // East's spades AKQJT: five empty letters, each followed by its blank, less the last.
    EXPECT_NE(page.find("<TD>     </TD>"), std::string::npos);
    // East's clubs: a void.
    EXPECT_EQ(Count(page, "<TD> -</TD>"), 4u);
}

TEST_F(CustomPage, PlaceholderNamesInTitlesAreShownAsGiven) {
    SetDeals(OneDeal());
    const std::string path = PagePath("page.html");
    ASSERT_EQ(htmlDef_(path.c_str(), "", "Title2", "Title1", 'T', 0, 0), kKestWeb2Ok);
    const std::string page = ReadFile(path);
    EXPECT_NE(page.find("<TITLE>Title2 Title1</TITLE>"), std::string::npos);
    EXPECT_NE(page.find("<H1 ALIGN=\"center\">Title2</H1>"), std::string::npos);
    EXPECT_NE(page.find("<H3 ALIGN=\"center\">Title1</H3>"), std::string::npos);
}

TEST_F(CustomPage, PlaceholderNameAsTenTextIsShownAsGiven) {
    // Each hand holds A K Q 2 in one suit and J T 9 in another: every J T 9 shows the ten
    // word as it is, and no holding lands in a placeholder brought in by that word.
    SetDeals(OneDeal());
    const std::string path = PagePath("page.html");
    ASSERT_EQ(htmlCustom_(path.c_str(), "", kClub, kNight, "A", "K", "Q", "J", "WestClubSt", "", "",
                          "", "", "", "N", "E", "S", "W", 0, 0),
              kKestWeb2Ok);
    const std::string page = ReadFile(path);
    EXPECT_EQ(Count(page, "<TD> J WestClubSt 9</TD>"), 4u);
    EXPECT_EQ(Count(page, "<TD> A K Q 2</TD>"), 4u);
}

TEST_F(CustomPage, ImageLocationHoldingEveryPlaceholderNameGrowsThePageByItsLengthOnly) {
    // Each of the seventeen images of a cell names the location once, as given.
    const std::string names =
        "spade_gif heart_gif diamond_gif club_gif board_gif DealHeader NorthSpadeSt WestClubSt "
        "SouthHeartSt EastDiamondSt Title1 Title2";
    SetDeals(OneDeal());
    const std::string plainPath = PagePath("plain.html");
    const std::string namedPath = PagePath("named.html");
    ASSERT_EQ(htmlDef_(plainPath.c_str(), "x", kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    ASSERT_EQ(htmlDef_(namedPath.c_str(), names.c_str(), kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    const std::string plain = ReadFile(plainPath);
    const std::string named = ReadFile(namedPath);
    EXPECT_EQ(named.size(), plain.size() + 17 * (names.size() - 1));
    for (const auto& [file, count] : {std::pair<std::string, std::size_t>{"spade.gif", 4},
                                      {"heart.gif", 4},
                                      {"diamond.gif", 4},
                                      {"club.gif", 4},
                                      {"board.gif", 1}}) {
        EXPECT_EQ(Count(named, "SRC=\"" + names + "/" + file + "\""), count) << file;
    }
}

TEST_F(CustomPage, TwoPagesInOneRunKeepTheirOwnLocations) {
    SetDeals(OneDeal());
    const std::string first = PagePath("first.html");
    const std::string second = PagePath("second.html");
    const std::string third = PagePath("third.html");
    ASSERT_EQ(htmlDef_(first.c_str(), "images", kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    ASSERT_EQ(htmlDef_(second.c_str(), "", kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    ASSERT_EQ(htmlDef_(third.c_str(), "http://x.org/gif\\", kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    EXPECT_EQ(ReadFile(first), Golden("one_deal.html"));
    EXPECT_EQ(ReadFile(second), Golden("one_deal_no_location.html"));
    EXPECT_EQ(ReadFile(third), Golden("one_deal_web.html"));
}

using DealList = WebLibrary;

// A second page to the same file: ClearDeals emptied the list, the record was copied when it
// was added, and the first page was overwritten.
TEST_F(DealList, ClearDealsEmptiesTheListAndAddDealCopiesTheRecord) {
    const std::string path = PagePath("page.html");
    SetDeals(FirstFour());
    ASSERT_EQ(htmlDef_(path.c_str(), "images", kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    clearDeals_();
    std::string record = Record(1, "N", "None", kDealA);
    addDeal_(record.c_str());
    record.assign(record.size(), 'x');
    ASSERT_EQ(htmlDef_(path.c_str(), "images", kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    EXPECT_EQ(ReadFile(path), Golden("one_deal.html"));
}

TEST_F(DealList, EmptyListWritesNothingAndLeavesAFileAlone) {
    const std::string kept = PagePath("kept.html");
    {
        std::FILE* file = std::fopen(kept.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("an older page", file);
        ASSERT_EQ(std::fclose(file), 0);
    }
    const std::string absent = PagePath("absent.html");
    clearDeals_();
    EXPECT_EQ(htmlDef_(kept.c_str(), "", kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    EXPECT_EQ(htmlDef_(absent.c_str(), "", kClub, kNight, 'T', 0, 0), kKestWeb2Ok);
    EXPECT_EQ(ReadFile(kept), "an older page");
    EXPECT_FALSE(std::filesystem::exists(absent));
}

TEST_F(DealList, DuplicatesAndNullRecordsKeepTheirPositions) {
    // A null record is an empty one: skipped, but it still counts for board numbers by
    // position and for the filler cells.
    clearDeals_();
    addDeal_(Record(1, "N", "None", kDealA).c_str());
    addDeal_(nullptr);
    addDeal_(Record(1, "N", "None", kDealA).c_str());
    const std::string path = PagePath("page.html");
    ASSERT_EQ(htmlDef_(path.c_str(), "", kClub, kNight, 'T', 1, 1), kKestWeb2Ok);
    const std::string page = ReadFile(path);
    EXPECT_EQ(Count(page, kCellMark), 2u);
    EXPECT_NE(page.find("<B>Board 1 / Dlr: N / Vul: None</B>"), std::string::npos);
    EXPECT_NE(page.find("<B>Board 3 / Dlr: S / Vul: E-W</B>"), std::string::npos);
    EXPECT_EQ(page.find("<B>Board 2"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - kPageEnd.size()), kPageEnd);
    EXPECT_EQ(page.find("<TD>&nbsp;</TD></TR>"), std::string::npos);  // three records: no filler
}

}  // namespace
}  // namespace kesto::test
