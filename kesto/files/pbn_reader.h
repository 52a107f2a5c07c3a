#pragma once
// Reading PBN files (Portable Bridge Notation, up to version 2.1) written by other dealing
// programs, dealing machines' software and scoring programs, in the lenient form the standard
// calls import format. The reader takes the deals, the few tags that fill Kesto's header
// lines and another program's double-dummy tricks; every other tag, the auction, the play and
// the other supplemental sections are passed over.

#include <string_view>

#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

// True when the first line, after a UTF-8 byte order mark, is a PBN version line: "%", spaces,
// "PBN" in any case, spaces and a version "x.y" of digits ("% PBN 2.1").
bool StartsWithPbnVersionLine(std::string_view text);

// True when the text holds a Deal tag pair, or the start of one ("[" and the name Deal) cut
// short, outside comments, strings and "%" lines: the first bytes of a file are enough to judge.
// The name may be in any case, so that the reader can say what is wrong with "deal".
bool HoldsPbnDealTag(std::string_view text);

// Reads a PBN file. Lines end in CR LF, LF or CR; a UTF-8 byte order mark is skipped. Text is
// taken as UTF-8 after a byte order mark or when the bytes are valid UTF-8 holding a character
// outside ASCII (a character Windows-1252 lacks becomes "?"), otherwise as Windows-1252 (the
// standard's ISO-8859-1 is part of it). "%" lines, ";" comments to the end of the line and
// "{ }" comments (over any number of lines) are skipped; a line of nothing but spaces and tabs
// outside a comment ends a game, and so does a second Board or Deal tag, which starts the next
// game (files that leave out the empty line lose no board). Within a game tags stand in any
// order, several on a line or one over several lines, and the first of two other tags of one
// name counts. A tag value "#" takes the value of the same tag in the nearest earlier game, and
// a value "##text" is "text" here and in every later game that does not give the tag.
//
// Every game with a Deal tag is one board, in file order. The Deal tag may start with any seat,
// give the ranks in any order and "-" for a hand it does not give (no cards); three hands of 13
// cards and one without cards make the fourth hold the cards left. An empty value is a deal of
// no cards; the checks of incomplete deals then apply on the hand-entry page.
// boardNumbers holds each board's Board tag (0 for one without a positive whole number); it is
// left empty when no board has a number. otherDealerOrVulnerability lists the boards whose
// Dealer or Vulnerable tag is not the rotation's (deal_file.h). Header line 1 is the first
// board's Event and header line 2 its Site, or its Date when the Site is unknown ("?", empty or
// absent; a date of only "?" digits too): a whole date "YYYY.MM.DD" goes to header2Date, any
// other to header2 as it stands. DealsComplete is true, as for the Duplimate files.
// doubleDummyTricks takes a board's DoubleDummyTricks tag (20 hexadecimal digits) and the rows
// of its OptimumResultTable (found by the column names Declarer, Denomination and Result); a
// malformed tag or row gives nothing, and a board whose two forms disagree gets no tricks.
//
// Fails, with contents emptied and a sentence for the user, on a tag pair that does not close
// ("The tag pair on line 7 is not complete."), a "{" comment that never closes (naming its
// line), a tag named "deal" in another case (naming its line), a Deal tag whose DealValueFault
// is not empty or that does not begin with its first seat, an impossible deal (a board is named
// by its Board tag, or by its place when it has none) and more than kMaxBoards boards. A file
// without a Deal tag reads as an empty board set.
Status ParsePbnFile(std::string_view bytes, DealFileContents& contents);

}  // namespace kesto
