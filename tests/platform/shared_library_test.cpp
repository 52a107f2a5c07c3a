#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "kesto/platform/file_io.h"
#include "kesto/platform/program_files.h"
#include "kesto/platform/shared_library.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

namespace fs = std::filesystem;

TEST(SharedLibraryTest, FindsTheLibraryBesideTheProgram) {
    // The test program is built into the same folder as the libraries, with the manual.
    EXPECT_EQ(ProgramLibraryFolder(), ProgramDirectory());
    LibraryLoad library = LoadSharedLibrary("KESTWEB2.DLL");
    ASSERT_TRUE(library.status.Ok()) << library.status.Reason();
    EXPECT_EQ(library.value->Path(), ProgramDirectory() + "libkestweb2.so");
    EXPECT_NE(library.value->Entry("AddDeal"), nullptr);
    EXPECT_EQ(library.value->Entry("NoSuchEntry"), nullptr);
}

// Runs in a folder of its own, the current folder while it lives, holding the library that
// marks the current folder when its code runs and, beside it, a damaged one.
class PlantedLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(KESTO_PLANTED_LIBRARY, Here("libkestplant.so"));
        fs::create_directory(Here("damaged"));
        ASSERT_TRUE(ReplaceFileAtomically(Here("damaged/libkestplant.so"), "no library").Ok());
        ASSERT_EQ(::chdir(Here("").c_str()), 0);
    }
    void TearDown() override { fs::current_path(before_); }
    std::string Here(const std::string& name) const { return scratch_.Path(name); }

    const fs::path before_ = fs::current_path();
    ScratchFolder scratch_;
};

TEST_F(PlantedLibraryTest, OnlyTheProgramsFolderIsLoadedFromAndTheMessageNamesIt) {
    const std::string program = ProgramLibraryFolder();
    const struct {
        const char* label;
        std::optional<std::vector<std::string>> folders;  // none: the program's own
        std::string reason;                               // "" when it loads
    } cases[] = {
        // The program's folder lacks it: the planted one in the current folder stays unloaded.
        {"program", std::nullopt,
         "libkestplant.so is missing from " + program.substr(0, program.size() - 1) +
             ": install Kesto again."},
        {"relative", std::vector<std::string>{"./"},
         "libkestplant.so cannot be found: Kesto cannot tell which folder it runs from. Install "
         "Kesto again."},
        {"damaged", std::vector<std::string>{Here("damaged/")},
         "libkestplant.so in " + Here("damaged") +
             " cannot be loaded (file too short): install Kesto again."},
        // Asked for by its folder, it loads and its code runs: the marker is no false alarm.
        {"asked", std::vector<std::string>{"/nonexistent/", Here("")}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const LibraryLoad load = c.folders ? LoadSharedLibrary("KESTPLANT.DLL", *c.folders)
                                           : LoadSharedLibrary("KESTPLANT.DLL");
        EXPECT_EQ(load.status.Reason(), c.reason);
        EXPECT_EQ(load.value != nullptr, c.reason.empty());
        EXPECT_EQ(fs::exists(Here("planted-library-ran")), c.reason.empty());
    }
}

}  // namespace
}  // namespace kesto::test
