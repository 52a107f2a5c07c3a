#include "kesto/files/read_deal_file.h"

#include "kesto/files/deal_file_io.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/legacy_deal_file.h"
#include "kesto/files/own_deal_file.h"

namespace kesto {

namespace {

std::string Sentence(std::string text) {
    if (!text.empty()) {
        text[0] =
            static_cast<char>(text[0] >= 'a' && text[0] <= 'z' ? text[0] - 'a' + 'A' : text[0]);
        text += '.';
    }
    return text;
}

}  // namespace

Status ReadAnyDealFile(const std::string& fileName, DealFileContents& contents) {
    contents = {};
    const StatusOr<std::string> file = ReadDealFileBytes(fileName);
    if (!file.status.Ok()) {
        // The file is gone, is a folder or cannot be opened: the system says why.
        return Status::Failure(Sentence(file.status.Reason()));
    }
    const std::string& bytes = file.value;
    bool ok = true;
    switch (RecogniseDealFile(bytes).kind) {
        case DealFileKind::Own:
            ParseOwnDealFile(bytes, contents);
            break;
        case DealFileKind::Legacy:
            ok = ParseLegacyDealFile(bytes, contents);
            break;
        case DealFileKind::Dlm:
            ParseDLMFile(bytes, contents);
            break;
        case DealFileKind::Dup:
            ok = ParseDUPFile(bytes, contents);
            contents.header1.clear();
            contents.header2.clear();
            contents.dealsComplete = true;
            break;
        case DealFileKind::Unknown:
            ok = false;
            break;
    }
    // A file that yields no deal at all would leave the print page with nothing on it.
    if (!ok || contents.boardSet.empty()) {
        contents = {};
        return Status::Failure("Error reading " + fileName + ".");
    }
    return {};
}

}  // namespace kesto
