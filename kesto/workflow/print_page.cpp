// Reading deals from a file (Next on the first page in mode 2) and the print page's commands.

#include "kesto/files/read_deal_file.h"
#include "kesto/files/save_deals.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/file_io.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/texts.h"

namespace kesto {

void TKestoMain::ReadDealsFromFile() {
    FileDialogRequest request;
    request.title = std::string(kOpenDialogTitle);
    request.filter = std::string(kOpenDialogFilter);
    request.defaultExtension = std::string(kOpenDialogDefaultExtension);
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
    // The next dialog starts in the folder the user last chose.
    dialogDirectory_ = DirectoryOf(chosen.fileName);
    DealFileContents contents;
    if (!ReadDealFile(chosen.fileName, view_, contents)) {
        boardSet.clear();
        Refresh();
        return;
    }
    boardSet = std::move(contents.boardSet);
    line1_ = std::move(contents.header1);
    line2_ = std::move(contents.header2);
    DealsComplete = contents.dealsComplete;
    {
        SettingsStore store;
        store.OpenKey(kSettingsKey, true);
        store.WriteInteger("FileType", chosen.filterIndex);
        store.CloseKey();
    }
    ShowPage(DealsComplete ? Page::Print : Page::EnterHand);
}

void TKestoMain::PrintBtnClick() {
    view_.ShowMessage(MessageKind::Information, "Printing is not available in this version yet.");
}

void TKestoMain::SaveBtnClick() {
    SettingsStore store;
    const SaveRequest request{boardSet, line1_, line2_, Mode(), dialogDirectory_};
    kesto::SaveBtnClick(view_, store, request);
}

void TKestoMain::CreateBtnClick(HtmlExportView& htmlView, const HtmlPageOptions& options) {
    HtmlExportContext context{boardSet,          line1_,      line2_,           statsWithHtml_,
                              options,           html_.get(), dialogDirectory_, ProgramDirectory(),
                              SuppressHTMLAlert, Printed};
    HTMLBtnClick(context, htmlView);
}

}  // namespace kesto
