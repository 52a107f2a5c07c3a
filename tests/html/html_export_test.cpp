// The "&Create" command driven through a scripted window, with the real HTML page library
// loaded from the build's bin folder as the program loads it.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/deal/deal_notation.h"
#include "kesto/html/html_analysis.h"
#include "kesto/html/html_export.h"
#include "kesto/html/html_library.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/shared_library.h"
#include "tests/support/fixed_solver.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/shown_message.h"
#include "tests/support/worked_example.h"
#include "tests/support/write_failure.h"

namespace kesto::test {
namespace {

namespace fs = std::filesystem;

constexpr int kGerman = 3;

// The four boards of the golden pages (tests/data/html/export_golden_pages.sh).
tBoardSet FourBoards() {
    return {
        DealOf("AKQ2.AK32.432.32", "JT987.QJ.AK.AKQJ", "654.T9876.QJT.T9", "3.54.98765.87654"),
        DealOf("AKQJT98765432...", ".AKQJT98765432..", "..AKQJT98765432.", "...AKQJT98765432"),
        DealOf("AJT5.KQ9.A84.K72", "KQ987.AJ.765.654", "64.T8765.KQJ.983", "32.432.T932.AQJT"),
        DealOf("3.54.98765.87654", "AKQ2.AK32.432.32", "JT987.QJ.AK.AKQJ", "654.T9876.QJT.T9"),
    };
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Golden(const std::string& name) {
    const std::string bytes = ReadFile(std::string(KESTO_TEST_DATA) + "/html/" + name);
    EXPECT_FALSE(bytes.empty()) << "missing golden file " << name;
    return bytes;
}

// Records what the command shows and answers from a script.
class ScriptedView final : public HtmlExportView, public Ui {
  public:
    Ui& Dialogs() override { return *this; }
    HtmlHintsResult THTMLWarnDlg(const HtmlHintsTexts& texts) override {
        hints.push_back(texts);
        return hintsAnswer;
    }
    void ShowOptionsOnOtherPage() override {
        ++optionsShown;
        if (onOptions) {
            onOptions();
        }
    }
    Answer ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) override {
        messages.push_back({kind, text, buttons});
        return Answer::Ok;
    }
    void Beep() override {}
    FileDialogResult OpenFileDialog(const FileDialogRequest&) override { return {}; }
    FileDialogResult SaveFileDialog(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return saveResult;
    }

    HtmlHintsResult hintsAnswer{HtmlHintsAnswer::No, false};
    std::function<void()> onOptions;
    FileDialogResult saveResult;

    std::vector<HtmlHintsTexts> hints;
    int optionsShown = 0;
    std::vector<ShownMessage> messages;
    std::vector<FileDialogRequest> saveRequests;
};

class HtmlExport : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        LibraryLoad load = LoadSharedLibrary(kHtmlLibraryName, {std::string(KESTO_BIN_DIR) + "/"});
        ASSERT_TRUE(load.status.Ok()) << load.status.Reason();
        library_ = HtmlLibrary::Bind(std::move(load.value));
        ASSERT_NE(library_, nullptr);
    }
    static void TearDownTestSuite() { library_.reset(); }

    void SetUp() override {
        ASSERT_NE(library_, nullptr);
        view_.saveResult = {true, Page("page.htm"), 1};
    }
    std::string Page(const std::string& name) const { return folder_ + "/" + name; }

    HtmlExportOutcome Create() {
        HtmlExportContext context{boardSet_,
                                  line1_,
                                  line2_,
                                  statsWithHtml_,
                                  HtmlPageOptions{languages_, showDlrVul_, gifLocation_},
                                  library_.get(),
                                  "/start/folder/",
                                  "/opt/kesto/",
                                  suppressHTMLAlert_,
                                  printed_,
                                  awaitAnalysis_};
        return HTMLBtnClick(context, view_);
    }

