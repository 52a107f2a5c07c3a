// Reading deals from a file (Next on the first page in mode 2) and the print page's commands.

#include "kesto/options/settings_store.h"
#include "kesto/platform/file_io.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/texts.h"

namespace kesto {

void TKestoMain::ReadDealsFromFile() {
    FileDialogRequest request;
    request.title = std::string(texts::kOpenTitle);
    request.filter = std::string(texts::kOpenFilter);
    request.defaultExtension = std::string(texts::kOpenDefaultExtension);
    request.initialDirectory = dialogDirectory_;
    request.mustExist = true;
    {
        SettingsStore store;
        store.OpenKey(kSettingsKey, true);
        request.filterIndex = store.ReadIntegerDef("FileType", 1);
        store.CloseKey();
    }
    const FileDialogResult chosen = view_.OpenFileDialog(request);
    if (!chosen.accepted) {
        Refresh();
        return;
    }
    dialogDirectory_ = DirectoryOf(chosen.fileName);
    view_.ShowMessage(MessageKind::Information,
                      "Reading deal files is not available in this version yet.");
    Refresh();
}

void TKestoMain::PrintBtnClick() {
    view_.ShowMessage(MessageKind::Information, "Printing is not available in this version yet.");
}

void TKestoMain::SaveBtnClick() {
    view_.ShowMessage(MessageKind::Information,
                      "Saving deal files is not available in this version yet.");
}

void TKestoMain::CreateBtnClick() {
    view_.ShowMessage(MessageKind::Information,
                      "Creating HTML pages is not available in this version yet.");
}

}  // namespace kesto
