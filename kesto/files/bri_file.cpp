#include "kesto/files/bri_file.h"

#include <algorithm>
#include <array>

#include "kesto/files/board_records.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/dup_record_parts.h"

namespace kesto {

namespace {

// 32 blanks and 18 NULs after the digits; a short number part is followed by blanks, as in a
// DUP record.
constexpr std::size_t kNuls = 18;
constexpr std::array<char, kBoardRecordSize> kFiller = [] {
    std::array<char, kBoardRecordSize> filler{};
    std::fill(filler.begin(), filler.end() - kNuls, ' ');
    return filler;
}();

std::string ReadBRIRecord(tDeal& deal, std::string_view record) {
    return ReadCardNumbers(deal, record.substr(0, kCardNumberPartSize));
}

constexpr BoardRecordLayout kLayout = {kCardNumberPartSize, CardNumberPart,
                                       std::string_view(kFiller.data(), kFiller.size()),
                                       ReadBRIRecord};

}  // namespace

std::string BRIFileBytes(const tBoardSet& boardSet) {
    return BoardRecordsBytes(boardSet, kLayout);
}

Status WriteBRIFile(const std::string& fileName, const tBoardSet& boardSet) {
    return SaveBoardSet(fileName, boardSet, BRIFileBytes);
}

Status ParseBRIFile(std::string_view bytes, DealFileContents& contents) {
    return ParseBoardRecords(bytes, kLayout, contents);
}

bool LooksLikeBRIFile(std::string_view bytes) {
    // How many records of the given size open with a whole card field of digits.
    const auto cardFields = [bytes](std::size_t recordSize) {
        std::size_t whole = 0;
        for (std::size_t start = 0; start < bytes.size(); start += recordSize) {
            whole += OpensWithCardNumberDigits(bytes.substr(start)) ? 1 : 0;
        }
        return whole;
    };
    const std::size_t records = (bytes.size() + kBoardRecordSize - 1) / kBoardRecordSize;
    const std::size_t bri = cardFields(kBoardRecordSize);
    const std::size_t dup = cardFields(kDUPRecordSize);
    const bool briSize = bytes.size() % kBoardRecordSize == 0 && bytes.size() % kDUPRecordSize != 0;
    return bri > 0 && 2 * bri >= records && (bri > dup || (bri == dup && briSize));
}

}  // namespace kesto
