#include "kesto/workflow/save_deals.h"

#include "kesto/options/settings_store.h"
#include "kesto/platform/ui.h"

namespace kesto {

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
    const WriteResult result =
        WriteDealFile(SaveKindOfFilterIndex(chosen.filterIndex), chosen.fileName, request.deals);
    if (result.status == WriteStatus::Failed) {
        ui.ShowMessage(MessageKind::Error, result.message, MessageButtons::Ok);
    } else if (result.status == WriteStatus::EmptyBoardSet && !result.message.empty()) {
        ui.ShowMessage(MessageKind::Plain, result.message, MessageButtons::Ok);
    }
}

}  // namespace kesto
