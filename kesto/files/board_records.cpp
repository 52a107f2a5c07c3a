#include "kesto/files/board_records.h"

#include <algorithm>
#include <utility>

#include "kesto/files/deal_check.h"

namespace kesto {

std::string BoardRecordsBytes(const tBoardSet& boardSet, const BoardRecordLayout& layout) {
    std::string bytes;
    bytes.reserve(boardSet.size() * kBoardRecordSize);
    for (const tDeal& deal : boardSet) {
        const std::size_t start = bytes.size();
        bytes += layout.filler;
        const std::string part = layout.part(deal);
        std::copy_n(part.begin(), std::min(part.size(), layout.partSize),
                    bytes.begin() + static_cast<std::ptrdiff_t>(start));
    }
    return bytes;
}

Status ParseBoardRecords(std::string_view bytes, const BoardRecordLayout& layout,
                         DealFileContents& contents) {
    contents = {};
    // These machines' files hold no header lines: the director's own stay.
    contents.holdsHeaderLines = false;
    const auto refuse = [&contents](std::string reason) {
        contents = {};
        return Status::Failure(std::move(reason));
    };
    const std::size_t records = (bytes.size() + kBoardRecordSize - 1) / kBoardRecordSize;
    if (records > static_cast<std::size_t>(kMaxBoards)) {
        return refuse(TooManyBoardsText());
    }
    contents.boardSet.reserve(records);
    for (std::size_t i = 0; i < records; ++i) {
        const int board = static_cast<int>(i) + 1;
        const std::string_view record = bytes.substr(i * kBoardRecordSize, kBoardRecordSize);
        if (record.size() < kBoardRecordSize) {
            return refuse(BoardFault(board, "is cut short"));
        }
        tDeal deal;
        std::string fault = layout.read(deal, record);
        if (fault.empty()) {
            fault = ImpossibleDealFault(deal);
        }
        if (!fault.empty()) {
            return refuse(BoardFault(board, fault));
        }
        contents.boardSet.push_back(deal);
    }
    contents.dealsComplete = true;
    return {};
}

}  // namespace kesto