    static std::unique_ptr<HtmlLibrary> library_;
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Folder().string();
    ScriptedView view_;
    LanguageTable languages_;
    tBoardSet boardSet_ = FourBoards();
    std::string line1_ = "Kesto Bridge Club";
    std::string line2_ = "Tuesday 8 December 2026";
    bool statsWithHtml_ = false;
    bool showDlrVul_ = true;
    std::string gifLocation_ = "gifs";
    bool suppressHTMLAlert_ = true;
    bool printed_ = false;
    // Unset, as with the makeable contracts off.
    std::function<const DealAnalyser*()> awaitAnalysis_;
};

std::unique_ptr<HtmlLibrary> HtmlExport::library_;

struct GoldenCase {
    const char* name;
    int language;
    bool showDlrVul;
    bool statistics;
    const char* gifLocation;
    const char* line1;
    const char* line2;
    const char* golden;
};

const GoldenCase kGoldenCases[] = {
    {"English", 1, true, false, "gifs", "Kesto Bridge Club", "Tuesday 8 December 2026",
     "export_english.htm"},
    {"EnglishStatistics", 1, true, true, "gifs/", "Kesto Bridge Club", "Tuesday 8 December 2026",
     "export_english_statistics.htm"},
    {"EnglishNoDealerVul", 1, false, false, "gifs", "Kesto Bridge Club", "Tuesday 8 December 2026",
     "export_english_no_dealer_vul.htm"},
    {"German", kGerman, true, false, "", "Bridgeclub K\xF6ln", "Dienstag, 8. Dezember 2026",
     "export_german.htm"},
    {"GermanStatistics", kGerman, true, true, "", "Bridgeclub K\xF6ln",
     "Dienstag, 8. Dezember 2026", "export_german_statistics.htm"},
};

// The four boards in each printing language, one page after the other: every word the page
// library gets from the language table, in all eight languages. The English page is the one
// export_english.htm holds.
TEST_F(HtmlExport, EveryLanguageMatchesTheGoldenPages) {
    std::string pages;
    for (int language = 1; language <= kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        languages_.SetCurrentLanguage(language);
        view_.saveResult.fileName = Page("language_" + std::to_string(language) + ".htm");
        ASSERT_EQ(Create(), HtmlExportOutcome::Written);
        pages += ReadFile(view_.saveResult.fileName);
    }
    const std::string english = Golden("export_english.htm");
    EXPECT_EQ(pages.substr(0, english.size()), english);
    EXPECT_EQ(pages, Golden("export_every_language.htm"));
}

// The hints suppressed (as the fixture has them), straight to the save dialog.
TEST_F(HtmlExport, SaveDialogAsksForAnHtmlFile) {
    ASSERT_EQ(Create(), HtmlExportOutcome::Written);
    EXPECT_TRUE(view_.hints.empty());
    EXPECT_TRUE(suppressHTMLAlert_);
    ASSERT_EQ(view_.saveRequests.size(), 1u);
    const FileDialogRequest& r = view_.saveRequests[0];
    EXPECT_EQ(r.title, "Save deals to HTML document");
    EXPECT_EQ(r.filter, "HTML files (*.htm)(*.html)|*.htm;*.html|All files (*.*)|*.*");
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.defaultExtension, "htm");
    EXPECT_EQ(r.initialDirectory, "/start/folder/");
    EXPECT_TRUE(r.promptOverwrite);
    EXPECT_FALSE(r.mustExist);
}

TEST_F(HtmlExport, HintsDialogTexts) {
    suppressHTMLAlert_ = false;
    Create();
    ASSERT_EQ(view_.hints.size(), 1u);
    const HtmlHintsTexts& t = view_.hints[0];
    EXPECT_EQ(t.label1,
              "If you have not used Kesto's HTML features before, there are two things you "
              "need to be aware of:");
    EXPECT_EQ(t.label2,
              "First, the four suit GIFs that come with Kesto (spade.gif, heart.gif, "
              "diamond.gif, and club.gif) must be copied to your web site.  In addition, one of "
              "the board GIFs must also be copied there.  (The board GIFs are named "
              "'board.gif' for English and have corresponding names for other languages. "
              "Whichever board GIF you use, you must name it 'board.gif' once it is on your "
              "web site.) You can find those GIFs in the directory /opt/kesto/GIF on this "
              "computer.");
    EXPECT_EQ(t.label3,
              "Second, the HTML page must 'know' where to find the GIFs on your web site.  You "
              "must supply that information on the Kesto Options Dialog, available by clicking "
              "on the Options Menu, then 'Other.'  If the GIFs are kept in the same directory "
              "on your web site as the HTML pages, you should leave the Location Edit Box on "
              "the Options Dialog blank.  If you have not done that already, you should do it "
              "now, and then click on 'Create' again.");
    EXPECT_EQ(t.label4, "Go to Options Dialog now?");
}

