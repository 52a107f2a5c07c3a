#pragma once
// The makeable contracts on the HTML page: under each deal a caption, a table of the highest
// level each declarer (N, S, E, W) makes in each strain (NT and the four suits; "-" where not
// even one is made) and the par line ("Par: 1S+2 EW, NS -140": the par contract with its
// result, and North-South's score as the PBN file's OptimumScore gives it), added to the page
// the HTML page library has just written, as the statistics section is. The suits are the
// page's own suit images.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/analysis/deal_analysis.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/status.h"

namespace kesto {

// The words of one language the table is written with (Windows-1252), and the suits' images.
struct HtmlAnalysisWords {
    std::array<std::string, 4> seatLetters{"N", "E", "S", "W"};  // clockwise from North
    AnalysisWords words = BuiltInAnalysisWords(1);
    // Spades, hearts, diamonds, clubs: the image tags of a page with no image location.
    // PageWithHtmlAnalysis takes the page's own tags from its deal cells.
    std::array<std::string, 4> suitImages{
        R"(<IMG SRC="spade.gif" ALT="S" HEIGHT="14" WIDTH="13">)",
        R"(<IMG SRC="heart.gif" ALT="H" HEIGHT="14" WIDTH="13">)",
        R"(<IMG SRC="diamond.gif" ALT="D" HEIGHT="14" WIDTH="13">)",
        R"(<IMG SRC="club.gif" ALT="C" HEIGHT="14" WIDTH="13">)"};
};

// The current language's seat letters (slots 13..16) and analysis words.
HtmlAnalysisWords HtmlAnalysisWordsOf(const LanguageTable& languages);

// The rows added at the end of a deal's cell, each line ending in CR LF.
std::string HtmlAnalysisRows(const DealAnalysis& analysis, const HtmlAnalysisWords& words);

// The page with HtmlAnalysisRows of analyses[i] added to its i-th deal cell (a null entry adds
// nothing: an incomplete deal has no analysis), its suits drawn with the image tags the cell's
// hands use. Every other byte stays as the library wrote it. Fails, with a sentence for the user,
// when the page does not hold one deal cell for each entry.
StatusOr<std::string> PageWithHtmlAnalysis(std::string_view page,
                                           const std::vector<const DealAnalysis*>& analyses,
                                           const HtmlAnalysisWords& words);

// "The makeable contracts could not be added to the HTML page <pagePath> (<why>)."
std::string AnalysisNotAddedText(const std::string& pagePath, const std::string& why);

}  // namespace kesto
