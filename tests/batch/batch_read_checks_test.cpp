// The batch command gives deals read from a file the checks the window gives them: an
// impossible deal is refused by the reader, a short or empty deal (the last one too: a file
// keeps every board) stops the job where the window would stop on the hand-entry page, with
// the window's message and exit status 1, and nothing is listed, saved or put on a page.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>

#include "kesto/batch/batch.h"
#include "kesto/platform/file_io.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worked_example.h"

namespace kesto::test {
namespace {

const std::string& kWorked = kWorkedHands;
// The worked example less West's four of clubs: 51 cards.
const std::string kFiftyOne = kWorkedHands.substr(0, kWorkedHands.size() - 1);

class BatchReadChecks : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("KESTO_SETTINGS", Path("Kesto.reg").c_str(), 1); }
    void TearDown() override { ::unsetenv("KESTO_SETTINGS"); }

    // Reads the bytes as a deal file, lists, saves and writes a page of what was read.
    int ReadListSave(const std::string& bytes) {
        EXPECT_TRUE(ReplaceFileAtomically(Path("in.kst"), bytes).Ok());
        out_.str("");
        err_.str("");
        BatchServices services;
        services.settingsPath = Path("Kesto.reg");
        return RunBatch({"--read", Path("in.kst"), "--list", "--save", Path("out.kst"), "--html",
                         Path("out.htm")},
                        out_, err_, services);
    }
    std::string Path(const std::string& name) const { return (scratch_.Folder() / name).string(); }

    ScratchFolder scratch_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(BatchReadChecks, DealsTheWindowWouldStopOnStopTheJobWithItsMessage) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;  // the whole of standard error
    };
    const std::string cutLegacy =
        "Kesto 3.1 Hands randomly generated.\r\nA\r\nB\r\n\r\n"
        "N AK97.QJ4.T852.A3\r\nE QT3.AK72.Q64.KJ9\r\n"
        "S J85.T983.AK.Q762\r\nW 642.65.J973.T8";
    const Case cases[] = {
        {"entered file, 51 cards", OwnFile({kWorked, kFiftyOne}, false),
         "kesto batch: Deal 2 has only 51 cards.\n"},
        {"generated file, 51 cards", OwnFile({kFiftyOne, kWorked}, true),
         "kesto batch: Deal 1 has only 51 cards.\n"},
        {"legacy file cut in its last hand", cutLegacy, "kesto batch: Deal 1 has only 50 cards.\n"},
        {"a deal without cards before others", OwnFile({"- - - -", kWorked}, false),
         "kesto batch: Deal 1 has no cards.\n"},
        {"generated, a deal without cards", OwnFile({kWorked, "...", kWorked}, true),
         "kesto batch: Deal 2 has no cards.\n"},
        {"only deals without cards", OwnFile({"- - - -", "..."}, false),
         "kesto batch: Deals 1 and 2 have no cards.\n"},
        {"generated, only deals without cards", OwnFile({"- - - -", "..."}, true),
         "kesto batch: Deals 1 and 2 have no cards.\n"},
        // A file keeps every board: one without cards at the end is named, not dropped.
        {"generated, a deal without cards at the end", OwnFile({kWorked, kWorked, "- - - -"}, true),
         "kesto batch: Deal 3 has no cards.\n"},
        {"entered, a deal without cards at the end", OwnFile({kWorked, kWorked, "- - - -"}, false),
         "kesto batch: Deal 3 has no cards.\n"},
        {"PBN, a deal without cards at the end",
         "[Deal \"N:" + kWorked + "\"]\r\n\r\n[Deal \"N:- - - -\"]\r\n",
         "kesto batch: Deal 2 has no cards.\n"},
        {"LIN, the last board's md pair mistyped",
         "qx|o1|md|3SJ85HT983DAKCQ762,S642H65DJ973CT854,SAK97HQJ4DT852CA3,|\r\nqx|o2|nd|3|\r\n",
         "kesto batch: Error reading " + Path("in.kst") +
             ". Board 2 has no deal: its md pair is missing.\n"},
        {"an impossible deal", OwnFile({kWorked + std::string(" -")}, true),
         "kesto batch: Error reading " + Path("in.kst") + ". Board 1 has more than four hands.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadListSave(c.bytes), 1);
        EXPECT_EQ(err_.str(), c.message);
        EXPECT_EQ(out_.str(), "");
        EXPECT_FALSE(std::filesystem::exists(Path("out.kst")));
        EXPECT_FALSE(std::filesystem::exists(Path("out.htm")));
    }
}

}  // namespace
}  // namespace kesto::test
