// Saves that cannot succeed, one row per writer: every writer replaces its file through
// ReplaceFileAtomically (whose failing places are tested with it), so here a limit on the
// size of a file stands for them all. The file already there must stay byte for byte as it
// was, the user must see the writer's own message, and a save killed at a random moment must
// never leave a cut-off file under the target's name.

#include <gtest/gtest.h>

#include <functional>

#include "kesto/files/bri_file.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/options/settings_store.h"
#include "kesto/workflow/save_deals.h"
#include "tests/files/files_test_support.h"
#include "tests/support/case_name.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/write_failure.h"

namespace kesto::test {
namespace {

constexpr char kHeader1[] = "Kesto Bridge Club";
constexpr char kHeader2[] = "Tuesday 8 December 2026";

using Messages = std::vector<std::string>;

struct WriterCase {
    const char* name;
    const char* fileName;
    // Saves the board set at path as the program does; the messages the user is given.
    std::function<Messages(const std::string& path, const tBoardSet& boards)> save;
    // The message of a save at path that failed for the system's reason.
    std::function<std::string(const std::string& path, const std::string& reason)> message;
};

// The Save button with path chosen under the dialog's filter. Every message is an error with
// an OK button, and the filter is stored as the file type before the file is written, so it
// holds even after a failure.
std::function<Messages(const std::string&, const tBoardSet&)> SaveButton(int filterIndex) {
    return [filterIndex](const std::string& path, const tBoardSet& boards) {
        const ScratchFolder settingsFolder;
        const SettingsFile settings{settingsFolder.Path("Kesto.reg")};
        FakeUi ui;
        ui.dialogAnswers.push_back({true, path, filterIndex});
        SaveBtnClick(ui, settings, {{boards, kHeader1, kHeader2, DealSource::Generate}, {}});
        Messages texts;
        for (const ShownMessage& shown : ui.messages) {
            EXPECT_EQ(shown.kind, MessageKind::Error);
            EXPECT_EQ(shown.buttons, MessageButtons::Ok);
            texts.push_back(shown.text);
        }
        EXPECT_EQ(SettingsStore(settingsFolder.Path("Kesto.reg")).Read(kFileType), filterIndex);
        return texts;
    };
}

Messages MessageOf(const Status& result) {
    return result.Ok() ? Messages{} : Messages{result.Reason()};
}

std::string DealsNotSaved(const std::string& path, const std::string& reason) {
    return "Error writing " + path + " (" + reason +
           "). The deals were not saved; an existing file of that name is unchanged.";
}

// The settings file, written as the program writes a value: the board count as NumHands and
// a header long enough to pass the size limit. Its failures become notices.
Messages StoreSettings(const std::string& path, const tBoardSet& boards) {
    TakeSettingsNotices();
    {
        SettingsStore store(path);
        store.Write(kNumHands, static_cast<std::int32_t>(boards.size()));
        store.WriteString("Header1", std::string(100 * boards.size(), 'h'));
    }
    return TakeSettingsNotices();
}

const WriterCase kWriters[] = {
    {"Kst", "club.KST", SaveButton(1), DealsNotSaved},
    {"Dlm", "club.DLM", SaveButton(2),
     [](const std::string&, const std::string&) {
         return std::string("Error writing .DLM file.");
     }},
    {"Dup", "club.DUP", SaveButton(3),
     [](const std::string&, const std::string&) {
         return std::string("Error writing .DUP file.");
     }},
    {"Pbn", "club.pbn", SaveButton(4), DealsNotSaved},
    {"Bri", "club.bri",
     [](const std::string& path, const tBoardSet& boards) {
         return MessageOf(WriteBRIFile(path, boards));
     },
     DealsNotSaved},
    {"Dge", "club.dge",
     [](const std::string& path, const tBoardSet& boards) {
         return MessageOf(WriteDGEFile(path, boards));
     },
     DealsNotSaved},
    {"Lin", "club.lin",
     [](const std::string& path, const tBoardSet& boards) {
         return MessageOf(WriteLINFile(path, boards, kHeader1, kHeader2));
     },
     DealsNotSaved},
    {"Settings", "Kesto.reg", StoreSettings,
     [](const std::string& path, const std::string& reason) {
         return "Kesto could not save its settings in " + path + " (cannot write " + path + ": " +
                reason + "), so the settings changed during this run are not kept.";
     }},
};

class WriteFailureTest : public ::testing::TestWithParam<WriterCase> {
  protected:
    // The previous save: two boards. The new save: more boards, so the new file is bigger.
    const tBoardSet before_ = RandomBoards(2, 1);
    const tBoardSet after_ = RandomBoards(30, 2);
    ScratchFolder folder_;
    const std::string path_ = folder_.Path(GetParam().fileName);
};

TEST_P(WriteFailureTest, AFailedSaveKeepsThePreviousFileAndGivesTheWritersMessage) {
    ASSERT_EQ(GetParam().save(path_, before_), Messages{});
    const std::string previous = ReadBytes(path_);
    ASSERT_FALSE(previous.empty());
    Messages shown;
    {
        // Smaller than every new file, larger than the settings file the Save button writes.
        const FileSizeLimit limit(1024);
        ASSERT_TRUE(limit.Ok());
        shown = GetParam().save(path_, after_);
    }
    EXPECT_EQ(shown, Messages{GetParam().message(path_, "File too large")});
    EXPECT_EQ(ReadBytes(path_), previous);
    EXPECT_EQ(FolderEntries(folder_.Folder().string()),
              (std::set<std::string>{GetParam().fileName}));
}

TEST_P(WriteFailureTest, SaveKilledAtAnyMomentNeverLeavesACutOffFile) {
    ASSERT_EQ(GetParam().save(path_, after_), Messages{});
    const std::string second = ReadBytes(path_);
    ASSERT_EQ(GetParam().save(path_, before_), Messages{});
    const std::string first = ReadBytes(path_);
    const auto save = [&](int turn) { GetParam().save(path_, turn % 2 == 0 ? after_ : before_); };
    EXPECT_TRUE(KillSavesAtRandom(path_, save, first, second));
}

INSTANTIATE_TEST_SUITE_P(Writers, WriteFailureTest, ::testing::ValuesIn(kWriters), CaseName());

}  // namespace
}  // namespace kesto::test
