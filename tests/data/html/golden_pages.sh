#!/bin/bash
# Writes the golden HTML pages of the kestweb2 tests. Every header line, every holding text,
# every title and the order of cells, row breaks and filler cells below is typed by hand from
# the page format; this script only repeats the fixed template lines, turns line ends into
# CR LF and leaves the final line end off. It never runs the library.
set -euo pipefail
cd "$(dirname "$0")"

head_lines() {  # $1 page title, $2 title 1, $3 title 2
    printf '%s\n' '<HTML>' '<HEAD>' "<TITLE>$1</TITLE>" '</HEAD>' '<BODY>' '' \
        "<H1 ALIGN=\"center\">$2</H1>" \
        "<P><BR></P><H3 ALIGN=\"center\">$3</H3><DIV ALIGN=\"center\">" '' \
        '<TABLE BORDER="1"><TR>' ''
}

suit_row() {  # $1 image location, $2 suit image name, $3 ALT letter, $4 holding
    printf '%s\n' "<TR><TD ALIGN=\"center\" VALIGN=\"top\"><IMG SRC=\"$1$2.gif\" ALT=\"$3\" HEIGHT=\"14\" WIDTH=\"13\"></TD><TD>$4</TD></TR>"
}

hand_rows() {  # $1 location, $2..$5 spade, heart, diamond, club holdings
    suit_row "$1" spade S "$2"
    suit_row "$1" heart H "$3"
    suit_row "$1" diamond D "$4"
    suit_row "$1" club C "$5"
}

# $1 image location (with its final slash), $2 header text ("" for none),
# then North S H D C, West S H D C, East S H D C, South S H D C holdings.
cell() {
    local loc=$1 header=$2
    shift 2
    printf '%s\n' '<TD>' '<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">'
    if [ -n "$header" ]; then
        printf '%s\n' "<TR><TD COLSPAN=\"3\"><B>$header</B></TD></TR>"
    fi
    printf '%s\n' '<TR VALIGN="top"><TD>&nbsp;</TD>' '<TD COLSPAN="2">' \
        '<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">'
    hand_rows "$loc" "$1" "$2" "$3" "$4"
    printf '%s\n' '</TABLE>' '</TD></TR>' '<TR>' '<TD>' \
        '<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">'
    hand_rows "$loc" "$5" "$6" "$7" "$8"
    printf '%s\n' '</TABLE>' '</TD>' \
        "<TD ALIGN=\"center\" VALIGN=\"middle\"><IMG SRC=\"${loc}board.gif\" ALT=\"&nbsp;\" HEIGHT=\"50\" WIDTH=\"50\"></TD>" \
        '<TD>' '<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">'
    hand_rows "$loc" "$9" "${10}" "${11}" "${12}"
    printf '%s\n' '</TABLE>' '</TD></TR>' '<TR><TD>&nbsp;</TD>' '<TD COLSPAN="2">' \
        '<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">'
    hand_rows "$loc" "${13}" "${14}" "${15}" "${16}"
    printf '%s\n' '</TABLE>' '</TD></TR>' '</TABLE>' '</TD>'
}

row_break() { printf '%s\n' '</TR>' '<TR>'; }

# $1: the filler cells and "</TR>" as one text; the closing text has no final line end.
page_close() { printf '%s\n%s\n%s\n%s' "$1</TABLE>" '</DIV>' '</BODY>' '</HTML>'; }

crlf() { perl -pe 's/\n/\r\n/' >"$1"; }

# The hands, by seat, as the holding texts they print with English letters and ten "T".
# Deal A: N AKQ2.JT9.876.543  E JT9.AKQ2.543.876  S 876.543.AKQ2.JT9  W 543.876.JT9.AKQ2
A=(" A K Q 2" " J T 9" " 8 7 6" " 5 4 3"
   " 5 4 3" " 8 7 6" " J T 9" " A K Q 2"
   " J T 9" " A K Q 2" " 5 4 3" " 8 7 6"
   " 8 7 6" " 5 4 3" " A K Q 2" " J T 9")
# Deal B: E AKQJT.98765.432.  S 98765.432..AKQJT  W 432..AKQJT.98765  N .AKQJT.98765.432
B=(" -" " A K Q J T" " 9 8 7 6 5" " 4 3 2"
   " 4 3 2" " -" " A K Q J T" " 9 8 7 6 5"
   " A K Q J T" " 9 8 7 6 5" " 4 3 2" " -"
   " 9 8 7 6 5" " 4 3 2" " -" " A K Q J T")
# Deal C: S AT2.KQ3.J54.9876  W KQ3.J54.9876.AT2  N J54.9876.AT2.KQ3  E 9876.AT2.KQ3.J54
C=(" J 5 4" " 9 8 7 6" " A T 2" " K Q 3"
   " K Q 3" " J 5 4" " 9 8 7 6" " A T 2"
   " 9 8 7 6" " A T 2" " K Q 3" " J 5 4"
   " A T 2" " K Q 3" " J 5 4" " 9 8 7 6")
