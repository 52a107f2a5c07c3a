#include "kesto/workflow/read_deals.h"

#include <gtest/gtest.h>

#include "tests/files/files_test_support.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

TEST(ReadDealFile, AFileThatReadsShowsNothing) {
    test::FakeUi ui;
    DealFileContents contents;
    ASSERT_TRUE(ReadDealFile(test::DataPath("kst/y_two_generated_boards.kst"), ui, contents));
    EXPECT_EQ(contents.boardSet.size(), 2u);
    EXPECT_TRUE(ui.messages.empty());
}

// The reader's reason reaches the user as it is: one error with an OK button.
TEST(ReadDealFile, AFailureShowsTheReasonAsAnErrorWithOk) {
    test::ScratchFolder folder;
    const std::string gone = folder.Path("vanished.kst");
    const std::string broken = test::DataPath("dup/n_letter_in_card_field.dup");
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {gone, "Cannot open " + gone + ": No such file or directory."},
        {folder.Folder().string(), folder.Folder().string() + " is not a file."},
        {broken, "Error reading " + broken + "."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        test::FakeUi ui;
        DealFileContents contents;
        contents.boardSet.resize(2);
        EXPECT_FALSE(ReadDealFile(c.path, ui, contents));
        EXPECT_TRUE(contents.boardSet.empty());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(ui.messages[0].text, c.message);
    }
}

}  // namespace
}  // namespace kesto::test
