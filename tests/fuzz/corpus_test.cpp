// Every seed of every fuzz target, fed to the same check the target runs: the corpora are
// the golden files and worked examples, so this is the fuzz targets' floor in the plain suite.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/fuzz/reader_checks.h"
#include "tests/support/case_name.h"

namespace kesto::test {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Corpus : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(Corpus, EverySeedPassesItsCheck) {
    const std::filesystem::path folder =
        std::filesystem::path(KESTO_FUZZ_CORPUS) / std::string(GetParam().name);
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            ++seeds;
            EXPECT_EQ(GetParam().check(ReadBytes(entry.path())), "") << entry.path();
        }
    }
    EXPECT_GT(seeds, 0) << "no seed in " << folder;
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Corpus, ::testing::ValuesIn(FuzzTargets()), CaseName());

}  // namespace
}  // namespace kesto::test