// Each answer of the hints dialog, with the check box each way.
struct HintsCase {
    const char* name;
    HtmlHintsAnswer answer;
    bool doNotShowAgain;
    HtmlExportOutcome outcome;
};

const HintsCase kHintsCases[] = {
    {"YesShowsTheOptions", HtmlHintsAnswer::Yes, false, HtmlExportOutcome::OptionsShown},
    {"YesTicked", HtmlHintsAnswer::Yes, true, HtmlExportOutcome::OptionsShown},
    {"NoGoesOn", HtmlHintsAnswer::No, false, HtmlExportOutcome::Written},
    {"NoTicked", HtmlHintsAnswer::No, true, HtmlExportOutcome::Written},
    {"CancelStops", HtmlHintsAnswer::Closed, false, HtmlExportOutcome::Cancelled},
    {"CancelTickedStillShowsTheHints", HtmlHintsAnswer::Closed, true, HtmlExportOutcome::Cancelled},
};

TEST_F(HtmlExport, HintsDialogAnswers) {
    for (const HintsCase& c : kHintsCases) {
        SCOPED_TRACE(c.name);
        view_ = ScriptedView();
        view_.saveResult = {true, Page(std::string(c.name) + ".htm"), 1};
        view_.hintsAnswer = {c.answer, c.doNotShowAgain};
        // The user changes the location and closes the options dialog with OK.
        view_.onOptions = [this] { gifLocation_ = "http://club.example/gif"; };
        suppressHTMLAlert_ = false;
        printed_ = false;

        EXPECT_EQ(Create(), c.outcome);
        EXPECT_EQ(view_.hints.size(), 1u);
        const bool cancelled = c.outcome == HtmlExportOutcome::Cancelled;
        EXPECT_EQ(suppressHTMLAlert_, c.doNotShowAgain && !cancelled);
        const bool written = c.outcome == HtmlExportOutcome::Written;
        EXPECT_EQ(view_.optionsShown, c.outcome == HtmlExportOutcome::OptionsShown ? 1 : 0);
        EXPECT_EQ(view_.saveRequests.size(), written ? 1u : 0u);
        EXPECT_EQ(fs::exists(view_.saveResult.fileName), written);
        EXPECT_EQ(printed_, written);
    }
}

TEST_F(HtmlExport, CancelledSaveDialogWritesNothing) {
    suppressHTMLAlert_ = false;
    view_.hintsAnswer = {HtmlHintsAnswer::No, true};
    view_.saveResult = {false, "", 1};
    EXPECT_EQ(Create(), HtmlExportOutcome::Cancelled);
    EXPECT_TRUE(suppressHTMLAlert_);  // set from the hints dialog all the same
    EXPECT_FALSE(printed_);
    EXPECT_TRUE(fs::is_empty(folder_));
    EXPECT_TRUE(view_.messages.empty());
}

TEST_F(HtmlExport, FailedPageNamesTheFileAndLeavesPrintedAlone) {
    statsWithHtml_ = true;
    const std::string missing = Page("no such folder") + "/page.htm";
    view_.saveResult = {true, missing, 1};
    EXPECT_EQ(Create(), HtmlExportOutcome::PageFailed);
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(view_.messages[0].text,
              "The HTML page " + missing +
                  " could not be written: the file could not be created (check that the folder "
                  "exists and that you may write there).");
    EXPECT_FALSE(printed_);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_FALSE(fs::exists(Page("no such folder")));

    // The failed attempt's deals are gone from the library: the next page has four boards.
    view_.saveResult = {true, Page("page.htm"), 1};
    EXPECT_EQ(Create(), HtmlExportOutcome::Written);
    EXPECT_EQ(ReadFile(Page("page.htm")), Golden("export_english_statistics.htm"));
    EXPECT_TRUE(printed_);
}

