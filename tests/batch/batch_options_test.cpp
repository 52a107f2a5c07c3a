// The batch command's option list: the help's layout, and the README's option table naming
// the same options as the help.

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "kesto/batch/batch.h"
#include "kesto/files/deal_file_kinds.h"
#include "kesto/platform/file_io.h"

namespace kesto::test {
namespace {

// Every "--name VALUE" the help starts a line with.
std::set<std::string> OptionsInHelp() {
    std::set<std::string> options;
    std::istringstream lines(BatchHelpText());
    const std::regex option(R"(^  (--[a-z0-9-]+(?: [A-Z]+)?)  )");
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, option)) {
            options.insert(match[1]);
        }
    }
    return options;
}

// Every `--name VALUE` quoted in the option table of the README's batch section.
std::set<std::string> OptionsInReadme() {
    const std::string readme = ReadWholeFile(KESTO_SOURCE_DIR "/README.md").value;
    const std::size_t section = readme.find("\n## The batch command\n");
    const std::size_t sectionEnd = readme.find("\n## ", section + 1);
    std::set<std::string> options;
    std::istringstream lines(readme.substr(section, sectionEnd - section));
    const std::regex quoted(R"(`(--[a-z0-9-]+(?: [A-Z]+)?)`)");
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("| ")) {
            continue;
        }
        for (std::sregex_iterator it(line.begin(), line.end(), quoted), end; it != end; ++it) {
            options.insert((*it)[1]);
        }
    }
    return options;
}

// What the README comparison does not see: each option's text starts at one column, and so do
// its continuation lines; every range was filled in.
TEST(BatchHelpText, LinesUpItsOptionsAndFillsInTheirRanges) {
    std::istringstream lines(BatchHelpText());
    const std::regex option(R"(^  --[a-z0-9-]+(?: [A-Z]+)? +)");
    std::set<std::size_t> columns;
    int optionLines = 0;
    bool inOptions = false;
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(line.find('{'), std::string::npos) << line;
        if (line == "Batch options:" || (inOptions && line.empty())) {
            inOptions = !inOptions;
            continue;
        }
        if (!inOptions) {
            continue;
        }
        if (std::regex_search(line, match, option)) {
            ++optionLines;
            columns.insert(static_cast<std::size_t>(match.length(0)));
        } else {
            columns.insert(line.find_first_not_of(' '));
        }
    }
    EXPECT_EQ(static_cast<std::size_t>(optionLines), OptionsInHelp().size());
    EXPECT_EQ(columns.size(), 1u);
}

TEST(BatchHelpText, NamesTheSameOptionsAsTheReadmeTable) {
    const std::set<std::string> help = OptionsInHelp();
    EXPECT_GE(help.size(), 18u);
    EXPECT_TRUE(help.contains("--seed N"));
    EXPECT_TRUE(help.contains("--curtains"));
    EXPECT_EQ(OptionsInReadme(), help);
}

// The README's list of deal files has a row for each kind of the table, in its order.
TEST(DealFileKinds, AreTheReadmeListRowForRow) {
    const std::string readme = ReadWholeFile(KESTO_SOURCE_DIR "/README.md").value;
    std::size_t at = readme.find("\n## Deal files\n");
    for (const DealFileKindRow& kind : kDealFileKinds) {
        at = readme.find("\n| " + std::string(kind.name) + " | `." + std::string(kind.extension) +
                             "` | " + (kind.Saved() ? "reads, saves |" : "reads |"),
                         at);
        EXPECT_NE(at, std::string::npos) << kind.name;
    }
}

}  // namespace
}  // namespace kesto::test
