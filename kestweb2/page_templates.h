#pragma once
// The fixed texts of the page: the head, the cell of one deal, and the small pieces between
// cells. Every template line ends with CR LF; the page closing text has no final line end.

#include <string>
#include <string_view>

namespace kesto::kestweb2 {

inline constexpr std::string_view kLineEnd = "\r\n";

// Page head placeholders.
inline constexpr std::string_view kPageTitlePlaceholder = "HTML Page Created with KESTWEB2.DLL";
inline constexpr std::string_view kTitle1Placeholder = "Title1";
inline constexpr std::string_view kTitle2Placeholder = "Title2";

// Deal cell placeholders.
inline constexpr std::string_view kDealHeaderPlaceholder = "DealHeader";

inline constexpr std::string_view kDealHeaderOpen = "<TR><TD COLSPAN=\"3\"><B>";
inline constexpr std::string_view kDealHeaderClose = "</B></TD></TR>\r\n";
inline constexpr std::string_view kRowBreak = "</TR>\r\n<TR>\r\n";
inline constexpr std::string_view kFillerCell = "<TD>&nbsp;</TD>";
inline constexpr std::string_view kLastRowClose = "</TR>";
inline constexpr std::string_view kPageClose = "</TABLE>\r\n</DIV>\r\n</BODY>\r\n</HTML>";

// The eleven lines of the page head, with its three placeholders.
const std::string& PageHeadTemplate();

// The forty lines of one deal cell, with the header, image and holding placeholders.
const std::string& DealCellTemplate();

}  // namespace kesto::kestweb2
