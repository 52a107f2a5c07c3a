#pragma once
// The PBN file Kesto hands out (extension PBN): a PBN 2.1 export file that other dealing,
// scoring and web programs read. Lines "% PBN 2.1" and "% EXPORT", then one game per board
// with the fifteen tags every PBN program knows, in their fixed order (Event, Site, Date,
// Board, West, North, East, South, Dealer, Vulnerable, Deal, Scoring, Declarer, Contract,
// Result), then any further tags of that board sorted by name. An empty line comes between
// two games, none after the last. ISO 8859-1 text, CR LF line ends; no line is longer than
// 255 characters with its line end, so a longer tag value is cut to fit.
//
// What each tag holds: Event header line 1, Site header line 2 ("?" when a line is empty);
// Date the date the caller gives as "YYYY.MM.DD", or "?"; Board the board's position from 1,
// with Dealer and Vulnerable following that number; Deal the four hands starting with the
// dealer, a hand without cards as "-" (unknown); the players, Scoring, Declarer, Contract and
// Result "?", as Kesto knows none of them.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/deal/deal_notation.h"
#include "kesto/files/deal_file.h"
#include "kesto/platform/clock.h"

namespace kesto {

// What the PBN writer takes. boardSet is borrowed for the call. boardTags[i] are further tags
// of board i + 1, written after Result; boards past its end have none.
struct PbnContents {
    const tBoardSet& boardSet;
    std::string_view header1, header2;
    std::optional<CivilDate> date;
    std::span<const std::vector<PbnTag>> boardTags = {};
};

// "YYYY.MM.DD", or "?" when the date is not known.
std::string PbnDate(const std::optional<CivilDate>& date);

// The whole file as bytes.
std::string PbnFileText(const PbnContents& contents);

// An empty board set writes nothing and asks for the plain message "Nothing to print.", more
// than kMaxBoards boards write nothing and fail. Otherwise the file is replaced as a whole; on
// failure the old file stays as it was and the message gives the system's reason.
Status WritePbnFile(const std::string& fileName, const PbnContents& contents);

}  // namespace kesto
