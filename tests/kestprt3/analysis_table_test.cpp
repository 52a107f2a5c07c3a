// The makeable-contracts table and par line under each board of hand records and deal sheets,
// from the analysis tags of the deal records, read back from the PDF files.

#include <string>
#include <vector>

#include "tests/kestprt3/printing_library.h"

namespace kesto::test {
namespace {

std::string KnownRecord(int board) {
    return CycleRecord(board, kKnownDeal);
}

class Analysis : public PrintingLibrary {
  protected:
    static void SetWords(const char* par, const char* noTrump, const char* passedOut,
                         const char* caption) {
        const auto entry =
            reinterpret_cast<SetAnalysisWordsFn>(library_->Entry("SetAnalysisWords"));
        ASSERT_NE(entry, nullptr);
        entry(par, noTrump, passedOut, caption);
    }
};

TEST_F(Analysis, HandRecordShowsEachDeclarersMakeableLevelsAndPar) {
    SetDeals({WithAnalysis(KnownRecord(1), "NS 420", "NS 4S")});
    ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
    const std::string packed = WithoutSpaces(PdfText(NewPdf()));
    // Levels: tricks less six, "-" below seven tricks; rows N, S, E, W.
    EXPECT_NE(packed.find("Makeablecontracts\nNT\u2660\u2665\u2666\u2663"), std::string::npos)
        << packed;
    EXPECT_NE(packed.find("N34251"), std::string::npos) << packed;
    EXPECT_NE(packed.find("S34251"), std::string::npos) << packed;
    EXPECT_NE(packed.find("E-----"), std::string::npos) << packed;
    EXPECT_NE(packed.find("W----1"), std::string::npos) << packed;
    EXPECT_NE(packed.find("Par:4\u2660NS,NS+420"), std::string::npos) << packed;
}

TEST_F(Analysis, ParLineForEverySideAndKindOfPar) {
    struct Case {
        std::string_view score, contract, line;
    };
    const Case cases[] = {
        {"NS 420", "N 4S", "Par:4\u2660N,NS+420"},
        {"NS 170", "NS 1S", "Par:1\u2660+3NS,NS+170"},
        {"NS -70", "W 1C", "Par:1\u2663W,NS-70"},
        {"NS 300", "E 2CX", "Par:2\u2663X-2E,NS+300"},
        {"NS 400", "NS 3NT,NS 5D", "Par:3NTNS/5\u2666NS,NS+400"},
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
    SetDeals({WithAnalysis(KnownRecord(1), "NS -70", "EW 1C"),
              WithAnalysis(KnownRecord(2), "NS 0", "Pass")});
    SetWords("Par", "SA", "Passe", "Erf\xFCllbare Kontrakte");
    ASSERT_EQ(Print(HandRecordArgs(Deutsch())), kKestPrt3Ok);
    const std::string packed = WithoutSpaces(PdfText(NewPdf()));
    EXPECT_NE(packed.find("Erf\u00FCllbareKontrakte"), std::string::npos) << packed;
    EXPECT_NE(packed.find("SA\u2660\u2665\u2666\u2663"), std::string::npos) << packed;
    EXPECT_NE(packed.find("O-----"), std::string::npos) << packed;  // Ost
    EXPECT_NE(packed.find("Par:1\u2663OW,NS-70"), std::string::npos) << packed;
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

// A par line too long for one line beside the table goes on over the declarers' rows of its
// own board: every cell keeps its height and the page its six boards.
TEST_F(Analysis, ALongParLineTakesNoBoardMoreRoomOnHandRecords) {
    struct Case {
        const char* contracts;
        std::vector<std::string> pieces;  // the par line as pdftotext packs it, row by row
    };
    const Case cases[] = {
        {"NS 4S", {"N34251Par:4\u2660NS,NS+500"}},
        {"EW 4NTX,EW 5HX,EW 5CX",
         {"N34251Par:4NTX-6EW/5\u2665X-6EW/", "S342515\u2663X-4EW,NS+500"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contracts);
        std::vector<std::string> records;
        for (int board = 1; board <= 12; ++board) {
            records.push_back(board == 5 ? WithAnalysis(KnownRecord(board), "NS 500", c.contracts)
                                         : WithAnalysis(KnownRecord(board), "NS 420", "NS 4S"));
        }
        SetDeals(records);
        ASSERT_EQ(Print(HandRecordArgs(English())), kKestPrt3Ok);
        const std::string pdf = NewPdf();
        EXPECT_EQ(PdfPages(pdf), 2);
        const std::string packed = WithoutSpaces(PdfText(pdf, 1));
        for (const std::string& piece : c.pieces) {
            EXPECT_NE(packed.find(piece), std::string::npos) << piece << "\n" << packed;
        }
    }
}

TEST_F(Analysis, DealSheetsShowTheTableBesideEachBoard) {
    SetDeals({WithAnalysis(KnownRecord(1), "NS 420", "NS 4S"),
              WithAnalysis(KnownRecord(2), "NS 300", "E 2CX")});
    ASSERT_EQ(Print(SheetArgs(English())), kKestPrt3Ok);
    const std::string pdf = NewPdf();
    // Both sheets share a page; the first one's table and par come before the second's.
    ASSERT_EQ(PdfPages(pdf), 1);
    const std::string page = WithoutSpaces(PdfText(pdf, 1));
    const auto firstPar = page.find("Par:4\u2660NS,NS+420");
    const auto secondPar = page.find("Par:2\u2663X-2E,NS+300");
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
