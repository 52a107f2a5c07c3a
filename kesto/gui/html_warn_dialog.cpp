#include "kesto/gui/html_warn_dialog.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "kesto/gui/text_convert.h"

namespace kesto::gui {

namespace {

constexpr int kTextWidth = 440;  // the fixed width the labels wrap in

QLabel* AddLabel(QVBoxLayout* layout, const std::string& text, const char* name) {
    auto* label = new QLabel(MessageToQString(text));  // Label2 names the program's folder
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    return label;
}

}  // namespace

HtmlWarnDialog::HtmlWarnDialog(const HtmlHintsTexts& texts, QWidget* parent) : QDialog(parent) {
    setObjectName("HTMLWarnDlg");
    setWindowTitle(ToQString(kHtmlHintsCaption));
    // Only a close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    AddLabel(layout, texts.label1, "Label1");
    AddLabel(layout, texts.label2, "Label2");
    AddLabel(layout, texts.label3, "Label3");
    AddLabel(layout, texts.label4, "Label4");

    auto* buttons = new QHBoxLayout;
    auto* yes = new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton), "&Yes");
    yes->setObjectName("BitBtn1");
    yes->setDefault(true);
    auto* no = new QPushButton(style()->standardIcon(QStyle::SP_DialogNoButton),
                               ToQString(kHtmlHintsNoCaption));
    no->setObjectName("BitBtn2");
    // Cancel, as Esc and the close box: no options, no page.
    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel");
    cancel->setObjectName("CancelBtn");
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons);

    checkBox1_ = new QCheckBox(ToQString(kHtmlHintsCheckBox));
    checkBox1_->setObjectName("CheckBox1");
    layout->addWidget(checkBox1_);

    connect(yes, &QPushButton::clicked, this, [this] {
        answer_ = HtmlHintsAnswer::Yes;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        answer_ = HtmlHintsAnswer::No;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed-size dialog
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

HtmlHintsResult HtmlWarnDialog::Result() const {
    return {answer_, checkBox1_->isChecked()};
}

HtmlHintsResult RunHtmlWarnDialog(QWidget* parent, const HtmlHintsTexts& texts) {
    HtmlWarnDialog dialog(texts, parent);
    dialog.exec();
    return dialog.Result();
}

QtHtmlExportView::QtHtmlExportView(Ui& dialogs, QWidget* parent,
                                   std::function<void()> showOptionsOnOther)
    : dialogs_(dialogs), parent_(parent), showOptionsOnOther_(std::move(showOptionsOnOther)) {}

HtmlHintsResult QtHtmlExportView::THTMLWarnDlg(const HtmlHintsTexts& texts) {
    return RunHtmlWarnDialog(parent_, texts);
}

void QtHtmlExportView::ShowOptionsOnOtherPage() {
    if (showOptionsOnOther_) {
        showOptionsOnOther_();
    }
}

}  // namespace kesto::gui
