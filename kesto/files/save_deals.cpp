#include "kesto/files/save_deals.h"

#include "kesto/files/deal_file_io.h"
#include "kesto/files/dlm_file.h"
#include "kesto/files/dup_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/ui.h"

namespace kesto {

DealFileKind SaveKindOfFilterIndex(int filterIndex) {
    switch (filterIndex) {
        case 2:
            return DealFileKind::Dlm;
        case 3:
            return DealFileKind::Dup;
        default:
            return DealFileKind::Own;
    }
}

std::string_view SaveDefaultExtension(int filterIndex) {
    switch (SaveKindOfFilterIndex(filterIndex)) {
        case DealFileKind::Dlm:
            return "DLM";
        case DealFileKind::Dup:
            return "DUP";
        default:
            return "KST";
    }
}

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

WriteResult SaveDealFile(DealFileKind kind, const std::string& fileName,
                         const SaveRequest& request) {
    switch (kind) {
        case DealFileKind::Dlm:
            return WriteDLMFile(fileName, request.boardSet, request.header1, request.header2,
                                request.mode);
        case DealFileKind::Dup:
            return WriteDUPFile(fileName, request.boardSet);
        default:
            return WriteOwnDealFile(fileName, request.boardSet, request.header1, request.header2,
                                    request.mode);
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
        SaveDealFile(SaveKindOfFilterIndex(chosen.filterIndex), chosen.fileName, request);
    if (result.status == WriteStatus::Failed) {
        ui.ShowMessage(MessageKind::Error, result.message, MessageButtons::Ok);
    } else if (result.status == WriteStatus::EmptyBoardSet && !result.message.empty()) {
        ui.ShowMessage(MessageKind::Plain, result.message, MessageButtons::Ok);
    }
}

}  // namespace kesto
