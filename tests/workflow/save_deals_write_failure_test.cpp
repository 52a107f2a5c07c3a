// Saving deals where the save cannot succeed: a full disk, a read-only disk, a folder
// without write permission, and a save killed at a random moment. The file already there
// must stay byte for byte as it was, the user must see the writer's error message, and a
// killed save must never leave a cut-off file under the target's name.

#include <gtest/gtest.h>

#include <functional>

#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/pbn_writer.h"
#include "kesto/options/settings_store.h"
#include "kesto/workflow/save_deals.h"
#include "tests/files/files_test_support.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/write_failure.h"

namespace kesto::test {
namespace {

struct DealFileKindCase {
    const char* name;
    const char* fileName;
    int filterIndex;  // of the save dialog
    // The message the user sees when writing to path fails for the given system reason.
    std::function<std::string(const std::string& path, const std::string& reason)> message;
    // The bytes the writer puts in the file.
    std::function<std::string(const tBoardSet&)> bytes;
};

constexpr char kHeader1[] = "Kesto Bridge Club";
constexpr char kHeader2[] = "Tuesday 8 December 2026";

const DealFileKindCase kKinds[] = {
    {"Kst", "club.KST", 1,
     [](const std::string& path, const std::string& reason) {
         return "Error writing " + path + " (" + reason +
                "). The deals were not saved; an existing file of that name is unchanged.";
     },
     [](const tBoardSet& boards) {
         return OwnDealFileText(boards, kHeader1, kHeader2, DealSource::Generate);
     }},
    {"Dlm", "club.DLM", 2,
     [](const std::string&, const std::string&) { return std::string("Error writing .DLM file."); },
     [](const tBoardSet& boards) {
         return DLMFileText(boards, kHeader1, kHeader2, DealSource::Generate);
     }},
    {"Dup", "club.DUP", 3,
     [](const std::string&, const std::string&) { return std::string("Error writing .DUP file."); },
     [](const tBoardSet& boards) { return DUPFileBytes(boards); }},
    {"Pbn", "club.pbn", 4,
     [](const std::string& path, const std::string& reason) {
         return "Error writing " + path + " (" + reason +
                "). The deals were not saved; an existing file of that name is unchanged.";
     },
     [](const tBoardSet& boards) {
         return PbnFileText({boards, kHeader1, kHeader2, std::nullopt});
     }},
};

class WriteFailureTest : public ::testing::TestWithParam<DealFileKindCase> {
  protected:
    // The Save button with the given file chosen in the dialog; settings in a folder that
    // stays writable, so only the deal file can fail.
    std::vector<ShownMessage> Save(const std::string& path, const tBoardSet& boards) {
        FakeUi ui;
        ui.dialogAnswers.push_back({true, path, GetParam().filterIndex});
        SettingsStore settings(settingsFolder_.Path("Kesto.reg"));
        SaveBtnClick(ui, settings, {{boards, kHeader1, kHeader2, DealSource::Generate}, {}});
        return ui.messages;
    }

    // The previous save: two boards, written by the writer under test.
    const tBoardSet before_ = RandomBoards(2, 1);
    // The new save: more boards, so the new file is bigger than the old one.
    const tBoardSet after_ = RandomBoards(30, 2);
    ScratchFolder settingsFolder_;
};

void ExpectOneError(const std::vector<ShownMessage>& shown, const std::string& text) {
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, MessageKind::Error);
    EXPECT_EQ(shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(shown[0].text, text);
}

TEST_P(WriteFailureTest, FullDiskKeepsThePreviousFileAndSaysSo) {
    SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const std::string path = disk.Path(GetParam().fileName);
    const std::string previous = GetParam().bytes(before_);
    ASSERT_TRUE(WriteBytes(path, previous));
    ASSERT_TRUE(disk.Fill());

    const std::vector<ShownMessage> shown = Save(path, after_);

    ExpectOneError(shown, GetParam().message(path, "No space left on device"));
    EXPECT_EQ(ReadBytes(path), previous);
    // No half-written temporary file is left to fill the disk further.
    EXPECT_EQ(FolderEntries(disk.Folder()),
              (std::set<std::string>{GetParam().fileName, std::string(SmallDisk::kFiller)}));
}

TEST_P(WriteFailureTest, ReadOnlyDiskKeepsThePreviousFileAndSaysSo) {
    SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Why();
    }
    const std::string path = disk.Path(GetParam().fileName);
    const std::string previous = GetParam().bytes(before_);
    ASSERT_TRUE(WriteBytes(path, previous));
    ASSERT_TRUE(disk.MakeReadOnly());

    const std::vector<ShownMessage> shown = Save(path, after_);

    ExpectOneError(shown, GetParam().message(path, "Read-only file system"));
    EXPECT_EQ(ReadBytes(path), previous);
}

TEST_P(WriteFailureTest, FolderWithoutWritePermissionKeepsThePreviousFileAndSaysSo) {
    ReadOnlyFolder folder;
    const std::string path = folder.Path(GetParam().fileName);
    const std::string previous = GetParam().bytes(before_);
    ASSERT_TRUE(WriteBytes(path, previous));
    ASSERT_TRUE(folder.Protect());
    if (folder.Writable()) {
        GTEST_SKIP() << "the folder stays writable for this user (root); the read-only disk "
                        "case covers it";
    }

    const std::vector<ShownMessage> shown = Save(path, after_);

    ExpectOneError(shown, GetParam().message(path, "Permission denied"));
    EXPECT_EQ(ReadBytes(path), previous);
}

TEST_P(WriteFailureTest, SaveKilledAtAnyMomentNeverLeavesACutOffFile) {
    ScratchFolder folder;
    const std::string path = folder.Path(GetParam().fileName);
    const DealFileKind kind = SaveKindOfFilterIndex(GetParam().filterIndex);
    const auto save = [&](int turn) {
        const tBoardSet& boards = turn % 2 == 0 ? after_ : before_;
        WriteDealFile(kind, path, {boards, kHeader1, kHeader2, DealSource::Generate});
    };
    EXPECT_TRUE(KillSavesAtRandom(path, save, GetParam().bytes(before_), GetParam().bytes(after_)));
}

INSTANTIATE_TEST_SUITE_P(DealFiles, WriteFailureTest, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<DealFileKindCase>& kindCase) {
                             return std::string(kindCase.param.name);
                         });

}  // namespace
}  // namespace kesto::test
