// "&Create" on the print page through the main window's logic: the window's flags, the hints
// dialog's choice kept across runs, the save dialog's folder, and the real page library.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "kesto/html/html_export.h"
#include "kesto/platform/program_files.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

// The window's side of the command, over the scripted main window.
class ScriptedHtmlView final : public HtmlExportView {
  public:
    explicit ScriptedHtmlView(FakeMainWindowView& window) : window_(window) {}
    Ui& Dialogs() override { return window_; }
    HtmlHintsResult THTMLWarnDlg(const HtmlHintsTexts& texts) override {
        hints.push_back(texts);
        return answer;
    }
    void ShowOptionsOnOtherPage() override { ++optionsShown; }

    HtmlHintsResult answer{HtmlHintsAnswer::No, false};
    std::vector<HtmlHintsTexts> hints;
    int optionsShown = 0;

  private:
    FakeMainWindowView& window_;
};

class CreateHtml : public WorkflowTest {
  protected:
    CreateHtml() {
        main.boardSet = tBoardSet(4, FullDeal());
        main.Edit17Change("Club night");
        page = (settings.Folder() / "club.htm").string();
        view.saveResult = {true, page, 1};
    }
    void Create() { main.CreateBtnClick(html, HtmlPageOptions{languages, true, ""}); }
    std::string Page() const {
        std::ifstream file(page, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    ScriptedHtmlView html{view};
    std::string page;
};

TEST_F(CreateHtml, WritesThePageAndSetsPrinted) {
    ASSERT_NE(main.Html(), nullptr);
    main.StatsWithHtmlClick(true);
    Create();
    ASSERT_EQ(html.hints.size(), 1u);
    EXPECT_TRUE(html.hints[0].label2.ends_with(ProgramDataFolder() + "GIF on this computer."));
    ASSERT_EQ(view.saveRequests.size(), 1u);
    EXPECT_EQ(view.saveRequests[0].initialDirectory, "");  // the window's documents folder
    const std::string written = Page();
    EXPECT_NE(written.find("<TITLE>Club night </TITLE>"), std::string::npos);
    EXPECT_NE(written.find("<B>Board 4 / Dlr: W / Vul: Both</B>"), std::string::npos);
    EXPECT_NE(written.find("<H2>Statistics</H2>"), std::string::npos);
    EXPECT_TRUE(main.Printed);
    EXPECT_TRUE(view.messages.empty());
}

// Each file dialog opens where a file of its kind was last chosen, outside ASCII too: the
// read and save dialogs share the deal files' folder, the web page has its own.
TEST_F(CreateHtml, EachFileDialogOpensWhereItsKindOfFileWasLastChosen) {
    const std::string deals = (settings.Folder() / "Z\xC3\xBCrich").string() + "/";
    std::filesystem::create_directory(deals);
    Create();
    view.saveResult = {true, deals + "club.KST", 1};
    main.SaveBtnClick();
    view.saveResult = {true, page, 1};
    Create();
    main.RadioGroup1Click(DealSource::ReadFromFile);
    view.openResult = {true, deals + "club.KST", 2};
    main.NextBtnClick();
    ASSERT_EQ(view.saveRequests.size(), 3u);
    EXPECT_EQ(view.saveRequests[1].initialDirectory, "");
    EXPECT_EQ(view.saveRequests[2].initialDirectory, settings.Folder().string() + "/");
    ASSERT_EQ(view.openRequests.size(), 1u);
    EXPECT_EQ(view.openRequests[0].initialDirectory, deals);
    EXPECT_EQ(main.boardSet.size(), 4u);
}

// Ticked once and saved at shutdown: the next run goes straight to the save dialog.
TEST_F(CreateHtml, DoNotShowAgainHoldsInLaterRuns) {
    html.answer = {HtmlHintsAnswer::No, true};
    Create();
    EXPECT_TRUE(main.SuppressHTMLAlert);
    main.FormClose();

    FakeMainWindowView laterView;
    TKestoMain later(laterView, clock, languages, {settings.Path()}, BuiltLibraries());
    later.FormCreate();
    EXPECT_TRUE(later.SuppressHTMLAlert);
    later.boardSet = tBoardSet(1, FullDeal());
    laterView.saveResult = {true, page, 1};
    ScriptedHtmlView laterHtml(laterView);
    later.CreateBtnClick(laterHtml, HtmlPageOptions{languages, true, ""});
    EXPECT_TRUE(laterHtml.hints.empty());
    EXPECT_EQ(laterView.saveRequests.size(), 1u);
    EXPECT_TRUE(later.Printed);
}

}  // namespace
}  // namespace kesto::test
