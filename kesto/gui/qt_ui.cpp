#include "kesto/gui/qt_ui.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLineEdit>
#include <QSpacerItem>
#include <QStandardPaths>

#include "kesto/gui/text_convert.h"

namespace kesto::gui {

Answer ShowQtMessage(QWidget* parent, MessageKind kind, const std::string& text,
                     MessageButtons buttons) {
    QMessageBox box(parent);
    switch (kind) {
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            box.setWindowTitle("Error");
            break;
        case MessageKind::Warning:
            box.setIcon(QMessageBox::Warning);
            box.setWindowTitle("Warning");
            break;
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            box.setWindowTitle("Information");
            break;
        case MessageKind::Confirmation:
            box.setIcon(QMessageBox::Question);
            box.setWindowTitle("Confirm");
            break;
        case MessageKind::Plain:
            box.setIcon(QMessageBox::NoIcon);
            box.setWindowTitle(QApplication::applicationName());
            break;
    }
    QString shown = MessageToQString(text);
    shown.replace("\r\n", "\n");
    box.setText(shown);
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
    }
    HoldCaption(box);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            // Esc on a Yes/No box means No; on an OK/Cancel box, Cancel.
            return Answer::Ok;
    }
}

void HoldCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) {
        return;
    }
    // Title bars draw the caption in a bold font, beside a menu button and up to three
    // buttons of about twice the text's height each.
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int room = metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
    grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void ShowQtNotice(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                  const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    HoldCaption(box);
    box.exec();
}

void QtBeep() {
    QApplication::beep();
}

QStringList QtNameFilters(const std::string& filter) {
    const QStringList parts = ToQString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            if (pattern == "*.*") {
                patterns << "*";
                continue;
            }
            patterns << pattern;
            for (const QString& other : {pattern.toLower(), pattern.toUpper()}) {
                if (!patterns.contains(other)) {
                    patterns << other;
                }
            }
        }
        // The entry's own text stays as shown; the patterns follow in brackets that the
        // dialog hides (HideNameFilterDetails).
        filters << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return filters;
}

namespace {

// The extension of each entry's first pattern ("DLM" for "*.DLM"), or "" for one such as "*.*".
QStringList EntryExtensions(const std::string& filter) {
    const QStringList parts = ToQString(filter).split('|');
    QStringList extensions;
    for (qsizetype i = 1; i < parts.size(); i += 2) {
        const QString pattern = parts[i].section(';', 0, 0);
        const QString extension = pattern.mid(2);
        const bool plain = pattern.startsWith("*.") && !extension.contains('*');
        extensions << (plain ? extension : QString());
    }
    return extensions;
}

// The entry (from 1) that "Files of type" shows. Its list is read, not selectedNameFilter():
// with the details hidden, some Qt versions give the shortened text, which names no entry.
int ShownFilterIndex(const QFileDialog& dialog, const QStringList& filters, int fallback) {
    const auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    if (types != nullptr && types->currentIndex() >= 0 && types->currentIndex() < filters.size()) {
        return types->currentIndex() + 1;
    }
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    return index >= 0 ? static_cast<int>(index) + 1 : fallback;
}

}  // namespace

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

FileDialogResult ShowQtFileDialog(QWidget* parent, const FileDialogRequest& request, bool save) {
    // The folder asked for, or else the first of the documents folder and the home folder that
    // is there: a folder that has gone (a memory stick taken out) is no place to start.
    QString start = FileNameToQString(request.initialDirectory);
    for (const QString& folder : {DocumentsFolder(), QDir::homePath()}) {
        if (!start.isEmpty() && QFileInfo(start).isDir()) {
            break;
        }
        start = folder;
    }
    QFileDialog dialog(parent, ToQString(request.title), start);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = QtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
    dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    const QStringList extensions = EntryExtensions(request.filter);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
        if (!request.initialFileName.empty()) {
            dialog.selectFile(FileNameToQString(request.initialFileName));
        }
        // A name without an extension takes the entry picked's; a name with another entry's
        // extension (the name suggested) changes to the one picked.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&] {
            const int index = ShownFilterIndex(dialog, filters, 0);
            if (index < 1 || index > extensions.size() || extensions[index - 1].isEmpty()) {
                return;
            }
            const QString extension = extensions[index - 1];
            dialog.setDefaultSuffix(extension);
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            const qsizetype dot = name != nullptr ? name->text().lastIndexOf('.') : -1;
            if (dot > 0 && extensions.contains(name->text().mid(dot + 1), Qt::CaseInsensitive)) {
                name->setText(name->text().left(dot + 1) + extension);
            }
        });
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return result;
    }
    result.accepted = true;
    result.fileName = FileNameFromQString(dialog.selectedFiles().front());
    result.filterIndex = ShownFilterIndex(dialog, filters, request.filterIndex);
    return result;
}

}  // namespace kesto::gui