// A full disk, the old page in place: the page is made beside it, so the disk fills up
// there and the old page stays whole, with nothing left beside it.
TEST_F(HtmlExport, FullDiskStopsThePageAndKeepsTheOldOne) {
    test::SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const std::string page = disk.Path("club.htm");
    const std::string old = "<HTML>\r\nlast week's page\r\n</HTML>\r\n";
    ASSERT_TRUE(test::WriteBytes(page, old));
    ASSERT_TRUE(disk.Fill());
    for (const bool stats : {false, true}) {
        SCOPED_TRACE(stats);
        statsWithHtml_ = stats;
        view_.messages.clear();
        view_.saveResult = {true, page, 1};
        EXPECT_EQ(Create(), HtmlExportOutcome::PageFailed);
        ASSERT_EQ(view_.messages.size(), 1u);
        EXPECT_EQ(view_.messages[0].text, HtmlPageFailedText(page, 2));
        EXPECT_FALSE(printed_);
        EXPECT_EQ(ReadFile(page), old);
        EXPECT_EQ(test::FolderEntries(disk.Folder()),
                  (std::set<std::string>{"club.htm", std::string(test::SmallDisk::kFiller)}));
    }
}

// Room for the page but not for the page with its statistics: the old page stays as it was,
// nothing is left beside it, and the user is told that nothing was written.
TEST_F(HtmlExport, StatisticsThatDoNotFitLeaveTheOldPageAsItWas) {
    test::SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const std::string old = "<HTML>\r\nlast week's page\r\n</HTML>\r\n";
    ASSERT_TRUE(test::WriteBytes(disk.Path("club.htm"), old));
    ASSERT_TRUE(disk.Fill());
    const std::string filler = disk.Path(test::SmallDisk::kFiller);
    const std::string page = Golden("export_english.htm");
    constexpr std::uintmax_t kPageSize = 4096;
    const std::uintmax_t pagesNeeded = (page.size() + kPageSize - 1) / kPageSize;
    fs::resize_file(filler, fs::file_size(filler) - pagesNeeded * kPageSize);

    statsWithHtml_ = true;
    view_.saveResult = {true, disk.Path("club.htm"), 1};
    EXPECT_EQ(Create(), HtmlExportOutcome::StatisticsFailed);
    EXPECT_EQ(ReadFile(disk.Path("club.htm")), old);
    EXPECT_EQ(test::FolderEntries(disk.Folder()),
              (std::set<std::string>{"club.htm", std::string(test::SmallDisk::kFiller)}));
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(view_.messages[0].text, "The statistics could not be added to the HTML page " +
                                          disk.Path("club.htm") + " (cannot write " +
                                          disk.Path("club.htm") +
                                          ": No space left on device). The page was not written.");
    EXPECT_FALSE(printed_);
}

// A dangling link as the target is followed, as every save follows a link: the page is made
// where the link points and the link stays.
TEST_F(HtmlExport, APageThroughADanglingLinkIsMadeWhereTheLinkPoints) {
    fs::create_directory(Page("web"));
    fs::create_symlink("web/new.htm", Page("club.htm"));
    view_.saveResult = {true, Page("club.htm"), 1};
    ASSERT_EQ(Create(), HtmlExportOutcome::Written);
    EXPECT_TRUE(fs::is_symlink(Page("club.htm")));
    EXPECT_EQ(ReadFile(Page("web/new.htm")), Golden("export_english.htm"));
    EXPECT_EQ(test::FolderEntries(Page("web")), std::set<std::string>{"new.htm"});
}

