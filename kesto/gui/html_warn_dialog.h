#pragma once
// The HTML hints dialog (THTMLWarnDlg) and the window side of the "&Create" command: a
// fixed-size dialog centred on the screen with only a close box, four labels, a Yes button, a
// No button that goes ahead, Cancel, and the "Do not show this alert again" check box.

#include <QDialog>
#include <functional>

#include "kesto/html/html_export.h"

class QCheckBox;

namespace kesto::gui {

class HtmlWarnDialog : public QDialog {
    Q_OBJECT

  public:
    explicit HtmlWarnDialog(const HtmlHintsTexts& texts, QWidget* parent = nullptr);

    // After exec(): Yes, No, or Closed for Cancel, the close box and Esc; and the check box.
    HtmlHintsResult Result() const;

  private:
    QCheckBox* checkBox1_ = nullptr;
    HtmlHintsAnswer answer_ = HtmlHintsAnswer::Closed;
};

// Shows the dialog modally and returns the user's answer.
HtmlHintsResult RunHtmlWarnDialog(QWidget* parent, const HtmlHintsTexts& texts);

// What the command needs of the main window: its dialogs, the hints dialog over it, and the
// options dialog opened on "&Other" by the given call (which must outlive this view).
class QtHtmlExportView final : public HtmlExportView {
  public:
    QtHtmlExportView(Ui& dialogs, QWidget* parent, std::function<void()> showOptionsOnOther);
    Ui& Dialogs() override { return dialogs_; }
    HtmlHintsResult THTMLWarnDlg(const HtmlHintsTexts& texts) override;
    void ShowOptionsOnOtherPage() override;

  private:
    Ui& dialogs_;
    QWidget* parent_;
    std::function<void()> showOptionsOnOther_;
};

}  // namespace kesto::gui
