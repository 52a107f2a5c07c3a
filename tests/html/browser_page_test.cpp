// A page of 36 random boards with statistics, as a club's evening produces it: twelve full rows
// of three, every image reference pointing into the image folder. When KESTO_HTML_PAGE_OUT
// names a folder the page is left there as page.htm (scripts/html-page-check.sh opens it in
// a browser with the images beside it); otherwise it goes to a temporary folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/html/html_export.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/shared_library.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

namespace fs = std::filesystem;

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + what.size())) {
        ++n;
    }
    return n;
}

TEST(BrowserPage, ThirtySixBoardsWithStatistics) {
    const std::unique_ptr<HtmlLibrary> library = HtmlLibrary::Bind(
        LoadSharedLibrary(kHtmlLibraryName, {std::string(KESTO_BIN_DIR) + "/"}).value);
    ASSERT_NE(library, nullptr);

    const char* out = std::getenv("KESTO_HTML_PAGE_OUT");
    std::optional<ScratchFolder> scratch;
    const fs::path folder =
        out != nullptr && *out != '\0' ? fs::path(out) : scratch.emplace().Folder();
    fs::create_directories(folder);
    const std::string page = (folder / "page.htm").string();

    tBoardSet boardSet;
    RandomGenerator random(20261208);
    GenerateRandomDeals(boardSet, 36, random);
    LanguageTable languages;
    const Status result =
        WriteHtmlPage(page, boardSet, "Kesto Bridge Club", "Tuesday 8 December 2026", true,
                      HtmlPageOptions{languages, true, "GIF"}, *library);
    ASSERT_TRUE(result.Ok()) << result.Reason();

    std::ifstream file(page, std::ios::binary);
    const std::string html{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(Count(html, "<TD COLSPAN=\"3\"><B>Board "), 36u);
    EXPECT_EQ(Count(html, "</TD>\r\n</TR>\r\n<TR>\r\n<TD>\r\n"), 11u);  // twelve rows of three
    EXPECT_EQ(Count(html, "</TD>\r\n</TR></TABLE>\r\n"), 1u);           // no filler cells
    EXPECT_NE(html.find("<B>Board 36 / Dlr: W / Vul: Both</B>"), std::string::npos)
        << "board 36 is the fourth board of the third cycle of sixteen";
    EXPECT_EQ(Count(html, "SRC=\"GIF/spade.gif\""), 4u * 36u);
    EXPECT_EQ(Count(html, "SRC=\"GIF/board.gif\""), 36u);
    EXPECT_EQ(Count(html, "<H2>Statistics</H2>"), 1u);
    EXPECT_TRUE(html.ends_with("</BODY>\r\n</HTML>\r\n"));
}

}  // namespace
}  // namespace kesto::test