TEST_F(HtmlExport, StatusTextsNameEveryLibraryError) {
    EXPECT_EQ(HtmlPageFailedText("a.htm", 2),
              "The HTML page a.htm could not be written: writing to the file failed (the disk "
              "may be full).");
    EXPECT_EQ(HtmlPageFailedText("a.htm", 3),
              "The HTML page a.htm could not be written: the file could not be closed (the "
              "disk may be full).");
    EXPECT_EQ(HtmlPageFailedText("a.htm", 4),
              "The HTML page a.htm could not be written: there was not enough memory.");
    EXPECT_EQ(HtmlPageFailedText("a.htm", 99),
              "The HTML page a.htm could not be written: the HTML library reported error 99.");
}

TEST_F(HtmlExport, EmptyBoardSetLeavesAnExistingFileAlone) {
    boardSet_.clear();
    statsWithHtml_ = true;
    {
        std::ofstream old(Page("page.htm"), std::ios::binary);
        old << "<HTML>\r\n</BODY>\r\n</HTML>";
    }
    EXPECT_EQ(Create(), HtmlExportOutcome::NoDeals);
    EXPECT_TRUE(view_.saveRequests.empty());
    ASSERT_EQ(view_.messages.size(), 1u);
    EXPECT_EQ(view_.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ReadFile(Page("page.htm")), "<HTML>\r\n</BODY>\r\n</HTML>");
    EXPECT_FALSE(printed_);
}

TEST_F(HtmlExport, NoLibraryNoCommand) {
    suppressHTMLAlert_ = false;
    HtmlExportContext context{boardSet_,
                              line1_,
                              line2_,
                              false,
                              HtmlPageOptions{languages_, true, ""},
                              nullptr,
                              "",
                              "",
                              suppressHTMLAlert_,
                              printed_};
    EXPECT_EQ(HTMLBtnClick(context, view_), HtmlExportOutcome::NotAvailable);
    EXPECT_TRUE(view_.hints.empty());
    EXPECT_TRUE(view_.saveRequests.empty());
}

TEST_F(HtmlExport, RecordsWithoutDealerAndVulnerabilityKeepBoardAndDeal) {
    const tDeal deal = FourBoards()[1];
    EXPECT_EQ(HtmlDealRecord(2, deal, true), DealRecord(2, deal));
    EXPECT_EQ(HtmlDealRecord(2, deal, false),
              "[Board \"2\"]|[Deal \"E:.AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432 "
              "AKQJT98765432...\"]");
}

TEST_F(HtmlExport, BatchWritesThePageWithoutAWindow) {
    const Status done = WriteHtmlPage(Page("batch.htm"), boardSet_, line1_, line2_, true,
                                      HtmlPageOptions{languages_, true, "gifs"}, *library_);
    EXPECT_TRUE(done.Ok()) << done.Reason();
    EXPECT_EQ(ReadFile(Page("batch.htm")), Golden("export_english_statistics.htm"));

    const std::string missing = Page("none") + "/batch.htm";
    const Status failed = WriteHtmlPage(missing, boardSet_, line1_, line2_, true,
                                        HtmlPageOptions{languages_, true, ""}, *library_);
    EXPECT_FALSE(failed.Ok());
    EXPECT_EQ(failed.Reason(), HtmlPageFailedText(missing, 1));

    const Status none = WriteHtmlPage(Page("none.htm"), {}, line1_, line2_, true,
                                      HtmlPageOptions{languages_, true, ""}, *library_);
    EXPECT_TRUE(none.IsNothingToDo()) << none.Reason();
    EXPECT_FALSE(fs::exists(Page("none.htm")));
}

// The page with every occurrence of rows taken out again; count says how many there were.
std::string Without(std::string page, const std::string& rows, std::size_t& count) {
    count = 0;
    for (std::size_t at = page.find(rows); at != std::string::npos; at = page.find(rows, at)) {
        page.erase(at, rows.size());
        ++count;
    }
    return page;
}

class HtmlExportAnalysis : public HtmlExport {
  protected:
    void SetUp() override {
        HtmlExport::SetUp();
        ASSERT_TRUE(analyser_.Analyse(boardSet_).Ok());
        awaitAnalysis_ = [this]() -> const DealAnalyser* {
            ++waits_;
            return &analyser_;
        };
    }

