#pragma once
// The statistics section of the HTML page: the three tables as HTML, inserted into a page
// the HTML page library has just written.

#include <string>
#include <string_view>

#include "kesto/platform/status.h"
#include "kesto/stats/statistics.h"

namespace kesto {

// The section's lines, each ending in CR LF, from "<DIV ALIGN="center">" to the empty line
// after "</DIV>".
std::string HtmlStatisticsSection(const tStatistics& statistics,
                                  std::string_view decimalSeparator = LocaleDecimalSeparator());

// The page with the section in place of its first line "</BODY>" (the whole line, exact
// case) and everything after it, then "</BODY>" and "</HTML>"; the lines before it keep
// their text with CR LF line ends. Fails for a page without a "</BODY>" line.
StatusOr<std::string> PageWithHtmlStatistics(std::string_view page, const tStatistics& statistics,
                                             std::string_view decimalSeparator);

// "The statistics could not be added to the HTML page <pagePath> (<why>)."
std::string StatisticsNotAddedText(const std::string& pagePath, const std::string& why);

// Inserts the section into the page at pagePath in place of its first line "</BODY>" (the
// whole line, exact case) and everything after it, then writes "</BODY>" and "</HTML>". The
// lines before it are kept with CR LF line ends. The new page is built in memory and
// replaces the old one atomically (through a symbolic link, the link's target), so on any
// failure, and for a page without a "</BODY>" line, the page stays exactly as it was and the
// reason says why (a sentence for the user).
Status InsertHtmlStatistics(const std::string& pagePath, const tStatistics& statistics,
                            std::string_view decimalSeparator = LocaleDecimalSeparator());

}  // namespace kesto
