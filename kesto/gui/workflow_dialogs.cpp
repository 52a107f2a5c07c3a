#include "kesto/gui/workflow_dialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "kesto/gui/qt_ui.h"
#include "kesto/gui/text_convert.h"
#include "kesto/workflow/texts.h"

namespace kesto::gui {

namespace {

QString Q(std::string_view text) {
    return ToQString(text);
}

void MakeFixedDialog(QDialog& dialog, std::string_view caption) {
    dialog.setWindowTitle(Q(caption));
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint);
    dialog.setObjectName(Q(caption));
}

// The duplicate-card question as the desktop's message boxes look. The user is typing cards:
// a character key beeps instead of pressing the button it underlines (the "T" of "&Transfer
// it" is also the ten), so a card typed on does not move a card. Esc, Return, Enter and Alt
// keys work as in any message box.
class DuplicateCardBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter ||
            event->text().isEmpty() ||
            (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        QApplication::beep();
    }
};

}  // namespace

QString SuitSymbol(Suit suit) {
    static const char16_t symbols[] = {u'\u2660', u'\u2665', u'\u2666', u'\u2663'};
    return QString(QChar(symbols[static_cast<int>(suit)]));
}

bool SuitIsRed(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}

std::optional<int> RunDateDialog(QWidget* parent, const std::vector<std::string>& entries) {
    QDialog dialog(parent);
    MakeFixedDialog(dialog, texts::kDateCaption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(Q(texts::kDateLabel), &dialog);
    auto* list = new QListWidget(&dialog);
    list->setObjectName("DateList");
    for (const std::string& entry : entries) {
        list->addItem(ToQString(entry));
    }
    label->setBuddy(list);
    auto* ok = new QPushButton(Q(texts::kDateOk), &dialog);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    dialog.setFixedSize(260, 220);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const int row = list->currentRow();
    return row >= 0 && list->currentItem() != nullptr && list->currentItem()->isSelected() ? row
                                                                                           : 0;
}

ZeroCardsChoice RunZeroCardsDialog(QWidget* parent, const std::string& text) {
    QDialog dialog(parent);
    MakeFixedDialog(dialog, texts::kZeroCardsCaption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* message = new QLabel(ToQString(text), &dialog);
    message->setObjectName("ZeroCardsText");
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    layout->addWidget(message);
    QButtonGroup group(&dialog);
    for (int i = 0; i < 3; ++i) {
        auto* choice = new QRadioButton(Q(texts::kZeroCardsChoices[i]), &dialog);
        choice->setChecked(i == 0);
        group.addButton(choice, i);
        layout->addWidget(choice);
    }
    auto* ok = new QPushButton(Q(texts::kOk), &dialog);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.setFixedWidth(330);
    dialog.exec();  // closing it any way takes the choice shown
    switch (group.checkedId()) {
        case 1:
            return ZeroCardsChoice::SkipEmptyDeals;
        case 2:
            return ZeroCardsChoice::PrintAllDeals;
        default:
            return ZeroCardsChoice::AddCards;
    }
}

QString SuitedTextToHtml(const SuitedText& text) {
    QString html;
    for (const auto& piece : text) {
        if (const Suit* suit = std::get_if<Suit>(&piece)) {
            html += QStringLiteral("<span style=\"color:%1\">%2</span>")
                        .arg(SuitIsRed(*suit) ? "#d00000" : "black", SuitSymbol(*suit));
        } else {
            html += ToQString(std::get<std::string>(piece)).toHtmlEscaped();
        }
    }
    return html;
}

bool RunDuplicateCardDialog(QWidget* parent, const DuplicateCardMessage& message) {
    DuplicateCardBox box(parent);
    box.setObjectName("DuplicateCardBox");
    box.setWindowTitle(Q(texts::kDuplicateCaption));
    box.setIcon(QMessageBox::Question);
    box.setTextFormat(Qt::RichText);
    box.setText(SuitedTextToHtml(message.text));
    box.setInformativeText(SuitedTextToHtml(message.question));
    QPushButton* transfer = box.addButton(Q(texts::kTransferIt), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(Q(texts::kCancel), QMessageBox::RejectRole);
    transfer->setObjectName("TransferButton");
    cancel->setObjectName("CancelButton");
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == transfer;
}

SaveAnswer RunSaveQuestionDialog(QWidget* parent, const SaveQuestion& question) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    MessageToQString(question.question), QMessageBox::NoButton, parent);
    box.setObjectName("SaveQuestion");
    box.setInformativeText(MessageToQString(question.detail));
    box.addButton(QMessageBox::Save)->setText("&Save");
    box.addButton(QMessageBox::Discard)->setText(Q(question.discardCaption));
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText("&Cancel");
    box.setDefaultButton(cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    HoldCaption(box);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Save:
            return SaveAnswer::Save;
        case QMessageBox::Discard:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

}  // namespace kesto::gui
