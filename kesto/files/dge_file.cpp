#include "kesto/files/dge_file.h"

#include <array>

#include "kesto/files/board_records.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/dup_record_parts.h"

namespace kesto {

namespace {

constexpr std::array<char, kBoardRecordSize> kFiller{};  // NULs

std::string ReadDGERecord(tDeal& deal, std::string_view record) {
    return ReadHandsPart(deal, record.substr(0, kHandsPartSize));
}

constexpr BoardRecordLayout kLayout = {
    kHandsPartSize, HandsPart, std::string_view(kFiller.data(), kFiller.size()), ReadDGERecord};

}  // namespace

std::string DGEFileBytes(const tBoardSet& boardSet) {
    return BoardRecordsBytes(boardSet, kLayout);
}

Status WriteDGEFile(const std::string& fileName, const tBoardSet& boardSet) {
    return SaveBoardSet(fileName, boardSet, DGEFileBytes);
}

Status ParseDGEFile(std::string_view bytes, DealFileContents& contents) {
    return ParseBoardRecords(bytes, kLayout, contents);
}

bool StartsLikeDGEFile(std::string_view bytes) {
    return bytes.starts_with(kSpadeMark);
}

}  // namespace kesto
