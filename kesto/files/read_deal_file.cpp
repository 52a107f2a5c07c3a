#include "kesto/files/read_deal_file.h"

#include "kesto/files/deal_file_io.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/legacy_deal_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/pbn_reader.h"

namespace kesto {

Status ReadAnyDealFile(const std::string& fileName, DealFileContents& contents) {
    contents = {};
    const StatusOr<std::string> file = ReadDealFileBytes(fileName);
    if (!file.status.Ok()) {
        // The file is gone, is a folder or cannot be opened: the system says why.
        return file.status;
    }
    const std::string& bytes = file.value;
    Status parsed = Status::Failure({});
    DealFileKind kind = RecogniseDealFile(bytes).kind;
    // A PBN file without a version line may give its first Deal tag after many other lines.
    if (kind == DealFileKind::Unknown && HoldsPbnDealTag(bytes)) {
        kind = DealFileKind::Pbn;
    }
    switch (kind) {
        case DealFileKind::Own:
            parsed = ParseOwnDealFile(bytes, contents);
            break;
        case DealFileKind::Legacy:
            parsed = ParseLegacyDealFile(bytes, contents);
            break;
        case DealFileKind::Dlm:
            parsed = ParseDLMFile(bytes, contents);
            break;
        case DealFileKind::Dup:
            parsed = ParseDUPFile(bytes, contents);
            contents.header1.clear();
            contents.header2.clear();
            contents.dealsComplete = true;
            break;
        case DealFileKind::Pbn:
            parsed = ParsePbnFile(bytes, contents);
            break;
        case DealFileKind::Unknown:
            break;
    }
    // A file that yields no deal at all would leave the print page with nothing on it.
    if (!parsed.Ok() || contents.boardSet.empty()) {
        contents = {};
        const std::string& why = parsed.Reason();
        return Status::Failure("Error reading " + fileName + "." + (why.empty() ? "" : " " + why));
    }
    return {};
}

}  // namespace kesto
