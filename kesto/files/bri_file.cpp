#include "kesto/files/bri_file.h"

#include <algorithm>
#include <array>

#include "kesto/files/board_records.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/dup_record_parts.h"

namespace kesto {

namespace {

constexpr std::string_view kDigits = "0123456789";

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

bool OnlyBlanksAndNuls(std::string_view bytes) {
    return bytes.find_first_not_of(std::string_view(" \0", 2)) == std::string_view::npos;
}

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

bool StartsLikeBRIFile(std::string_view firstBytes) {
    if (firstBytes.size() < kBoardRecordSize ||
        firstBytes.substr(0, kCardNumberPartSize).find_first_not_of(kDigits) !=
            std::string_view::npos ||
        !OnlyBlanksAndNuls(
            firstBytes.substr(kCardNumberPartSize, kBoardRecordSize - kCardNumberPartSize))) {
        return false;
    }
    const std::string_view next = firstBytes.substr(kBoardRecordSize, kCardNumberPartSize);
    return next.find_first_not_of(kDigits) == std::string_view::npos;
}

}  // namespace kesto
