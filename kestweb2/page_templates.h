#pragma once
// The fixed texts of the page: the head, the cell of one deal, and the small pieces between
// cells. Every template line ends with CR LF; the page closing text has no final line end.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// A template cut at its placeholders. The placeholders are looked for in the template alone,
// once, so a text put in for one placeholder is never searched for another: whatever the
// caller's texts hold, the result grows only by what is put in.
class FillableTemplate {
  public:
    // Every occurrence of each name in text becomes a slot for that name. Names must not
    // overlap one another in the text.
    FillableTemplate(std::string_view text, std::span<const std::string_view> names);

    // The template with each slot replaced by the value of its name (values[i] for names[i]).
    std::string Fill(std::span<const std::string> values) const;

  private:
    std::string text_;
    struct Piece {
        std::size_t from, length;  // literal text before the slot, in text_
        std::size_t name;          // index of the slot's name; kNoSlot after the last literal
    };
    static constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);
    std::vector<Piece> pieces_;
};

}  // namespace kesto::kestweb2
