#include <gtest/gtest.h>

#include "kesto/platform/shared_library.h"

namespace kesto::test {
namespace {

TEST(SharedLibraryTest, LogicalNamesMapToPlatformFiles) {
    EXPECT_EQ(PlatformLibraryFileName("KESTWEB2.DLL"), "libkestweb2.so");
    EXPECT_EQ(PlatformLibraryFileName("KESTPRT3.DLL"), "libkestprt3.so");
}

TEST(SharedLibraryTest, FindsTheLibraryBesideTheProgram) {
    // The test program is built into the same folder as the libraries.
    auto library = LoadSharedLibrary("KESTWEB2.DLL");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->Path(), ProgramDirectory() + "libkestweb2.so");
    EXPECT_NE(library->Entry("AddDeal"), nullptr);
    EXPECT_EQ(library->Entry("NoSuchEntry"), nullptr);
}

TEST(SharedLibraryTest, MissingLibraryGivesNull) {
    EXPECT_EQ(LoadSharedLibrary("NOSUCHLIB.DLL"), nullptr);
    EXPECT_EQ(LoadSharedLibrary("KESTWEB2.DLL", {"/nonexistent/"}), nullptr);
}

}  // namespace
}  // namespace kesto::test
