#include "kesto/gui/print_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "kesto/gui/qt_ui.h"
#include "kesto/gui/text_convert.h"

namespace kesto::gui {

namespace {

constexpr const char* kPrinterSetupCaption = "Printer setup";
constexpr const char* kUsePrinter = "Print on the &printer:";
constexpr const char* kUsePdf = "Write PDF &files into the folder:";
constexpr const char* kBrowse = "&Browse...";
constexpr const char* kNoPrinters = "(this system has no printer)";

bool PrinterExists(const std::string& name) {
    return !name.empty() && !QPrinterInfo::printerInfo(ToQString(name)).isNull();
}

// Chooses the stored printer in the list when the system still has it and says so; otherwise
// the list shows the system's default printer, or its first.
bool ShowStoredPrinter(const PrintDestination& stored, const QStringList& names,
                       QComboBox* printers) {
    const auto storedIndex = names.indexOf(ToQString(stored.printerName));
    if (storedIndex >= 0) {
        printers->setCurrentIndex(static_cast<int>(storedIndex));
        return true;
    }
    if (!names.isEmpty()) {
        const auto defaultIndex = names.indexOf(QPrinterInfo::defaultPrinterName());
        printers->setCurrentIndex(defaultIndex >= 0 ? static_cast<int>(defaultIndex) : 0);
    }
    return false;
}

// The default folder is stored as "" so that it follows the documents folder.
std::string PdfFolderToStore(const QString& typed) {
    const std::string folder = FileNameFromQString(typed.trimmed());
    return folder == DefaultPdfFolder() ? std::string() : folder;
}

}  // namespace

MultipleSetAnswer RunMultipleSetWarningDialog(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(ToQString(kMultipleSetCaption));
    dialog.setObjectName("TMultipleSetWarningDlg");
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setSpacing(12);
    for (const std::string_view text : {kMultipleSetText1, kMultipleSetText2, kMultipleSetText3}) {
        auto* label = new QLabel(ToQString(text), &dialog);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    auto* dontShow = new QCheckBox(ToQString(kDontShowAgain), &dialog);
    dontShow->setObjectName("DontShowAgain");
    layout->addWidget(dontShow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.setFixedWidth(420);
    ok->setFocus();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    return {accepted, dontShow->isChecked()};
}

std::string DefaultPdfFolder() {
    return FileNameFromQString(QDir(DocumentsFolder()).filePath(ToQString(kDefaultPdfFolderName)));
}

ResolvedDestination ResolvePrintDestination(const PrintDestination& stored) {
    ResolvedDestination resolved;
    const std::string override = PdfFolderOverride();
    if (override.empty() && PrinterExists(stored.printerName)) {
        resolved.toPdf = false;
        resolved.canvas.printerName = stored.printerName;
        return resolved;
    }
    resolved.pdfFolder = !override.empty()           ? override
                         : !stored.pdfFolder.empty() ? stored.pdfFolder
                                                     : DefaultPdfFolder();
    resolved.canvas.pdfFolder = resolved.pdfFolder;
    return resolved;
}

PrintOutput MakePrintOutput(const std::string& settingsPath) {
    const ResolvedDestination resolved =
        ResolvePrintDestination(ReadPrintDestination(settingsPath));
    PrintOutput output;
    output.canvas = std::make_unique<QtPrinterCanvas>(resolved.canvas);
    output.pdfFolder = resolved.toPdf ? resolved.pdfFolder : std::string();
    return output;
}

bool RunPrinterSetupDialog(QWidget* parent, const std::string& settingsPath) {
    const PrintDestination stored = ReadPrintDestination(settingsPath);
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromLatin1(kPrinterSetupCaption));
    dialog.setObjectName("PrinterSetupDialog");
    auto* layout = new QGridLayout(&dialog);

    auto* usePrinter = new QRadioButton(QString::fromLatin1(kUsePrinter), &dialog);
    usePrinter->setObjectName("UsePrinter");
    auto* printers = new QComboBox(&dialog);
    printers->setObjectName("PrinterList");
    const QStringList names = QPrinterInfo::availablePrinterNames();
    printers->addItems(names);
    auto* usePdf = new QRadioButton(QString::fromLatin1(kUsePdf), &dialog);
    usePdf->setObjectName("UsePdf");
    auto* folder = new QLineEdit(&dialog);
    folder->setObjectName("PdfFolder");
    folder->setText(
        FileNameToQString(stored.pdfFolder.empty() ? DefaultPdfFolder() : stored.pdfFolder));
    folder->setMinimumWidth(320);
    auto* browse = new QPushButton(QString::fromLatin1(kBrowse), &dialog);
    QButtonGroup group(&dialog);
    group.addButton(usePrinter);
    group.addButton(usePdf);

    if (names.isEmpty()) {
        printers->addItem(QString::fromLatin1(kNoPrinters));
        usePrinter->setEnabled(false);
        printers->setEnabled(false);
    }
    (ShowStoredPrinter(stored, names, printers) ? usePrinter : usePdf)->setChecked(true);

    layout->addWidget(usePrinter, 0, 0, 1, 2);
    layout->addWidget(printers, 1, 0, 1, 2);
    layout->addWidget(usePdf, 2, 0, 1, 2);
    layout->addWidget(folder, 3, 0);
    layout->addWidget(browse, 3, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons, 4, 0, 1, 2);

    const auto follow = [&] {
        const bool pdf = usePdf->isChecked();
        printers->setEnabled(!pdf && !names.isEmpty());
        folder->setEnabled(pdf);
        browse->setEnabled(pdf);
    };
    follow();
    QObject::connect(usePdf, &QRadioButton::toggled, &dialog, follow);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
        const QString chosen =
            QFileDialog::getExistingDirectory(&dialog, QString(), folder->text());
        if (!chosen.isEmpty()) {
            folder->setText(QDir::toNativeSeparators(chosen));
        }
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const PrintDestination chosen =
        usePrinter->isChecked() && !names.isEmpty()
            ? PrintDestination{FromQString(printers->currentText()), stored.pdfFolder}
            : PrintDestination{{}, PdfFolderToStore(folder->text())};
    if (!WritePrintDestination(settingsPath, chosen)) {
        ShowQtNotice(&dialog, QMessageBox::Critical, QString::fromLatin1(kPrinterSetupCaption),
                     QStringLiteral("The printer choice could not be stored in the "
                                    "settings file %1.")
                         .arg(FileNameToQString(settingsPath)));
        return false;
    }
    return true;
}

}  // namespace kesto::gui
