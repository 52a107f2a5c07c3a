#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tuple>

#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/pbn_writer.h"
#include "kesto/options/settings_store.h"
#include "kesto/workflow/read_deals.h"
#include "kesto/workflow/save_deals.h"
#include "tests/files/files_test_support.h"
#include "tests/options/stored_value.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

class SaveDeals : public ::testing::Test {
  protected:
    SaveDeals() : settings_{folder_.Path("settings.reg")} {}

    void StoreFileType(int fileType) { SettingsStore(settings_).Write(kFileType, fileType); }

    int StoredFileType() {
        const auto stored = StoredValue(settings_.path, kFileType.name);
        return stored ? static_cast<int>(stored->number) : -1;
    }

    void Answer(const std::string& fileName, int filterIndex) {
        ui_.dialogAnswers.push_back({true, fileName, filterIndex});
    }

    test::ScratchFolder folder_;
    const SettingsFile settings_;
    test::FakeUi ui_;
    const tBoardSet boards_ = {test::WorkedExampleDeal(), test::RotatedExampleDeal()};
    SaveRequest request_{{boards_, "Club night", "Monday", DealSource::Generate}};
};

// A stored FileType is one kind in both dialogs; a kind the save dialog does not list (the
// older text file), no one kind, or a number no kind has, shows the own file. Earlier versions
// stored 4 for the save dialog's PBN and for the read dialog's "All files": PBN in both.
TEST_F(SaveDeals, DialogFollowsTheStoredFileType) {
    const std::tuple<int, int, const char*> cases[] = {
        {1, 1, "KST"}, {2, 2, "DLM"}, {3, 3, "DUP"},  {4, 4, "pbn"}, {8, 7, "lin"},
        {5, 1, "KST"}, {0, 1, "KST"}, {-7, 1, "KST"}, {9, 1, "KST"}};
    for (const auto& [fileType, filterIndex, extension] : cases) {
        StoreFileType(fileType);
        EXPECT_FALSE(SaveBtnClick(ui_, settings_, request_));  // the fake cancels
        const FileDialogRequest& shown = ui_.saveRequests.back();
        EXPECT_EQ(shown.filterIndex, filterIndex) << "FileType " << fileType;
        EXPECT_EQ(shown.defaultExtension, extension) << "FileType " << fileType;
    }
    const FileDialogRequest& shown = ui_.saveRequests.back();
    EXPECT_EQ(shown.title, "Save deals to file");
    EXPECT_EQ(shown.filter,
              "Kesto (*.KST)|*.KST|Duplimate (*.DLM)|*.DLM|Duplimate (DOS version) (*.DUP)|*.DUP|"
              "PBN (*.pbn)|*.pbn|BRI dealing machine (*.BRI)|*.BRI|DGE dealing machine "
              "(*.DGE)|*.DGE|LIN for online play (*.lin)|*.lin");
    EXPECT_TRUE(shown.promptOverwrite);
    EXPECT_EQ(shown.initialDirectory, "");  // the window's documents folder
    EXPECT_EQ(shown.initialFileName, "");
    EXPECT_TRUE(ui_.messages.empty());
}

// Deals read from a file, or saved to one, save there again: the dialog opens in its folder
// with its name, on its kind's entry; a kind Kesto only reads keeps the name, not the
// extension, and the entry of the kind last saved.
TEST_F(SaveDeals, DealsWithAFileOpenTheDialogOnIt) {
    StoreFileType(2);
    const std::tuple<const char*, const char*, const char*, int> cases[] = {
        {"/club/evening.pbn", "/club/", "evening.pbn", 4},
        {"/club/machine.DUP", "/club/", "machine.DUP", 3},
        {"/club/old.txt", "/club/", "old", 2},
        {"/club/README", "/club/", "README", 2},
        {"evening.lin", "", "evening.lin", 7},
    };
    for (const auto& [fileName, folder, name, filterIndex] : cases) {
        request_.fileName = fileName;
        SaveBtnClick(ui_, settings_, request_);
        const FileDialogRequest& shown = ui_.saveRequests.back();
        EXPECT_EQ(shown.initialDirectory, folder) << fileName;
        EXPECT_EQ(shown.initialFileName, name) << fileName;
        EXPECT_EQ(shown.filterIndex, filterIndex) << fileName;
    }
}

TEST_F(SaveDeals, NoStoredFileTypeMeansTheOwnFile) {
    SaveBtnClick(ui_, settings_, request_);
    ASSERT_EQ(ui_.saveRequests.size(), 1u);
    EXPECT_EQ(ui_.saveRequests[0].filterIndex, 1);
    EXPECT_EQ(ui_.saveRequests[0].defaultExtension, "KST");
}

