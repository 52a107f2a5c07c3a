#include "kesto/files/write_deal_file.h"

#include "kesto/files/deal_file_io.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/own_deal_file.h"

namespace kesto {

DealFileKind SaveKindOfFileName(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::string_view base =
        slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = base.find_last_of('.');
    if (dot == std::string_view::npos) {
        return DealFileKind::Own;
    }
    const std::string extension = UpperAscii(base.substr(dot + 1));
    if (extension == "DLM") {
        return DealFileKind::Dlm;
    }
    if (extension == "DUP") {
        return DealFileKind::Dup;
    }
    return DealFileKind::Own;
}

WriteResult WriteDealFile(DealFileKind kind, const std::string& fileName,
                          const DealsToWrite& deals) {
    switch (kind) {
        case DealFileKind::Dlm:
            return WriteDLMFile(fileName, deals.boardSet, deals.header1, deals.header2, deals.mode);
        case DealFileKind::Dup:
            return WriteDUPFile(fileName, deals.boardSet);
        default:
            return WriteOwnDealFile(fileName, deals.boardSet, deals.header1, deals.header2,
                                    deals.mode);
    }
}

}  // namespace kesto
