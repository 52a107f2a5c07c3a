#include "kesto/files/dup_file.h"

#include <algorithm>
#include <utility>

#include "kesto/files/deal_check.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/platform/file_io.h"

namespace kesto {

namespace {

// The hands part follows the card numbers, the machine's settings follow the hands.
constexpr std::size_t kTextOffset = kCardNumberPartSize;
constexpr std::size_t kCountOffset = kTextOffset + kHandsPartSize;

}  // namespace

void BuildDUPRecord(const tDeal& deal, DUPRecord& record) {
    record.fill(' ');
    const std::string numbers = CardNumberPart(deal);
    std::copy_n(numbers.begin(), std::min(numbers.size(), kCardNumberPartSize), record.begin());
    const std::string text = HandsPart(deal);
    std::copy_n(text.begin(), std::min(text.size(), kHandsPartSize), record.begin() + kTextOffset);
}

std::string DUPBoardCountField(std::size_t boardCount) {
    const auto leftAligned = [](std::size_t number, std::size_t width) {
        std::string text = std::to_string(number).substr(0, width);
        return text.append(width - text.size(), ' ');
    };
    return "YN" + leftAligned(1, 3) + leftAligned(1, 2) + leftAligned(boardCount, 3);
}

std::string DUPFileBytes(const tBoardSet& boardSet) {
    const std::string countField = DUPBoardCountField(boardSet.size());
    std::string bytes;
    bytes.reserve(boardSet.size() * kDUPRecordSize);
    DUPRecord record;
    for (const tDeal& deal : boardSet) {
        BuildDUPRecord(deal, record);
        std::copy(countField.begin(), countField.end(), record.begin() + kCountOffset);
        bytes.append(record.data(), record.size());
    }
    return bytes;
}

Status WriteDUPFile(const std::string& fileName, const tBoardSet& boardSet) {
    if (boardSet.empty()) {
        return NothingToSave();
    }
    // The machine numbers its boards 1 to 99.
    if (boardSet.size() > kDuplimateMaxBoards) {
        return TooManyBoards(".DUP", boardSet.size());
    }
    if (!ReplaceFileAtomically(fileName, DUPFileBytes(boardSet)).Ok()) {
        return Status::Failure("Error writing .DUP file.");
    }
    return {};
}

bool StartsLikeDUPFile(std::string_view bytes) {
    if (!OpensWithCardNumberDigits(bytes)) {
        return false;
    }
    const char next = bytes.size() > kTextOffset ? bytes[kTextOffset] : ' ';
    return next == ' ' || next == '\0' || next == kSpadeMark;
}

Status ParseDUPFile(std::string_view bytes, DealFileContents& contents) {
    contents = {};
    contents.dealsComplete = true;
    const auto refuse = [&contents](std::string reason) {
        contents = {};
        return Status::Failure(std::move(reason));
    };
    const std::size_t records = bytes.size() / kDUPRecordSize;
    if (records > static_cast<std::size_t>(kMaxBoards)) {
        return refuse(TooManyBoardsText());
    }
    // A partial last record is a read error, as reading past the end of the file would be.
    if (bytes.size() % kDUPRecordSize != 0) {
        return refuse(BoardFault(static_cast<int>(records) + 1, "is cut short"));
    }
    contents.boardSet.reserve(bytes.size() / kDUPRecordSize);
    DUPRecord record;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kDUPRecordSize) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), kDUPRecordSize,
                    record.begin());
        tDeal deal;
        const int board = static_cast<int>(contents.boardSet.size()) + 1;
        if (const std::string fault =
                ReadCardNumbers(deal, std::string_view(record.data(), kCardNumberPartSize));
            !fault.empty()) {
            return refuse(BoardFault(board, fault));
        }
        // West takes every card not listed, so a card listed twice, a number that is no card
        // or "00" leaves some hand with more than 13 cards or a card in two hands.
        if (const std::string fault = ImpossibleDealFault(deal); !fault.empty()) {
            return refuse(BoardFault(board, fault));
        }
        contents.boardSet.push_back(deal);
    }
    return {};
}

}  // namespace kesto
