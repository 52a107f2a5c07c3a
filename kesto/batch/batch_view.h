#pragma once
// The batch front end's view of the main window's logic: no window, no questions. Messages go
// to the error stream, file dialogs answer with the files named on the command line, every
// question gets the answer that lets the job go on.

#include <iosfwd>
#include <string>

#include "kesto/workflow/main_window_view.h"

namespace kesto {

class BatchView : public MainWindowView {
  public:
    explicit BatchView(std::ostream& err) : err_(err) {}

    // What the next open or save dialog answers; an empty name cancels it.
    void SetOpenFile(std::string fileName) { openFile_ = std::move(fileName); }
    void SetSaveFile(std::string fileName) { saveFile_ = std::move(fileName); }

    // Messages shown since the last call (their texts written to the error stream). A message
    // with OK and Cancel is answered OK, written as a warning and not counted.
    int TakeMessageCount();

    Answer ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) override;
    void Beep() override {}
    FileDialogResult OpenFileDialog(const FileDialogRequest& request) override;
    FileDialogResult SaveFileDialog(const FileDialogRequest& request) override;

    void ShowDisplay(const MainWindowDisplay&) override {}
    void PlaceCaret(SuitField, int, bool) override {}
    std::optional<int> TDateDlg(const std::vector<std::string>&) override { return std::nullopt; }
    // The batch has no stored answer to skip or print deals without cards: it stops, saying
    // which deals they are, as if cards were to be added.
    ZeroCardsChoice TZeroCardsDlg(const std::string& text) override;
    bool TDuplicateCardForm(const DuplicateCardMessage&) override { return false; }
    void CloseMainWindow() override {}

  private:
    std::ostream& err_;
    std::string openFile_;
    std::string saveFile_;
    int messages_ = 0;
};

}  // namespace kesto
