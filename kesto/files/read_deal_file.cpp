#include "kesto/files/read_deal_file.h"

#include "kesto/files/bri_file.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/legacy_deal_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/pbn_reader.h"
#include "kesto/platform/text_encoding.h"

namespace kesto {

namespace {

// Why no reader takes the file.
std::string UnknownKindReason(std::string_view bytes) {
    if (LooksLikeUtf16(bytes)) {
        return "The file is saved as UTF-16 text; Kesto reads deal files saved as ANSI "
               "(Windows-1252) or UTF-8.";
    }
    return "Kesto does not know this kind of file: it reads its own KST files, Duplimate DLM "
           "and DUP files, BRI and DGE files, PBN files and LIN files.";
}

}  // namespace

Status ReadAnyDealFile(const std::string& fileName, DealFileContents& contents) {
    contents = {};
    const StatusOr<std::string> file = ReadDealFileBytes(fileName);
    if (!file.status.Ok()) {
        // The file is gone, is a folder or cannot be opened: the system says why.
        return file.status;
    }
    const std::string& bytes = file.value;
    Status parsed;
    DealFileKind kind = RecogniseDealFile(bytes).kind;
    // A PBN file without a version line may give its first Deal tag after many other lines,
    // and a LIN file its first md pair after the players and the auction.
    if (kind == DealFileKind::Unknown && HoldsPbnDealTag(bytes)) {
        kind = DealFileKind::Pbn;
    } else if (kind == DealFileKind::Unknown && HoldsLINDeal(bytes)) {
        kind = DealFileKind::Lin;
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
        case DealFileKind::Bri:
            parsed = ParseBRIFile(bytes, contents);
            break;
        case DealFileKind::Dge:
            parsed = ParseDGEFile(bytes, contents);
            break;
        case DealFileKind::Lin:
            parsed = ParseLINFile(bytes, contents);
            break;
        case DealFileKind::Unknown:
            parsed = Status::Failure(UnknownKindReason(bytes));
            break;
    }
    // A file that yields no deal at all would leave the print page with nothing on it.
    if (parsed.Ok() && contents.boardSet.empty()) {
        parsed = Status::Failure("The file holds no deals.");
    }
    if (!parsed.Ok()) {
        contents = {};
        return Status::Failure("Error reading " + fileName + ". " + parsed.Reason());
    }
    return {};
}

}  // namespace kesto
