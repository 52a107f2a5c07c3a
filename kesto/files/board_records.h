#pragma once
// The dealing machines' files of 128-byte records, BRI and DGE: one record a board in board
// order, with no header and no board numbers. A record opens with one part of a DUP record
// (kesto/files/dup_record_parts.h), and fixed bytes fill it to its end.

#include <cstddef>
#include <string>
#include <string_view>

#include "kesto/deal/deal.h"
#include "kesto/files/deal_file.h"
#include "kesto/platform/status.h"

namespace kesto {

inline constexpr std::size_t kBoardRecordSize = 128;

// How one kind lays out its record.
struct BoardRecordLayout {
    std::size_t partSize;
    std::string (*part)(const tDeal& deal);
    // A whole record as it stands before the part is put over its start: what fills it.
    std::string_view filler;
    // Sets the deal from a record; empty, or the fault as the rest of a sentence that begins
    // with the board.
    std::string (*read)(tDeal& deal, std::string_view record);
};

// Each deal's part, cut at partSize, over the filler.
std::string BoardRecordsBytes(const tBoardSet& boardSet, const BoardRecordLayout& layout);

// Reads every record in order. Fails, with contents emptied and a sentence that names the board,
// on a record the layout's reader refuses, on an impossible deal and on a last record cut short
// ("Board 4 is cut short."), and on more than kMaxBoards records. The file holds no header
// lines (holdsHeaderLines false) and DealsComplete is true.
Status ParseBoardRecords(std::string_view bytes, const BoardRecordLayout& layout,
                         DealFileContents& contents);

}  // namespace kesto
