#include "kesto/files/deal_file_kinds.h"

#include <algorithm>
#include <array>

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

DealFileKind RecogniseDealFile(std::string_view bytes) {
    static const auto inOrder = [] {
        std::array<const DealFileKindRow*, std::size(kDealFileKinds)> rows{};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i] = &kDealFileKinds[i];
        }
        std::ranges::sort(rows, {},
                          [](const DealFileKindRow* row) { return row->recognitionOrder; });
        return rows;
    }();
    for (const DealFileKindRow* row : inOrder) {
        if (row->recognise(bytes)) {
            return row->kind;
        }
    }
    return DealFileKind::Unknown;
}

}  // namespace kesto
