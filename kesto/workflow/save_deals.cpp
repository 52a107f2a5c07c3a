#include "kesto/workflow/save_deals.h"

#include "kesto/analysis/deal_analysis.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/ui.h"

namespace kesto {

namespace {

// The standard PBN tags of each analysed board; an incomplete board has none.
std::vector<std::vector<PbnTag>> AnalysisPbnTags(const tBoardSet& boardSet,
                                                 const DealAnalyser& analyser) {
    std::vector<std::vector<PbnTag>> tags(boardSet.size());
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        if (const auto analysis = analyser.Find(boardSet[i], static_cast<int>(i) + 1))
            tags[i] = AnalysisPbnTags(*analysis);
    }
    return tags;
}

}  // namespace

DealFileKind SaveKindOfFilterIndex(int filterIndex) {
    switch (filterIndex) {
        case 2:
            return DealFileKind::Dlm;
        case 3:
            return DealFileKind::Dup;
        case 4:
            return DealFileKind::Pbn;
        default:
            return DealFileKind::Own;
    }
}

int SaveFilterIndexOfKind(DealFileKind kind) {
    switch (kind) {
        case DealFileKind::Dlm:
            return 2;
        case DealFileKind::Dup:
            return 3;
        case DealFileKind::Pbn:
            return 4;
        default:
            return 1;
    }
}

std::string_view SaveDefaultExtension(int filterIndex) {
    switch (SaveKindOfFilterIndex(filterIndex)) {
        case DealFileKind::Dlm:
            return "DLM";
        case DealFileKind::Dup:
            return "DUP";
        case DealFileKind::Pbn:
            return "pbn";
        default:
            return "KST";
    }
}

void SaveBtnClick(Ui& ui, SettingsStore& settings, const SaveRequest& request) {
    int fileType = 1;
    if (settings.OpenKey(kSettingsKey, true)) {
        fileType = settings.Read(kFileType);
        settings.CloseKey();
    }
    FileDialogRequest dialog;
    dialog.title = kSaveDialogTitle;
    dialog.filter = kSaveDialogFilter;
    dialog.filterIndex = fileType;
    dialog.defaultExtension = SaveDefaultExtension(fileType);
    dialog.initialDirectory = request.initialDirectory;
    dialog.promptOverwrite = true;
    const FileDialogResult chosen = ui.SaveFileDialog(dialog);
    if (!chosen.accepted || chosen.fileName.empty()) {
        return;
    }
    if (settings.OpenKey(kSettingsKey, true)) {
        settings.Write(kFileType, chosen.filterIndex);
        settings.CloseKey();
    }
    const DealFileKind kind = SaveKindOfFilterIndex(chosen.filterIndex);
    DealsToWrite deals = request.deals;
    if (kind == DealFileKind::Pbn && request.awaitAnalysis) {
        const DealAnalyser* analyser = request.awaitAnalysis();
        if (analyser == nullptr)
            return;
        deals.boardTags = AnalysisPbnTags(deals.boardSet, *analyser);
    }
    const WriteResult result = WriteDealFile(kind, chosen.fileName, deals);
    if (result.status == WriteStatus::Failed) {
        ui.ShowMessage(MessageKind::Error, result.message, MessageButtons::Ok);
    } else if (result.status == WriteStatus::EmptyBoardSet && !result.message.empty()) {
        ui.ShowMessage(MessageKind::Plain, result.message, MessageButtons::Ok);
    }
}

}  // namespace kesto