    // The rows of every board in the current language, on a page with its images in imageFolder.
    std::string Rows(std::string_view imageFolder) const {
        HtmlAnalysisWords words = HtmlAnalysisWordsOf(languages_);
        for (std::string& image : words.suitImages) {
            image.insert(image.find("SRC=\"") + 5, imageFolder);
        }
        return HtmlAnalysisRows(*analyser_.Find(boardSet_[0], 1), words);
    }

    FixedSolver solver_;
    DealAnalyser analyser_{solver_};
    int waits_ = 0;
};

// Each golden page byte for byte with the makeable contracts off; with them on, the same page
// but for every deal's table.
TEST_F(HtmlExportAnalysis, WholePagesMatchTheGoldenFilesWithEveryDealsTableOrWithout) {
    const std::function<const DealAnalyser*()> withAnalysis = awaitAnalysis_;
    for (const GoldenCase& c : kGoldenCases) {
        languages_.SetCurrentLanguage(c.language);
        showDlrVul_ = c.showDlrVul;
        statsWithHtml_ = c.statistics;
        gifLocation_ = c.gifLocation;
        line1_ = c.line1;
        line2_ = c.line2;
        for (const bool analysed : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (analysed ? " analysed" : ""));
            awaitAnalysis_ = analysed ? withAnalysis : nullptr;
            printed_ = false;
            view_.saveResult.fileName = Page(c.name + std::string(analysed ? "A.htm" : ".htm"));
            EXPECT_EQ(Create(), HtmlExportOutcome::Written);
            std::size_t tables = 0;
            const std::string rows = Rows(*c.gifLocation == '\0' ? "" : "gifs/");
            EXPECT_EQ(Without(ReadFile(view_.saveResult.fileName), rows, tables), Golden(c.golden));
            EXPECT_EQ(tables, analysed ? 4u : 0u);
            EXPECT_TRUE(printed_);
            EXPECT_TRUE(view_.messages.empty());
            EXPECT_TRUE(view_.hints.empty());
        }
    }
    EXPECT_EQ(waits_, static_cast<int>(std::size(kGoldenCases)));
    EXPECT_EQ(solver_.tableCalls.load(), 1);  // solved once, before the first page
}

TEST_F(HtmlExportAnalysis, ACancelledWaitLeavesTheOldPageAlone) {
    ASSERT_TRUE(ReplaceFileAtomically(view_.saveResult.fileName, "old page").Ok());
    awaitAnalysis_ = [this]() -> const DealAnalyser* {
        ++waits_;
        return nullptr;
    };
    statsWithHtml_ = true;
    EXPECT_EQ(Create(), HtmlExportOutcome::Cancelled);
    EXPECT_EQ(waits_, 1);
    EXPECT_EQ(ReadFile(view_.saveResult.fileName), "old page");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    EXPECT_FALSE(printed_);
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(view_.saveRequests.size(), 1u);  // asked after the file was chosen
}

TEST_F(HtmlExportAnalysis, NoWaitWhenThereIsNothingToWrite) {
    view_.saveResult = {false, "", 1};
    EXPECT_EQ(Create(), HtmlExportOutcome::Cancelled);
    boardSet_.clear();
    EXPECT_EQ(Create(), HtmlExportOutcome::NoDeals);
    EXPECT_EQ(waits_, 0);
}

TEST_F(HtmlExportAnalysis, TheBatchPutsItOnThePageToo) {
    const Status done =
        WriteHtmlPage(Page("batch.htm"), boardSet_, line1_, line2_, true,
                      HtmlPageOptions{languages_, true, "gifs"}, *library_, &analyser_);
    EXPECT_TRUE(done.Ok()) << done.Reason();
    std::size_t tables = 0;
    EXPECT_EQ(Without(ReadFile(Page("batch.htm")), Rows("gifs/"), tables),
              Golden("export_english_statistics.htm"));
    EXPECT_EQ(tables, 4u);
}

}  // namespace
}  // namespace kesto::test
