#include "kesto/files/deal_file_kinds.h"

namespace kesto {

const DealFileKindRow* FindDealFileKind(DealFileKind kind) {
    for (const DealFileKindRow& row : kDealFileKinds) {
        if (row.kind == kind) {
            return &row;
        }
    }
    return nullptr;
}

const DealFileKindRow* FindDealFileKind(int fileType) {
    for (const DealFileKindRow& row : kDealFileKinds) {
        if (row.fileType == fileType) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace kesto
