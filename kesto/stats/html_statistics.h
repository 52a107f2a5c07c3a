#pragma once
// The statistics section of the HTML page: the three tables as HTML, put into a page the HTML
// page library has just written.

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

}  // namespace kesto