TEST_F(SaveDeals, CancelStoresNothingAndWritesNothing) {
    StoreFileType(2);
    SaveBtnClick(ui_, settings_, request_);
    EXPECT_EQ(StoredFileType(), 2);
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"settings.reg"});
}

// A typed extension of a kind Kesto saves picks that kind, whatever entry shows; any other name
// gets the entry's kind. The kind written is stored.
TEST_F(SaveDeals, TheTypedExtensionElseTheEntryPicksTheWriterAndIsStored) {
    struct Case {
        int filterIndex;
        const char* name;
        std::string expected;
        int storedFileType;
    };
    const std::string own = OwnDealFileText(boards_, "Club night", "Monday", DealSource::Generate);
    const std::string dlm = DLMFileText(boards_, "Club night", "Monday", DealSource::Generate);
    const std::string pbn = PbnFileText({boards_, "Club night", "Monday", std::nullopt});
    const Case cases[] = {
        {1, "a.KST", own, 1},
        {2, "b.DLM", dlm, 2},
        {3, "c.DUP", DUPFileBytes(boards_), 3},
        {4, "d.txt", pbn, 4},
        {4, "night", pbn, 4},
        {1, "e.dlm", dlm, 2},
        {1, "machine.dup", DUPFileBytes(boards_), 3},
        {2, "f.PBN", pbn, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Answer(folder_.Path(c.name), c.filterIndex);
        EXPECT_EQ(SaveBtnClick(ui_, settings_, request_), folder_.Path(c.name));
        EXPECT_EQ(test::FileBytes(folder_.Path(c.name)), c.expected);
        EXPECT_EQ(StoredFileType(), c.storedFileType);
    }
    EXPECT_TRUE(ui_.messages.empty());
}

// With the makeable contracts shown, only a PBN file waits for the analysis, and a wait that
// gives nothing (cancelled, or failed and said so) writes nothing; the file type is stored.
TEST_F(SaveDeals, OnlyAPbnFileWaitsForTheAnalysisAndACancelledWaitWritesNothing) {
    int waits = 0;
    request_.awaitAnalysis = [&waits]() -> const DealAnalyser* {
        ++waits;
        return nullptr;
    };
    Answer(folder_.Path("a.KST"), 1);
    SaveBtnClick(ui_, settings_, request_);
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(test::FileBytes(folder_.Path("a.KST")),
              OwnDealFileText(boards_, "Club night", "Monday", DealSource::Generate));

    Answer(folder_.Path("b.pbn"), 4);
    SaveBtnClick(ui_, settings_, request_);
    EXPECT_EQ(waits, 1);
    EXPECT_EQ(folder_.Entries(), (std::vector<std::string>{"a.KST", "settings.reg"}));
    EXPECT_EQ(StoredFileType(), 4);
    EXPECT_TRUE(ui_.messages.empty());
}

// A save that would save nothing says so, whatever the kind, and makes no file.
TEST_F(SaveDeals, EmptyBoardSetSaysNothingToPrintForEveryKind) {
    const tBoardSet none;
    const SaveRequest empty{{none, "", "", DealSource::Record}};
    for (const int filterIndex : {1, 2, 3, 4}) {
        SCOPED_TRACE(filterIndex);
        ui_.messages.clear();
        Answer(folder_.Path("empty"), filterIndex);
        EXPECT_FALSE(SaveBtnClick(ui_, settings_, empty));
        ASSERT_EQ(ui_.messages.size(), 1u);
        EXPECT_EQ(ui_.messages[0].kind, MessageKind::Plain);
        EXPECT_EQ(ui_.messages[0].text, "Nothing to print.");
    }
    EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"settings.reg"});
}

// The window refuses more than 99 boards for a DLM file as an error, and the old file stays.
TEST_F(SaveDeals, MoreThan99BoardsForADLMFileAreAnError) {
    const tBoardSet boards = test::RandomBoards(120);
    test::PutFile(folder_.Path("b.DLM"), "old");
    Answer(folder_.Path("b.DLM"), 2);
    SaveBtnClick(ui_, settings_, {{boards, "", "", DealSource::Generate}});
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(ui_.messages[0].text.rfind("A .DLM file holds at most 99 boards", 0), 0u);
    EXPECT_EQ(test::FileBytes(folder_.Path("b.DLM")), "old");
}

}  // namespace
}  // namespace kesto::test
