#pragma once
// The printing library loaded through the platform loader, as the program loads it, with a
// private PDF folder and settings file per test, and the PDF readers the tests share.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/platform/shared_library.h"
#include "kestprt3/kestprt3.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/seed_zero.h"

namespace kesto::test {

// The words of one printing language, Windows-1252 bytes.
struct Language {
    std::string ace, king, queen, jack, ten;
    std::string north, east, south, west;
    std::string none, both, dealer, dealerShort, board, vul;
};
Language English();
Language Deutsch();
Language Dansk();

// The 48 arguments of one PrintCustom call, filled as the program fills them for a kind.
struct PrintArgs {
    std::int32_t kind = 1;
    std::int32_t orientation = -1;
    std::string header1, header2, unused5, footer;
    std::string ace, king, queen, jack, ten, north, east, south, west;
    std::string none, both, dealer, board, vul, rankLetters;
    std::string fonts[7] = {"Arial", "Arial", "Arial", "Arial", "Arial", "", ""};
    std::int32_t sizes[8] = {14, 0, 10, 10, 10, 10, 0, 0};
    std::int32_t styles[7] = {1, 0, 0, 0, 0, 0, 0};
    std::int32_t cardWidthCm = 0, cardHeightCm = 0;
    std::int32_t useColor = 1;
};
// Kind 0 and 1 as the print job fills them, kinds 8..12 as the curtain-card step does.
PrintArgs SheetArgs(const Language& language);
PrintArgs HandRecordArgs(const Language& language);
PrintArgs CurtainArgs(std::int32_t kind, std::int32_t heightCm, std::int32_t orientation,
                      const Language& language);

class PrintingLibrary : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    static void SetDeals(const std::vector<std::string>& records);
    static std::int32_t Print(const PrintArgs& args);

    // The settings file's text (REGEDIT4, the program's key) for this test.
    void WriteSettings(const std::string& values) const;

    // The PDF files in the output folder, sorted by name.
    std::vector<std::string> PdfFiles() const;
    // The one PDF file the last print wrote (fails the test when there is not exactly one new
    // file since the last call).
    std::string NewPdf();

    static std::unique_ptr<SharedLibrary> library_;
    static AddDealFn addDeal_;
    static ClearDealsFn clearDeals_;
    static PrintCustomFn printCustom_;
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Path("");  // holds the settings file and the PDF folder
    std::string pdfFolder_;
    std::string settingsPath_;
    std::vector<std::string> seen_;
};

// "[Board "b"]|[Dealer "d"]|[Vulnerable "v"]|[Deal "deal"]", as the program sends a board.
std::string Record(int board, std::string_view dealer, std::string_view vulnerable,
                   std::string_view deal);
// The record of board n of the standard cycle with the given deal (first seat the dealer's).
std::string CycleRecord(int board, std::string_view handsFromNorth);

// The record with analysis tags: N-S make 3NT, 4S, 2H, 5D and 1C, E-W only 1C (West), and par.
std::string WithAnalysis(const std::string& record, std::string_view optimumScore,
                         std::string_view parContract);

// The deal of the worked example, board 1 of seed 0, its hands from North.
inline const std::string& kKnownDeal = kBoard1Hands;

// pdftotext -layout of one page (0: all pages), as UTF-8.
std::string PdfText(const std::string& path, int page = 0);
int PdfPages(const std::string& path);
std::string PdfPageSize(const std::string& path);  // e.g. "A4", "letter"
// Pixels of page 1 drawn at 40 dpi that are clearly red.
int RedPixels(const std::string& path);

// One word of a page as pdftotext -bbox places it, in points from the page's top left.
struct PdfWord {
    std::string text;  // UTF-8
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    double Height() const { return yMax - yMin; }
};
struct PdfPage {
    double width = 0;  // points
    double height = 0;
    std::vector<PdfWord> words;
};
PdfPage PdfWords(const std::string& path, int page);

// A page drawn at the resolution, RGB bytes row by row.
struct PageImage {
    int width = 0;
    int height = 0;
    int dpi = 0;
    std::string rgb;
    // A pixel clearly darker than the paper (lines, text); false outside the image.
    bool Inked(int x, int y) const;
    // Inked pixels whose centres lie in the rectangle given in millimetres from the top left.
    int InkedIn(double leftMm, double topMm, double rightMm, double bottomMm) const;
};
PageImage RenderPage(const std::string& path, int page, int dpi);

inline constexpr double kPointsPerMm = 72.0 / 25.4;

// The text with every space and tab removed (pdftotext spaces letters unevenly).
std::string WithoutSpaces(std::string_view text);
std::size_t Count(std::string_view text, std::string_view part);

}  // namespace kesto::test
