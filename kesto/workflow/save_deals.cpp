#include "kesto/workflow/save_deals.h"

#include "kesto/analysis/deal_analysis.h"
#include "kesto/files/deal_file_kinds.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/ui.h"

namespace kesto {

namespace {

// The standard PBN tags of each analysed board; an incomplete board has none.
std::vector<std::vector<PbnTag>> BoardAnalysisTags(const tBoardSet& boardSet,
                                                   const DealAnalyser& analyser) {
    std::vector<std::vector<PbnTag>> tags;
    for (const auto& analysis : analyser.FindAll(boardSet)) {
        tags.push_back(analysis ? AnalysisPbnTags(*analysis) : std::vector<PbnTag>{});
    }
    return tags;
}

// The kinds the save dialog lists, in its order.
std::vector<const DealFileKindRow*> SavedKinds() {
    std::vector<const DealFileKindRow*> kinds;
    for (const DealFileKindRow& row : kDealFileKinds) {
        if (row.Saved()) {
            kinds.push_back(&row);
        }
    }
    return kinds;
}

}  // namespace

std::string SaveDialogFilter() {
    std::string filter;
    for (const DealFileKindRow* row : SavedKinds()) {
        filter += (filter.empty() ? "" : "|") + row->SaveEntry();
    }
    return filter;
}

DealFileKind SaveKindOfFilterIndex(int filterIndex) {
    const std::vector<const DealFileKindRow*> kinds = SavedKinds();
    const bool listed = filterIndex >= 1 && filterIndex <= static_cast<int>(kinds.size());
    return kinds[listed ? filterIndex - 1 : 0]->kind;
}

int SaveFilterIndexOfKind(DealFileKind kind) {
    const std::vector<const DealFileKindRow*> kinds = SavedKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i]->kind == kind) {
            return static_cast<int>(i) + 1;
        }
    }
    return 1;
}

std::string_view SaveDefaultExtension(int filterIndex) {
    return FindDealFileKind(SaveKindOfFilterIndex(filterIndex))->extension;
}

namespace {

// Where the save dialog opens, on which entry, and the name it suggests.
void PlaceSaveDialog(const SettingsFile& settings, const std::string& fileName,
                     FileDialogRequest& dialog) {
    {
        const SettingsStore store(settings);
        const DealFileKindRow* stored = FindDealFileKind(store.Read(kFileType));
        dialog.filterIndex = SaveFilterIndexOfKind(stored ? stored->kind : DealFileKind::Own);
        dialog.initialDirectory = store.Read(kDealFileFolder);
    }
    if (fileName.empty()) {
        return;
    }
    dialog.initialDirectory = DirectoryOf(fileName);
    dialog.initialFileName = fileName.substr(dialog.initialDirectory.size());
    if (const std::optional<DealFileKind> kind = SavedKindOfExtension(fileName)) {
        dialog.filterIndex = SaveFilterIndexOfKind(*kind);
    } else if (const std::size_t dot = dialog.initialFileName.find_last_of('.');
               dot != std::string::npos && dot > 0) {
        // A kind Kesto only reads: the name gets the extension of the entry shown.
        dialog.initialFileName.erase(dot);
    }
}

}  // namespace

std::optional<std::string> SaveBtnClick(Ui& ui, const SettingsFile& settings,
                                        const SaveRequest& request) {
    FileDialogRequest dialog;
    PlaceSaveDialog(settings, request.fileName, dialog);
    dialog.title = kSaveDialogTitle;
    dialog.filter = SaveDialogFilter();
    dialog.defaultExtension = SaveDefaultExtension(dialog.filterIndex);
    dialog.promptOverwrite = true;
    const FileDialogResult chosen = ui.SaveFileDialog(dialog);
    if (!chosen.accepted || chosen.fileName.empty()) {
        return std::nullopt;
    }
    // A typed extension of a kind Kesto saves is that kind, whatever entry shows.
    const DealFileKind kind =
        SavedKindOfExtension(chosen.fileName).value_or(SaveKindOfFilterIndex(chosen.filterIndex));
    {
        SettingsStore store(settings);
        store.Write(kFileType, FindDealFileKind(kind)->fileType);
        store.Write(kDealFileFolder, DirectoryOf(chosen.fileName));
    }
    DealsToWrite deals = request.deals;
    if (kind == DealFileKind::Pbn && request.awaitAnalysis) {
        const DealAnalyser* analyser = request.awaitAnalysis();
        if (analyser == nullptr) {
            return std::nullopt;
        }
        deals.boardTags = BoardAnalysisTags(deals.boardSet, *analyser);
    }
    const Status written = WriteDealFile(kind, chosen.fileName, deals);
    if (!written.Ok()) {
        ui.ShowMessage(written.IsNothingToDo() ? MessageKind::Plain : MessageKind::Error,
                       written.Reason(), MessageButtons::Ok);
        return std::nullopt;
    }
    return chosen.fileName;
}

}  // namespace kesto
