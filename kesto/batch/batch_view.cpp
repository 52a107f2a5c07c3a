#include "kesto/batch/batch_view.h"

#include <ostream>

#include "kesto/files/write_deal_file.h"
#include "kesto/platform/text_encoding.h"
#include "kesto/workflow/save_deals.h"

namespace kesto {

int BatchView::TakeMessageCount() {
    const int count = messages_;
    messages_ = 0;
    return count;
}

Answer BatchView::ShowMessage(MessageKind, const std::string& text, MessageButtons buttons) {
    // A notice that offers to cancel is one the job goes past with OK: a warning, not the
    // reason a step stopped.
    if (buttons == MessageButtons::OkCancel) {
        err_ << "kesto batch: warning: " << MessageToUtf8(text) << "\n";
        return Answer::Ok;
    }
    ++messages_;
    err_ << "kesto batch: " << MessageToUtf8(text) << "\n";
    return buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
}

ZeroCardsChoice BatchView::TZeroCardsDlg(const std::string& text) {
    ShowMessage(MessageKind::Error, text, MessageButtons::Ok);
    return ZeroCardsChoice::AddCards;
}

FileDialogResult BatchView::OpenFileDialog(const FileDialogRequest& request) {
    return FileDialogResult{!openFile_.empty(), openFile_, request.filterIndex};
}

FileDialogResult BatchView::SaveFileDialog(const FileDialogRequest& request) {
    FileDialogResult result{!saveFile_.empty(), saveFile_, request.filterIndex};
    // Deal files take their kind from the extension; other save dialogs keep their index.
    if (request.filter.find("*.KST") != std::string::npos) {
        result.filterIndex = SaveFilterIndexOfKind(SaveKindOfFileName(saveFile_));
    }
    return result;
}

}  // namespace kesto
