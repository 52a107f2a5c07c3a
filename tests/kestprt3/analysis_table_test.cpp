// The makeable-contracts table and par line under each board of hand records and deal sheets,
// from the analysis tags of the deal records, read back from the PDF files.

#include <string>
#include <vector>

#include "tests/kestprt3/printing_library.h"

namespace kesto::test {
namespace {

// Tricks of the declarers N, S, E, W, each NT, S, H, D, C: North-South make 3NT, 4S, 2H, 5D
// and 1C; East-West only 1C, and West alone.
constexpr std::string_view kTricksTag = "[DoubleDummyTricks \"9a8b79a8b74352643527\"]";

std::string WithAnalysis(const std::string& record, std::string_view optimumScore,
                         std::string_view parContract) {
    return record + "|" + std::string(kTricksTag) + "|[OptimumScore \"" +
           std::string(optimumScore) + "\"]|[ParContract \"" + std::string(parContract) + "\"]";
}

std::string KnownRecord(int board) {
    return CycleRecord(board, kKnownDeal);
}

class Analysis : public PrintingLibrary {
  protected:
    static void SetWords(const char* par, const char* noTrump, const char* passedOut) {
        const auto entry =
            reinterpret_cast<SetAnalysisWordsFn>(library_->Entry("SetAnalysisWords"));
        ASSERT_NE(entry, nullptr);
        entry(par, noTrump, passedOut);
    }
};

TEST_F(Analysis, HandRecordShowsEachDeclarersMakeableLevelsAndPar) {
    SetDeals({WithAnalysis(KnownRecord(1), "NS 420", "NS 4S")});
    ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
    const std::string packed = WithoutSpaces(PdfText(NewPdf()));
    // Levels: tricks less six, "-" below seven tricks; rows N, S, E, W.
    EXPECT_NE(packed.find("NT\u2660\u2665\u2666\u2663"), std::string::npos) << packed;
    EXPECT_NE(packed.find("N34251"), std::string::npos) << packed;
    EXPECT_NE(packed.find("S34251"), std::string::npos) << packed;
    EXPECT_NE(packed.find("E-----"), std::string::npos) << packed;
    EXPECT_NE(packed.find("W----1"), std::string::npos) << packed;
    EXPECT_NE(packed.find("Par:4\u2660NS,+420"), std::string::npos) << packed;
}

TEST_F(Analysis, ParLineForEverySideAndKindOfPar) {
    struct Case {
        std::string_view score, contract, line;
    };
    const Case cases[] = {
        {"NS 420", "N 4S", "Par:4\u2660N,+420"},
        // East-West's own view of their game and of their sacrifice.
        {"NS -620", "EW 4H", "Par:4\u2665EW,+620"},
        {"NS 300", "E 5HX", "Par:5\u2665XE,-300"},
        {"NS -100", "NS 5DX", "Par:5\u2666XNS,-100"},
        {"NS 400", "NS 3NT,NS 5D", "Par:3NTNS/5\u2666NS,+400"},
        {"NS 0", "Pass", "Par:Pass"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contract);
        SetDeals({WithAnalysis(KnownRecord(1), c.score, c.contract)});
        ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
        const std::string packed = WithoutSpaces(PdfText(NewPdf()));
        EXPECT_NE(packed.find(std::string(c.line)), std::string::npos) << packed;
    }
}

TEST_F(Analysis, TheLanguagesWordsAndSeatLetters) {
    SetDeals({WithAnalysis(KnownRecord(1), "NS -620", "EW 4H"),
              WithAnalysis(KnownRecord(2), "NS 0", "Pass")});
    SetWords("Par", "SA", "Passe");
    ASSERT_EQ(Print(HandRecordArgs(Deutsch())), kKestPrt3Ok);
    const std::string packed = WithoutSpaces(PdfText(NewPdf()));
    EXPECT_NE(packed.find("SA\u2660\u2665\u2666\u2663"), std::string::npos) << packed;
    EXPECT_NE(packed.find("O-----"), std::string::npos) << packed;  // Ost
    EXPECT_NE(packed.find("Par:4\u2665OW,+620"), std::string::npos) << packed;
    EXPECT_NE(packed.find("Par:Passe"), std::string::npos) << packed;
    EXPECT_EQ(packed.find("NT\u2660"), std::string::npos) << packed;

    // The words last until the list is emptied.
    clearDeals_();
    SetDeals({WithAnalysis(KnownRecord(1), "NS 0", "Pass")});
    ASSERT_EQ(Print(HandRecordArgs(Deutsch())), kKestPrt3Ok);
    const std::string english = WithoutSpaces(PdfText(NewPdf()));
    EXPECT_NE(english.find("NT\u2660"), std::string::npos) << english;
    EXPECT_NE(english.find("Par:Pass"), std::string::npos) << english;
}

TEST_F(Analysis, RecordsWithoutTheTagsPrintNoTableOnTheSamePages) {
    std::vector<std::string> plain;
    for (int board = 1; board <= 8; ++board) {
        plain.push_back(KnownRecord(board));
    }
    SetDeals(plain);
    ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
    const std::string before = NewPdf();
    EXPECT_EQ(WithoutSpaces(PdfText(before)).find("Par:"), std::string::npos);

    // Only the boards that carry the tags get a table; every board still prints.
    std::vector<std::string> mixed = plain;
    mixed[2] = WithAnalysis(mixed[2], "NS 420", "NS 4S");
    SetDeals(mixed);
    ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
    const std::string packed = WithoutSpaces(PdfText(NewPdf()));
    EXPECT_EQ(Count(packed, "Par:"), 1u);
    for (int board = 1; board <= 8; ++board) {
        EXPECT_NE(packed.find("Board" + std::to_string(board)), std::string::npos) << board;
    }
}

TEST_F(Analysis, DealSheetsShowTheTableUnderEachBoard) {
    SetDeals({WithAnalysis(KnownRecord(1), "NS 420", "NS 4S"),
              WithAnalysis(KnownRecord(2), "NS 300", "E 5HX")});
    ASSERT_EQ(Print(SheetArgs(English())), kKestPrt3Ok);
    const std::string pdf = NewPdf();
    // Both sheets share a page; the first one's table and par come before the second's.
    ASSERT_EQ(PdfPages(pdf), 1);
    const std::string page = WithoutSpaces(PdfText(pdf, 1));
    const auto firstPar = page.find("Par:4\u2660NS,+420");
    const auto secondPar = page.find("Par:5\u2665XE,-300");
    EXPECT_NE(page.find("N34251"), std::string::npos) << page;
    ASSERT_NE(firstPar, std::string::npos) << page;
    ASSERT_NE(secondPar, std::string::npos) << page;
    EXPECT_LT(firstPar, secondPar) << page;
}

TEST_F(Analysis, CurtainCardsNeverShowIt) {
    SetDeals({WithAnalysis(KnownRecord(1), "NS 420", "NS 4S")});
    ASSERT_EQ(Print(CurtainArgs(kKestPrt3CurtainByBoard, 7, 0, English())), kKestPrt3Ok);
    const std::string packed = WithoutSpaces(PdfText(NewPdf()));
    EXPECT_EQ(packed.find("Par:"), std::string::npos) << packed;
    EXPECT_EQ(packed.find("N34251"), std::string::npos) << packed;
}

}  // namespace
}  // namespace kesto::test
