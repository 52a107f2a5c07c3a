#!/bin/bash
# Writes the golden pages of the HTML export command's tests (tests/html): four boards as the
# "&Create" command has the page library write them, in English and in German, with and
# without the statistics section, and with dealer and vulnerability switched off. Every
# header line, holding text, title and statistics figure below is typed by hand (the figures
# counted by hand from the four deals); the script only repeats the fixed template lines,
# translates the English card letters into German ones, turns line ends into CR LF and leaves
# the library's final line end off. It never runs the program or the library.
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

# $1 image location (with its final slash), $2 header text,
# then North S H D C, West S H D C, East S H D C, South S H D C holdings.
cell() {
    local loc=$1 header=$2
    shift 2
    printf '%s\n' '<TD>' '<TABLE BORDER="0" CELLSPACING="1" CELLPADDING="0">'
    printf '%s\n' "<TR><TD COLSPAN=\"3\"><B>$header</B></TD></TR>"
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

# Four deals: one row of three, a row break, the fourth cell and two filler cells.
page_close() { printf '%s\n%s\n%s\n%s' '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR></TABLE>' '</DIV>' \
    '</BODY>' '</HTML>'; }

# The statistics section of the four deals, then the page's new end.
statistics_end() {
    printf '%s\n' '<TD>&nbsp;</TD><TD>&nbsp;</TD></TR></TABLE>' '</DIV>'
    printf '%s\n' '<DIV ALIGN="center">' '<H2>Statistics</H2>' \
        '<TABLE BORDER WIDTH="80%"><CAPTION><B>High Card Points</B></CAPTION>' \
        '<TR><TH>&nbsp;</TH><TH>North</TH><TH>East</TH><TH>South</TH><TH>West</TH><TH>Total</TH></TR>' \
        '<TR ALIGN="center"><TD><B>0</B></TD><TD>1</TD><TD>0</TD><TD>0</TD><TD>1</TD><TD>2</TD></TR>' \
        '<TR ALIGN="center"><TD><B>3</B></TD><TD>0</TD><TD>0</TD><TD>1</TD><TD>1</TD><TD>2</TD></TR>' \
        '<TR ALIGN="center"><TD><B>6</B></TD><TD>0</TD><TD>0</TD><TD>1</TD><TD>0</TD><TD>1</TD></TR>' \
        '<TR ALIGN="center"><TD><B>7</B></TD><TD>0</TD><TD>0</TD><TD>0</TD><TD>1</TD><TD>1</TD></TR>' \
        '<TR ALIGN="center"><TD><B>10</B></TD><TD>1</TD><TD>2</TD><TD>1</TD><TD>1</TD><TD>5</TD></TR>' \
        '<TR ALIGN="center"><TD><B>16</B></TD><TD>1</TD><TD>1</TD><TD>0</TD><TD>0</TD><TD>2</TD></TR>' \
        '<TR ALIGN="center"><TD><B>17</B></TD><TD>1</TD><TD>0</TD><TD>0</TD><TD>0</TD><TD>1</TD></TR>' \
        '<TR ALIGN="center"><TD><B>21</B></TD><TD>0</TD><TD>1</TD><TD>1</TD><TD>0</TD><TD>2</TD></TR>' \
        '<TR ALIGN="center"><TD><B>Mean</B></TD><TD>10.75</TD><TD>14.25</TD><TD>10.00</TD><TD>5.00</TD><TD>&nbsp;</TD></TR>' \
        '<TR ALIGN="center"><TD><B>Median</B></TD><TD>13.00</TD><TD>13.00</TD><TD>8.00</TD><TD>5.00</TD><TD>&nbsp;</TD></TR>' \
        '<TR ALIGN="center"><TD><B>Mode</B></TD><TD>0,10,16,17</TD><TD>10</TD><TD>3,6,10,21</TD><TD>0,3,7,10</TD><TD>&nbsp;</TD></TR>' \
        '<TR><TD COLSPAN="6">"Mean" is the arithmetic average.</TD></TR>' \
        '<TR><TD COLSPAN="6">"Median" is the middle value of a set. When there are an even number of elements in the set, the median is the arithmetic mean of the two middle values.</TD></TR>' \
        '<TR><TD COLSPAN="6">"Mode" is the value that occurs with the greatest frequency in a set.  There may be multiple modes in a set.</TD></TR>' \
        '</TABLE>' '<P>&nbsp;</P>' \
        '<TABLE BORDER WIDTH="80%"><CAPTION><B>One-Hand Distributions</B></CAPTION>' \
        '<TR><TH>&nbsp;</TH><TH>North</TH><TH>East</TH><TH>South</TH><TH>West</TH><TH>Total</TH></TR>' \
        '<TR ALIGN="center"><TD><B>4-4-3-2</B></TD><TD>1</TD><TD>1</TD><TD>0</TD><TD>1</TD><TD>3</TD></TR>' \
        '<TR ALIGN="center"><TD><B>5-3-3-2</B></TD><TD>0</TD><TD>1</TD><TD>2</TD><TD>1</TD><TD>4</TD></TR>' \
        '<TR ALIGN="center"><TD><B>5-4-2-2</B></TD><TD>0</TD><TD>1</TD><TD>1</TD><TD>0</TD><TD>2</TD></TR>' \
        '<TR ALIGN="center"><TD><B>4-3-3-3</B></TD><TD>1</TD><TD>0</TD><TD>0</TD><TD>0</TD><TD>1</TD></TR>' \
        '<TR ALIGN="center"><TD><B>5-5-2-1</B></TD><TD>1</TD><TD>0</TD><TD>0</TD><TD>1</TD><TD>2</TD></TR>' \
        '<TR ALIGN="center"><TD><B>13-0-0-0</B></TD><TD>1</TD><TD>1</TD><TD>1</TD><TD>1</TD><TD>4</TD></TR>' \
        '</TABLE>' '<P>' \
        '<TABLE BORDER WIDTH="60%"><CAPTION><B>Two-Hand Fits</B></CAPTION>' \
        '<TR><TH>&nbsp;</TH><TH>North-South</TH><TH>East-West</TH><TH>Total</TH></TR>' \
        '<TR ALIGN="center"><TD><B>8-card</B></TD><TD>1</TD><TD>0</TD><TD>1</TD></TR>' \
        '<TR ALIGN="center"><TD><B>9-card</B></TD><TD>2</TD><TD>2</TD><TD>4</TD></TR>' \
        '<TR ALIGN="center"><TD><B>13-card</B></TD><TD>1</TD><TD>1</TD><TD>2</TD></TR>' \
        '<TR><TD COLSPAN="4">Note:  Only one fit per pair per deal is counted.  For example, if on one deal N-S have two 9-card fits (or one 9-card fit and one 8-card fit), that will be counted only as one 9-card fit.</TD></TR>' \
        '</TABLE>' '</DIV>' '' '</BODY>' '</HTML>'
}

crlf() { perl -pe 's/\n/\r\n/' >"$1"; }

# The four boards, hands as the tests type them (North, East, South, West):
# 1  N AKQ2.AK32.432.32   E JT987.QJ.AK.AKQJ  S 654.T9876.QJT.T9   W 3.54.98765.87654
# 2  N AKQJT98765432...   E .AKQJT98765432..  S ..AKQJT98765432.   W ...AKQJT98765432
# 3  N AJT5.KQ9.A84.K72   E KQ987.AJ.765.654  S 64.T8765.KQJ.983   W 32.432.T932.AQJT
# 4  N 3.54.98765.87654   E AKQ2.AK32.432.32  S JT987.QJ.AK.AKQJ   W 654.T9876.QJT.T9
# Holding texts with the English words, in cell order North, West, East, South.
all13=" A K Q J T 9 8 7 6 5 4 3 2"
B1=(" A K Q 2" " A K 3 2" " 4 3 2" " 3 2"
    " 3" " 5 4" " 9 8 7 6 5" " 8 7 6 5 4"
    " J T 9 8 7" " Q J" " A K" " A K Q J"
    " 6 5 4" " T 9 8 7 6" " Q J T" " T 9")
B2=("$all13" " -" " -" " -"
    " -" " -" " -" "$all13"
    " -" "$all13" " -" " -"
    " -" " -" "$all13" " -")
B3=(" A J T 5" " K Q 9" " A 8 4" " K 7 2"
    " 3 2" " 4 3 2" " T 9 3 2" " A Q J T"
    " K Q 9 8 7" " A J" " 7 6 5" " 6 5 4"
    " 6 4" " T 8 7 6 5" " K Q J" " 9 8 3")
B4=(" 3" " 5 4" " 9 8 7 6 5" " 8 7 6 5 4"
    " 6 5 4" " T 9 8 7 6" " Q J T" " T 9"
    " A K Q 2" " A K 3 2" " 4 3 2" " 3 2"
    " J T 9 8 7" " Q J" " A K" " A K Q J")

english_page() {  # $1 header of board 1..4 each, as four arguments
    head_lines "Kesto Bridge Club Tuesday 8 December 2026" "Kesto Bridge Club" \
        "Tuesday 8 December 2026"
    cell gifs/ "$1" "${B1[@]}"
    cell gifs/ "$2" "${B2[@]}"
    cell gifs/ "$3" "${B3[@]}"
    row_break
    cell gifs/ "$4" "${B4[@]}"
}

english_page "Board 1 / Dlr: N / Vul: None" "Board 2 / Dlr: E / Vul: N-S" \
    "Board 3 / Dlr: S / Vul: E-W" "Board 4 / Dlr: W / Vul: Both" >english.tmp
{ cat english.tmp; page_close; } | crlf export_english.htm
{ cat english.tmp; statistics_end; } | crlf export_english_statistics.htm

# "&Show dealer and vulnerability on printouts and HTML" off: the board number alone.
{
    english_page "Board 1" "Board 2" "Board 3" "Board 4"
    page_close
} | crlf export_english_no_dealer_vul.htm

# German: ace A, king K, queen D, jack B, ten Z; seats N O S W; "Gefähr" with a-umlaut (0xE4),
# a title with o-umlaut (0xF6); no image location.
auml=$'\xe4'
ouml=$'\xf6'
german() {  # the holdings of one board, translated letter by letter
    local h
    G=()
    for h in "$@"; do G+=("$(printf '%s' "$h" | tr 'QJT' 'DBZ')"); done
}
{
    head_lines "Bridgeclub K${ouml}ln Dienstag, 8. Dezember 2026" "Bridgeclub K${ouml}ln" \
        "Dienstag, 8. Dezember 2026"
    german "${B1[@]}"
    cell "" "Board 1 / Tlr: N / Gef${auml}hr: Keiner" "${G[@]}"
    german "${B2[@]}"
    cell "" "Board 2 / Tlr: O / Gef${auml}hr: N-S" "${G[@]}"
    german "${B3[@]}"
    cell "" "Board 3 / Tlr: S / Gef${auml}hr: O-W" "${G[@]}"
    row_break
    german "${B4[@]}"
    cell "" "Board 4 / Tlr: W / Gef${auml}hr: Alle" "${G[@]}"
} >german.tmp
{ cat german.tmp; page_close; } | crlf export_german.htm
{ cat german.tmp; statistics_end; } | crlf export_german_statistics.htm
rm -f english.tmp german.tmp
