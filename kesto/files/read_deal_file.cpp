#include "kesto/files/read_deal_file.h"

#include "kesto/files/deal_file_io.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/legacy_deal_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/platform/ui.h"

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

DealFileReadResult ReadAnyDealFile(const std::string& fileName, DealFileContents& contents) {
    contents = {};
    const std::string readError = "Error reading " + fileName + ".";
    const FileBytes file = ReadDealFileBytes(fileName);
    if (!file.ok) {
        // The file is gone, is a folder or cannot be opened: the system says why.
        return {false, Sentence(file.error)};
    }
    bool ok = true;
    switch (RecogniseDealFile(file.bytes).kind) {
        case DealFileKind::Own:
            ParseOwnDealFile(file.bytes, contents);
            break;
        case DealFileKind::Legacy:
            ok = ParseLegacyDealFile(file.bytes, contents);
            break;
        case DealFileKind::Dlm:
            ParseDLMFile(file.bytes, contents);
            break;
        case DealFileKind::Dup:
            ok = ParseDUPFile(file.bytes, contents);
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
        return {false, readError};
    }
    return {true, {}};
}

bool ReadDealFile(const std::string& fileName, Ui& ui, DealFileContents& contents) {
    const DealFileReadResult result = ReadAnyDealFile(fileName, contents);
    if (!result.ok) {
        ui.ShowMessage(MessageKind::Error, result.message, MessageButtons::Ok);
    }
    return result.ok;
}

}  // namespace kesto
