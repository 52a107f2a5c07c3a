// The statistics section and where it goes in the page the library wrote. Writing the page
// (a link followed, a full disk, nothing left beside it) is tested with the HTML export.

#include "kesto/stats/html_statistics.h"

#include <gtest/gtest.h>

#include <string>

#include "kesto/platform/file_io.h"
#include "tests/stats/stats_test_deals.h"

namespace kesto::test {
namespace {

std::string Golden(const char* name) {
    return ReadWholeFile(std::string(KESTO_TEST_DATA) + "/html/" + name).value;
}

// The board set whose statistics the golden page holds.
tStatistics GoldenStatistics() {
    return ComputeStatistics(
        {test::OneSuitEach(), test::Flat(), test::Mixed(), test::MixedTurned()});
}

TEST(HtmlStatistics, TheWholeSectionGoesBeforeTheBodyEnd) {
    const StatusOr<std::string> page =
        PageWithHtmlStatistics(Golden("statistics_page_before.htm"), GoldenStatistics(), ".");
    ASSERT_TRUE(page.status.Ok()) << page.status.Reason();
    EXPECT_EQ(page.value, Golden("statistics_page_after.htm"));
}

TEST(HtmlStatistics, FiguresUseTheGivenDecimalSeparator) {
    const std::string section = HtmlStatisticsSection(GoldenStatistics(), ",");
    EXPECT_NE(section.find("<TD>14,25</TD>"), std::string::npos);
    EXPECT_NE(section.find("<TD>6,50</TD>"), std::string::npos);
    EXPECT_EQ(section.find("14.25"), std::string::npos);
}

TEST(HtmlStatistics, SectionGoesInPlaceOfTheBodyEndAndWhatFollows) {
    const std::string tail = "</BODY>\r\n</HTML>\r\n";
    struct Case {
        const char* name;
        std::string page;
        std::string expected;  // "@" is where the section goes; "" when the page is refused
    };
    const Case cases[] = {
        {"library page without final line end", "<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>",
         "<HTML>\r\n<BODY>\r\n@" + tail},
        {"Unix line ends become CR LF", "<HTML>\n<BODY>\n<P>x</P>\n</BODY>\n</HTML>\n",
         "<HTML>\r\n<BODY>\r\n<P>x</P>\r\n@" + tail},
        {"lines after the body end are replaced",
         "<BODY>\r\n</BODY>\r\n</HTML>\r\n<!-- x -->\r\n</BODY>\r\n", "<BODY>\r\n@" + tail},
        {"body end as the very last line", "<HTML>\r\n<BODY>\r\n</BODY>\r\n",
         "<HTML>\r\n<BODY>\r\n@" + tail},
        {"body end as the last line without line end", "<HTML>\r\n<BODY>\r\n</BODY>",
         "<HTML>\r\n<BODY>\r\n@" + tail},
        {"only the whole exact line counts",
         "<BODY>\r\n</body>\r\n </BODY>\r\n</BODY> \r\n</BODY>\r\n</HTML>\r\n",
         "<BODY>\r\n</body>\r\n </BODY>\r\n</BODY> \r\n@" + tail},
        {"eight-bit text is kept",
         "<P>Fran\xE7"
         "ais</P>\r\n</BODY>\r\n</HTML>\r\n",
         "<P>Fran\xE7"
         "ais</P>\r\n@" +
             tail},
        {"no body end", "<HTML>\n<BODY>\n<P>x</P>\n</HTML>\n", ""},
    };
    const tStatistics statistics = ComputeStatistics({test::Mixed()});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StatusOr<std::string> page = PageWithHtmlStatistics(c.page, statistics, ".");
        if (c.expected.empty()) {
            EXPECT_EQ(page.status.Reason(), "the page has no \"</BODY>\" line");
            continue;
        }
        ASSERT_TRUE(page.status.Ok()) << page.status.Reason();
        std::string expected = c.expected;
        expected.replace(expected.find('@'), 1, HtmlStatisticsSection(statistics, "."));
        EXPECT_EQ(page.value, expected);
    }
}

}  // namespace
}  // namespace kesto::test
