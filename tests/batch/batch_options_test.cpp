// The batch command's option list: the exact help text, and the README's option table naming
// the same options as the help.

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "kesto/batch/batch.h"
#include "kesto/platform/file_io.h"

namespace kesto::test {
namespace {

constexpr const char* kHelpText =
    "Kesto prepares the boards of a duplicate bridge game.\n"
    "\n"
    "  kesto                 start the desktop program\n"
    "  kesto batch [options] run one job without a window\n"
    "\n"
    "Batch options:\n"
    "  --seed N              start the generator at RandomState N (0..4294967295)\n"
    "                        instead of the clock\n"
    "  --generate N          deal N random boards (1..500), as \"Generate random deals\"\n"
    "  --secure              deal from the system's secure random source, as the\n"
    "                        option \"Deal with a secure random generator\" does\n"
    "  --plan TEXT           deal only boards that meet the plan, as \"Deal to a plan\":\n"
    "                        its lines \"count: condition\" separated by newlines deal\n"
    "                        the sum of their counts; a single condition without a\n"
    "                        count deals --generate N boards\n"
    "  --plan-file FILE      the same, with the plan read from a text file\n"
    "  --mix                 with a plan: the boards of all its lines in a random\n"
    "                        order, as \"Mix the themes\"; without it, line by line\n"
    "  --read FILE           read a deal file of any kind, as \"Read deals from file\"\n"
    "  --header1 TEXT        header line 1 (UTF-8 on the command line)\n"
    "  --header2 TEXT        header line 2\n"
    "  --list                print each board's deal record, one line per board\n"
    "  --analyse             after any --list output, one line per complete board with\n"
    "                        its double-dummy tricks, par score and par contract as PBN\n"
    "                        tags, whatever the stored options say; --print, --html and\n"
    "                        --save x.pbn then carry the makeable contracts and par\n"
    "  --save FILE           save the board set; the kind follows the extension:\n"
    "                        .dlm DLM, .dup DUP, .pbn a PBN 2.1 export file,\n"
    "                        anything else Kesto's own KST file;\n"
    "                        may be given more than once\n"
    "  --html FILE           write the HTML page through the HTML page library\n"
    "  --stats               with --html: insert the statistics section\n"
    "  --gif-location TEXT   with --html: the image location (default: the stored one)\n"
    "  --print               print as \"Print\" does, with the counts below\n"
    "                        (defaults 0/0/0, no curtain cards)\n"
    "  --copies N            copies with all hands (0..1000)\n"
    "  --sets N              sets of individual deal sheets (0..100)\n"
    "  --stat-sheets N       statistics sheets (0..1000)\n"
    "  --curtains            curtain cards, as the stored curtain options say\n"
    "  --output-folder DIR   printouts go to DIR as PDF files, whatever printer is\n"
    "                        chosen\n"
    "  --language NAME       the printing language for this run, by its name\n"
    "                        (English, Dansk, Deutsch, Dutch, Fran\xC3\xA7"
    "ais, Italiano,\n"
    "                        Polski, Svenska)\n"
    "  --help                show this text\n"
    "\n"
    "Batch reads the settings like the window and never writes them.\n"
    "Exit status: 0 done, 1 a failure (message on standard error), 2 a usage error.\n";

TEST(BatchHelpText, IsTheWholeOptionListWithTheirRanges) {
    EXPECT_EQ(BatchHelpText(), kHelpText);
}

// Every "--name VALUE" the help starts a line with.
std::set<std::string> OptionsInHelp() {
    std::set<std::string> options;
    std::istringstream lines(BatchHelpText());
    const std::regex option(R"(^  (--[a-z0-9-]+(?: [A-Z]+)?)  )");
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, option))
            options.insert(match[1]);
    }
    return options;
}

// Every `--name VALUE` quoted in the option table of the README's batch section.
std::set<std::string> OptionsInReadme() {
    const std::string readme = ReadWholeFile(KESTO_SOURCE_DIR "/README.md").ValueOr("");
    const std::size_t section = readme.find("\n## The batch command\n");
    const std::size_t sectionEnd = readme.find("\n## ", section + 1);
    std::set<std::string> options;
    std::istringstream lines(readme.substr(section, sectionEnd - section));
    const std::regex quoted(R"(`(--[a-z0-9-]+(?: [A-Z]+)?)`)");
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("| "))
            continue;
        for (std::sregex_iterator it(line.begin(), line.end(), quoted), end; it != end; ++it)
            options.insert((*it)[1]);
    }
    return options;
}

TEST(BatchHelpText, NamesTheSameOptionsAsTheReadmeTable) {
    const std::set<std::string> help = OptionsInHelp();
    EXPECT_GE(help.size(), 18u);
    EXPECT_TRUE(help.contains("--seed N"));
    EXPECT_TRUE(help.contains("--curtains"));
    EXPECT_EQ(OptionsInReadme(), help);
}

}  // namespace
}  // namespace kesto::test
