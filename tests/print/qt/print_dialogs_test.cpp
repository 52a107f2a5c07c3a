// The print job's Qt windows: the multiple set warning's texts and answers, and where
// printouts go (the destination as the printing library resolves it).

#include <stdlib.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "kesto/gui/print_dialogs.h"
#include "kesto/gui/text_convert.h"

using namespace kesto::gui;

namespace kesto::test {

class PrintDialogsTest : public QObject {
    Q_OBJECT

  private:
    // Runs the warning and acts on it once it shows.
    MultipleSetAnswer Warning(const std::function<void(QDialog&)>& act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            act(*dialog);
            if (dialog->isVisible()) {  // a failed check inside act left it open
                dialog->reject();
            }
        });
        return RunMultipleSetWarningDialog(nullptr);
    }

  private slots:
    void init() { ::unsetenv(kPdfFolderVariable); }

    void warningShowsItsTextsWithOkFocused() {
        Warning([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Multiple Set Warning"));
            QStringList texts;
            for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                texts << label->text();
            }
            QCOMPARE(texts, (QStringList{ToQString(kMultipleSetText1), ToQString(kMultipleSetText2),
                                         ToQString(kMultipleSetText3)}));
            auto* box = dialog.findChild<QCheckBox*>("DontShowAgain");
            QVERIFY(box != nullptr);
            QCOMPARE(box->text(), QString("Don't show this warning again"));
            QVERIFY(!box->isChecked());
            auto* focused = qobject_cast<QPushButton*>(dialog.focusWidget());
            QVERIFY(focused != nullptr);
            QCOMPARE(focused->text().remove('&'), QString("OK"));
            dialog.accept();
        });
    }

    void enterIsOk() {
        const MultipleSetAnswer answer =
            Warning([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
        QVERIFY(answer.ok);
        QVERIFY(!answer.dontShowAgain);
    }

    void cancelKeepsTheBoxState() {
        const MultipleSetAnswer answer = Warning([](QDialog& dialog) {
            dialog.findChild<QCheckBox*>("DontShowAgain")->setChecked(true);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QVERIFY(!answer.ok);
        QVERIFY(answer.dontShowAgain);
    }

    void closeBoxKeepsTheBoxState() {
        const MultipleSetAnswer answer = Warning([](QDialog& dialog) {
            dialog.findChild<QCheckBox*>("DontShowAgain")->setChecked(true);
            dialog.close();
        });
        QVERIFY(!answer.ok);
        QVERIFY(answer.dontShowAgain);
    }

    void missingPrinterFallsBackToTheChosenFolder() {
        const ResolvedDestination resolved =
            ResolvePrintDestination({"No Such Printer 4711", "/srv/club/pdf"});
        QVERIFY(resolved.toPdf);
        QCOMPARE(QString::fromStdString(resolved.pdfFolder), QString("/srv/club/pdf"));
        QCOMPARE(QString::fromStdString(resolved.canvas.pdfFolder), QString("/srv/club/pdf"));
        QVERIFY(resolved.canvas.printerName.empty());
    }

    void noChoiceMeansTheDocumentsFolder() {
        const ResolvedDestination resolved = ResolvePrintDestination({});
        QVERIFY(resolved.toPdf);
        QVERIFY(QString::fromStdString(resolved.pdfFolder).endsWith("/Kesto printouts"));
        QCOMPARE(resolved.pdfFolder, DefaultPdfFolder());
    }

    void outputFolderOverridesEverything() {
        QVERIFY(SetPdfFolderOverride("/tmp/batch-out"));
        const ResolvedDestination resolved = ResolvePrintDestination({"", "/srv/club/pdf"});
        QCOMPARE(QString::fromStdString(resolved.pdfFolder), QString("/tmp/batch-out"));
    }

    void printerSetupStoresTheChosenFolder() {
        QTemporaryDir dir;
        const std::string settings = dir.filePath("Kesto.reg").toStdString();
        QTimer::singleShot(0, [&dir] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QString("Printer setup"));
            auto* usePdf = dialog->findChild<QRadioButton*>("UsePdf");
            QVERIFY(usePdf->isChecked());  // nothing chosen yet: PDF files
            auto* folder = dialog->findChild<QLineEdit*>("PdfFolder");
            QCOMPARE(folder->text(), ToQString(DefaultPdfFolder()));
            folder->setText(dir.filePath("club"));
            dialog->accept();
        });
        QVERIFY(RunPrinterSetupDialog(nullptr, settings));
        const PrintDestination stored = ReadPrintDestination(settings);
        QVERIFY(stored.printerName.empty());
        QCOMPARE(ToQString(stored.pdfFolder), dir.filePath("club"));

        // Cancel changes nothing.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->findChild<QLineEdit*>("PdfFolder")->setText("/elsewhere");
            dialog->reject();
        });
        QVERIFY(!RunPrinterSetupDialog(nullptr, settings));
        QCOMPARE(ToQString(ReadPrintDestination(settings).pdfFolder), dir.filePath("club"));

        // The default folder is stored as no folder, so that it follows the documents folder.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            dialog->findChild<QLineEdit*>("PdfFolder")->setText(ToQString(DefaultPdfFolder()));
            dialog->accept();
        });
        QVERIFY(RunPrinterSetupDialog(nullptr, settings));
        QVERIFY(ReadPrintDestination(settings).pdfFolder.empty());
    }

    void canvasFollowsTheStoredChoice() {
        QTemporaryDir dir;
        const std::string settings = dir.filePath("Kesto.reg").toStdString();
        const std::string pdfs =
            dir.filePath(QString::fromUtf8("\u0141\u00f3d\u017a")).toStdString();
        QVERIFY(WritePrintDestination(settings, {"No Such Printer 4711", pdfs}));
        const PrintOutput output = MakePrintOutput(settings);
        QVERIFY(output.pdfFolder == pdfs);
        QVERIFY(output.canvas->BeginDoc("Statistics").Ok());
        output.canvas->TextOut(10, 10, "x");
        QVERIFY(output.canvas->EndDoc().Ok());
        // In the folder named as stored.
        QCOMPARE(QDir(QString::fromStdString(pdfs)).entryList(QDir::Files).size(), 1);
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::PrintDialogsTest)
#include "print_dialogs_test.moc"
