#include "kesto/files/read_deal_file.h"

#include "kesto/files/deal_file_io.h"
#include "kesto/files/deal_file_kinds.h"
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
    const DealFileKind kind = RecogniseDealFile(bytes);
    const DealFileKindRow* row = FindDealFileKind(kind);
    Status parsed =
        row != nullptr ? row->read(bytes, contents) : Status::Failure(UnknownKindReason(bytes));
    // A file that yields no deal at all would leave the print page with nothing on it.
    if (parsed.Ok() && contents.boardSet.empty()) {
        parsed = Status::Failure("The file holds no deals.");
    }
    if (!parsed.Ok()) {
        contents = {};
        return Status::Failure("Error reading " + fileName + ". " + parsed.Reason());
    }
    contents.kind = kind;
    return {};
}

}  // namespace kesto