# Deal D: W AKQ2.JT9.876.543  N JT9.AKQ2.543.876  E 876.543.AKQ2.JT9  S 543.876.JT9.AKQ2
D=(" J T 9" " A K Q 2" " 5 4 3" " 8 7 6"
   " A K Q 2" " J T 9" " 8 7 6" " 5 4 3"
   " 8 7 6" " 5 4 3" " A K Q 2" " J T 9"
   " 5 4 3" " 8 7 6" " J T 9" " A K Q 2")

club="Kesto Bridge Club"
night="Tuesday 8 December 2026"
both_titles="$club $night"

# One deal, image location "images" (or "images/"): two filler cells.
{
    head_lines "$both_titles" "$club" "$night"
    cell images/ "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf one_deal.html

# The same page with no image location.
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf one_deal_no_location.html

# A location ending in a backslash is used as it stands.
{
    head_lines "$both_titles" "$club" "$night"
    cell 'http://x.org/gif\' "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf one_deal_web.html

# Both titles empty: the page title stays, the headings are empty.
{
    head_lines "HTML Page Created with KESTWEB2.DLL" "" ""
    cell "" "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf titles_empty.html

# Title 2 a null pointer: the page title is title 1 alone.
{
    head_lines "$club" "$club" ""
    cell "" "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf title2_null.html

# Title 2 empty but given: title 1 and one blank.
{
    head_lines "$club " "$club" ""
    cell "" "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf title2_empty.html

# Title 1 empty: the page title is title 2.
{
    head_lines "$night" "" "$night"
    cell "" "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf title1_empty.html

# Three deals, ten character "1": one row, no row break, no filler.
A10=(" A K Q 2" " J 10 9" " 8 7 6" " 5 4 3"
     " 5 4 3" " 8 7 6" " J 10 9" " A K Q 2"
     " J 10 9" " A K Q 2" " 5 4 3" " 8 7 6"
     " 8 7 6" " 5 4 3" " A K Q 2" " J 10 9")
B10=(" -" " A K Q J 10" " 9 8 7 6 5" " 4 3 2"
     " 4 3 2" " -" " A K Q J 10" " 9 8 7 6 5"
     " A K Q J 10" " 9 8 7 6 5" " 4 3 2" " -"
     " 9 8 7 6 5" " 4 3 2" " -" " A K Q J 10")
C10=(" J 5 4" " 9 8 7 6" " A 10 2" " K Q 3"
     " K Q 3" " J 5 4" " 9 8 7 6" " A 10 2"
     " 9 8 7 6" " A 10 2" " K Q 3" " J 5 4"
     " A 10 2" " K Q 3" " J 5 4" " 9 8 7 6")
{
    head_lines "Pairs Evening" "Pairs" "Evening"
    cell "" "Board 1 / Dlr: N / Vul: None" "${A10[@]}"
    cell "" "Board 2 / Dlr: E / Vul: N-S" "${B10[@]}"
    cell "" "Board 3 / Dlr: S / Vul: E-W" "${C10[@]}"
    page_close '</TR>'
} | crlf three_deals.html

# Four deals: a row break after the third cell, two filler cells after the fourth.
{
    head_lines "$both_titles" "$club" "$night"
    cell images/ "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    cell images/ "Board 2 / Dlr: E / Vul: N-S" "${B[@]}"
    cell images/ "Board 3 / Dlr: S / Vul: E-W" "${C[@]}"
    row_break
    cell images/ "Board 4 / Dlr: W / Vul: Both" "${D[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf four_deals.html

# Seven deals: two row breaks, two filler cells.
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    cell "" "Board 2 / Dlr: E / Vul: N-S" "${B[@]}"
    cell "" "Board 3 / Dlr: S / Vul: E-W" "${C[@]}"
    row_break
    cell "" "Board 4 / Dlr: W / Vul: Both" "${D[@]}"
    cell "" "Board 5 / Dlr: N / Vul: N-S" "${A[@]}"
    cell "" "Board 6 / Dlr: E / Vul: E-W" "${B[@]}"
    row_break
    cell "" "Board 7 / Dlr: S / Vul: Both" "${C[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf seven_deals.html

# Dutch words: A H V B and ten "10", seats N O Z W; a title with an 8-bit e-acute (0xE9).
eacute=$'\xe9'
cafe="Caf${eacute} de Kroon"
avond="Dinsdag 8 december"
AN=(" A H V 2" " B 10 9" " 8 7 6" " 5 4 3"
    " 5 4 3" " 8 7 6" " B 10 9" " A H V 2"
    " B 10 9" " A H V 2" " 5 4 3" " 8 7 6"
    " 8 7 6" " 5 4 3" " A H V 2" " B 10 9")
BN=(" -" " A H V B 10" " 9 8 7 6 5" " 4 3 2"
    " 4 3 2" " -" " A H V B 10" " 9 8 7 6 5"
    " A H V B 10" " 9 8 7 6 5" " 4 3 2" " -"
    " 9 8 7 6 5" " 4 3 2" " -" " A H V B 10")
CN=(" B 5 4" " 9 8 7 6" " A 10 2" " H V 3"
    " H V 3" " B 5 4" " 9 8 7 6" " A 10 2"
    " 9 8 7 6" " A 10 2" " H V 3" " B 5 4"
    " A 10 2" " H V 3" " B 5 4" " 9 8 7 6")
DN=(" B 10 9" " A H V 2" " 5 4 3" " 8 7 6"
    " A H V 2" " B 10 9" " 8 7 6" " 5 4 3"
    " 8 7 6" " 5 4 3" " A H V 2" " B 10 9"
    " 5 4 3" " 8 7 6" " B 10 9" " A H V 2")
{
    head_lines "$cafe $avond" "$cafe" "$avond"
    cell images/ "Spel 1 / Gever: N / Kwetsbaar: Geen" "${AN[@]}"
    cell images/ "Spel 2 / Gever: O / Kwetsbaar: N-Z" "${BN[@]}"
    cell images/ "Spel 3 / Gever: Z / Kwetsbaar: O-W" "${CN[@]}"
    row_break
    cell images/ "Spel 4 / Gever: W / Kwetsbaar: Allen" "${DN[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf dutch.html

# Records of boards 11, 12, 13 (dealer S none, W NS, N all) on positions 1, 2, 3
# (dealer N none, E NS, S EW), each flag each way.
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 11 / Dlr: S / Vul: None" "${C[@]}"
    cell "" "Board 12 / Dlr: W / Vul: N-S" "${D[@]}"
    cell "" "Board 13 / Dlr: N / Vul: Both" "${A[@]}"
    page_close '</TR>'
} | crlf flags_from_records.html
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 1 / Dlr: S / Vul: None" "${C[@]}"
    cell "" "Board 2 / Dlr: W / Vul: N-S" "${D[@]}"
    cell "" "Board 3 / Dlr: N / Vul: Both" "${A[@]}"
    page_close '</TR>'
} | crlf flags_board_by_position.html
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 11 / Dlr: N / Vul: None" "${C[@]}"
    cell "" "Board 12 / Dlr: E / Vul: N-S" "${D[@]}"
    cell "" "Board 13 / Dlr: S / Vul: E-W" "${A[@]}"
    page_close '</TR>'
} | crlf flags_dealer_vul_by_position.html
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 1 / Dlr: N / Vul: None" "${C[@]}"
    cell "" "Board 2 / Dlr: E / Vul: N-S" "${D[@]}"
    cell "" "Board 3 / Dlr: S / Vul: E-W" "${A[@]}"
    page_close '</TR>'
} | crlf flags_both_by_position.html

# Records as other programs may write them: tags reordered with other text between and
# lower-case seat letters; a "Both" vulnerability (not a PBN value: no vulnerability shown);
# no board tag (the header starts with " / "); lower-case card letters (printed as they are).
AL=(" a k q 2" " j t 9" " 8 7 6" " 5 4 3"
    " 5 4 3" " 8 7 6" " j t 9" " a k q 2"
    " j t 9" " a k q 2" " 5 4 3" " 8 7 6"
    " 8 7 6" " 5 4 3" " a k q 2" " j t 9")
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 9 / Dlr: W / Vul: E-W" "${A[@]}"
    cell "" "Board 10 / Dlr: E" "${B[@]}"
    cell "" " / Dlr: S / Vul: Both" "${C[@]}"
    row_break
    cell "" "Board 12 / Dlr: W / Vul: N-S" "${AL[@]}"
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf record_forms.html

# Five records of which two have no readable deal (no deal tag; first seat "X"): no cell and
# no row break for them, so the three cells share one row; the filler count follows the five
# records (one filler).
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 1 / Dlr: N / Vul: None" "${A[@]}"
    cell "" "Board 4 / Dlr: W / Vul: Both" "${D[@]}"
    cell "" "Board 5 / Dlr: N / Vul: N-S" "${B[@]}"
    page_close '<TD>&nbsp;</TD></TR>'
} | crlf skipped_records.html

# Hands left open ("-"): North and South open show nothing, East and West as written.
{
    head_lines "$both_titles" "$club" "$night"
    cell "" "Board 1 / Dlr: N / Vul: None" "" "" "" "" \
        " 5 4 3" " 8 7 6" " J T 9" " A K Q 2" \
        " J T 9" " A K Q 2" " 5 4 3" " 8 7 6" \
        "" "" "" ""
    page_close '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR>'
} | crlf open_hands.html
