#include "kestweb2/page_templates.h"

#include <initializer_list>

namespace kesto::kestweb2 {

namespace {

std::string JoinLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

}  // namespace

const std::string& PageHeadTemplate() {
    static const std::string text = JoinLines({
        R"(<HTML>)",
        R"(<HEAD>)",
        R"(<TITLE>HTML Page Created with KESTWEB2.DLL</TITLE>)",
        R"(</HEAD>)",
        R"(<BODY>)",
        R"()",
        R"(<H1 ALIGN="center">Title1</H1>)",
        R"(<P><BR></P><H3 ALIGN="center">Title2</H3><DIV ALIGN="center">)",
        R"()",
        R"(<TABLE BORDER="1"><TR>)",
        R"()",
    });
    return text;
}

const std::string& DealCellTemplate() {
    static const std::string text = JoinLines({
        R"(<TD>)",
        R"(<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">)",
        R"(DealHeader<TR VALIGN="top"><TD>&nbsp;</TD>)",
        R"(<TD COLSPAN="2">)",
        R"(<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="spade_gif" ALT="S" HEIGHT="14" WIDTH="13"></TD><TD>NorthSpadeSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="heart_gif" ALT="H" HEIGHT="14" WIDTH="13"></TD><TD>NorthHeartSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="diamond_gif" ALT="D" HEIGHT="14" WIDTH="13"></TD><TD>NorthDiamondSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="club_gif" ALT="C" HEIGHT="14" WIDTH="13"></TD><TD>NorthClubSt</TD></TR>)",
        R"(</TABLE>)",
        R"(</TD></TR>)",
        R"(<TR>)",
        R"(<TD>)",
        R"(<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="spade_gif" ALT="S" HEIGHT="14" WIDTH="13"></TD><TD>WestSpadeSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="heart_gif" ALT="H" HEIGHT="14" WIDTH="13"></TD><TD>WestHeartSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="diamond_gif" ALT="D" HEIGHT="14" WIDTH="13"></TD><TD>WestDiamondSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="club_gif" ALT="C" HEIGHT="14" WIDTH="13"></TD><TD>WestClubSt</TD></TR>)",
        R"(</TABLE>)",
        R"(</TD>)",
        R"(<TD ALIGN="center" VALIGN="middle"><IMG SRC="board_gif" ALT="&nbsp;" HEIGHT="50" WIDTH="50"></TD>)",
        R"(<TD>)",
        R"(<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="spade_gif" ALT="S" HEIGHT="14" WIDTH="13"></TD><TD>EastSpadeSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="heart_gif" ALT="H" HEIGHT="14" WIDTH="13"></TD><TD>EastHeartSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="diamond_gif" ALT="D" HEIGHT="14" WIDTH="13"></TD><TD>EastDiamondSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="club_gif" ALT="C" HEIGHT="14" WIDTH="13"></TD><TD>EastClubSt</TD></TR>)",
        R"(</TABLE>)",
        R"(</TD></TR>)",
        R"(<TR><TD>&nbsp;</TD>)",
        R"(<TD COLSPAN="2">)",
        R"(<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="spade_gif" ALT="S" HEIGHT="14" WIDTH="13"></TD><TD>SouthSpadeSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="heart_gif" ALT="H" HEIGHT="14" WIDTH="13"></TD><TD>SouthHeartSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="diamond_gif" ALT="D" HEIGHT="14" WIDTH="13"></TD><TD>SouthDiamondSt</TD></TR>)",
        R"(<TR><TD ALIGN="center" VALIGN="top"><IMG SRC="club_gif" ALT="C" HEIGHT="14" WIDTH="13"></TD><TD>SouthClubSt</TD></TR>)",
        R"(</TABLE>)",
        R"(</TD></TR>)",
        R"(</TABLE>)",
        R"(</TD>)",
    });
    return text;
}

FillableTemplate::FillableTemplate(std::string_view text, std::span<const std::string_view> names)
    : text_(text) {
    std::size_t literalFrom = 0;
    std::size_t at = 0;
    while (at < text_.size()) {
        std::size_t found = kNoSlot;
        for (std::size_t name = 0; name < names.size(); ++name) {
            if (!names[name].empty() &&
                std::string_view(text_).substr(at).starts_with(names[name])) {
                found = name;
                break;
            }
        }
        if (found == kNoSlot) {
            ++at;
            continue;
        }
        pieces_.push_back({literalFrom, at - literalFrom, found});
        at += names[found].size();
        literalFrom = at;
    }
    pieces_.push_back({literalFrom, text_.size() - literalFrom, kNoSlot});
}

std::string FillableTemplate::Fill(std::span<const std::string> values) const {
    std::string filled;
    for (const Piece& piece : pieces_) {
        filled.append(text_, piece.from, piece.length);
        if (piece.name != kNoSlot) {
            filled += values[piece.name];
        }
    }
    return filled;
}

}  // namespace kesto::kestweb2
