#pragma once
// The common dialogs of the core's Ui in Qt: message boxes with the icon kind and buttons the
// core asks for, the beep, and the open and save file dialogs.

#include <QMessageBox>
#include <QWidget>

#include "kesto/platform/ui.h"

namespace kesto::gui {

// The box shows the text with its CR LF line breaks; its title names the kind, as the
// message dialogs of the program always have.
Answer ShowQtMessage(QWidget* parent, MessageKind kind, const std::string& text,
                     MessageButtons buttons);
void QtBeep();

// Widens a message box so that its caption fits in a title bar with its buttons: a short text
// ("Nothing to print.") would otherwise leave a box too narrow for "Information" under some
// window managers. Call it after the caption and text are set.
void HoldCaption(QMessageBox& box);
// A message box with OK only, as QMessageBox's static functions show it, wide enough for its
// caption.
void ShowQtNotice(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                  const QString& text);
FileDialogResult ShowQtFileDialog(QWidget* parent, const FileDialogRequest& request, bool save);

// The user's documents folder as the desktop names it (XDG_DOCUMENTS_DIR, else ~/Documents),
// or the home folder when the desktop names none.
QString DocumentsFolder();

// "Kesto files (*.KST)|*.KST|All files|*.*" as Qt name filters, one per entry; each pattern
// is offered in upper and lower case, and "*.*" as "*".
QStringList QtNameFilters(const std::string& filter);

class QtUi : public Ui {
  public:
    explicit QtUi(QWidget* parent) : parent_(parent) {}
    Answer ShowMessage(MessageKind kind, const std::string& text,
                       MessageButtons buttons = MessageButtons::Ok) override {
        return ShowQtMessage(parent_, kind, text, buttons);
    }
    void Beep() override { QtBeep(); }
    FileDialogResult OpenFileDialog(const FileDialogRequest& request) override {
        return ShowQtFileDialog(parent_, request, false);
    }
    FileDialogResult SaveFileDialog(const FileDialogRequest& request) override {
        return ShowQtFileDialog(parent_, request, true);
    }

  private:
    QWidget* parent_;
};

}  // namespace kesto::gui
