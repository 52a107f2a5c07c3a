#include "kesto/files/dup_file.h"

#include <algorithm>
#include <utility>

#include "kesto/files/deal_check.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/file_io.h"

namespace kesto {

namespace {

constexpr std::size_t kNumberPart = 78;
constexpr std::size_t kTextPart = 68;
constexpr std::size_t kTextOffset = 78;
constexpr std::size_t kCountOffset = 146;
constexpr std::size_t kCountField = 10;

// The suit markers of the IBM PC character set: spade, heart, diamond, club.
constexpr char kMarkers[] = {'\x06', '\x03', '\x04', '\x05'};
constexpr int kSuitBase[] = {15, 28, 41, 54};

// A two-character card field: " 5", "05", "+5" and "-5" are numbers.
std::optional<std::int32_t> CardField(const DUPRecord& record, int k) {
    return ParseLenientWholeNumber(std::string_view(record.data() + 2 * k - 2, 2));
}

// The first of the 39 card fields that is no number, as it stands.
std::string FieldThatIsNoNumber(const DUPRecord& record) {
    int k = 1;
    while (k < 39 && CardField(record, k)) {
        ++k;
    }
    return std::string(record.data() + 2 * k - 2, 2);
}

}  // namespace

std::string TwoDigits(int number) {
    return (number < 10 ? "0" : "") + std::to_string(number);
}

int DUPCardNumber(Suit suit, int rank) {
    return kSuitBase[static_cast<int>(suit)] - rank;
}

void BuildDUPRecord(const tDeal& deal, DUPRecord& record) {
    record.fill(' ');
    std::string numbers;
    for (const Seat seat : {Seat::North, Seat::East, Seat::South}) {
        for (const Suit suit : kAllSuits) {
            for (int rank = kAce; rank >= 2; --rank) {
                if (deal.Hand(seat).Holds(suit, rank)) {
                    numbers += TwoDigits(DUPCardNumber(suit, rank));
                }
            }
        }
    }
    std::copy_n(numbers.begin(), std::min(numbers.size(), kNumberPart), record.begin());

    std::string text;
    for (const Seat seat : kClockwise) {
        for (const Suit suit : kAllSuits) {
            text += kMarkers[static_cast<int>(suit)];
            text += SuitText(deal.Hand(seat).Holding(suit), "T");
        }
    }
    std::copy_n(text.begin(), std::min(text.size(), kTextPart), record.begin() + kTextOffset);
}

bool ReadDUPRecord(tDeal& deal, const DUPRecord& record) {
    deal.Clear();
    for (const Suit suit : kAllSuits) {
        deal.West.Holding(suit) = 0x7FFC;  // ranks 2..14
    }
    for (int k = 1; k <= 39; ++k) {
        const std::optional<std::int32_t> field = CardField(record, k);
        if (!field) {
            return false;
        }
        const int v = *field;
        if (v < 1 || v > 52) {
            continue;
        }
        const int suitIndex = (v - 1) / 13;
        const Suit suit = kAllSuits[suitIndex];
        const int rank = kSuitBase[suitIndex] - v;
        const Seat seat = k <= 13 ? Seat::North : k <= 26 ? Seat::East : Seat::South;
        deal.Hand(seat).Add(suit, rank);
        deal.West.Remove(suit, rank);
    }
    return true;
}

std::string DUPBoardCountField(std::size_t boardCount) {
    std::string count = std::to_string(boardCount);
    if (count.size() < 2) {
        count.insert(0, 2 - count.size(), ' ');
    }
    return ("YN  1 1 " + count).substr(0, kCountField);
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

WriteResult WriteDUPFile(const std::string& fileName, const tBoardSet& boardSet) {
    if (boardSet.empty()) {
        return {WriteStatus::EmptyBoardSet, std::string(kNothingToSaveText)};
    }
    // The count field of every record has room for two digits.
    if (boardSet.size() > kDuplimateMaxBoards) {
        return TooManyBoards(".DUP", boardSet.size());
    }
    if (!ReplaceFileAtomically(fileName, DUPFileBytes(boardSet)).Ok()) {
        return {WriteStatus::Failed, "Error writing .DUP file."};
    }
    return {};
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
        if (!ReadDUPRecord(deal, record)) {
            return refuse(BoardFault(
                board, "holds \"" + FieldThatIsNoNumber(record) + "\", which is no card number"));
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

bool ReadDUPFile(const std::string& fileName, DealFileContents& contents) {
    contents = {};
    const StatusOr<std::string> file = ReadDealFileBytes(fileName);
    return file.status.Ok() && ParseDUPFile(file.value, contents).Ok();
}

}  // namespace kesto
