// "Prin&t" in the real main window with the real printing library: the options dialog's
// values and the PDF folder reach the printouts, and the window names the folder afterwards.

#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "kesto/gui/main_window.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/gui/text_convert.h"
#include "kesto/options/language_table.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/shared_library.h"
#include "kesto/print/print_destination.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/fixed_solver.h"

using namespace kesto::gui;

namespace kesto::test {

class PrintWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void printButtonWritesPdfsAndNamesTheFolder() {
        QTemporaryDir dir;
        const QString settings = dir.filePath("Kesto.reg");
        const QString pdfs = dir.filePath("printouts");
        ::setenv("KESTO_SETTINGS", settings.toLocal8Bit().constData(), 1);
        QVERIFY(SetPdfFolderOverride(pdfs.toStdString()));

        const FixedClock clock(CivilDate{2026, 12, 7, 1}, 36'000'000u);
        LanguageTable languages;
        MainWindow window(clock, languages, settings.toStdString(), [](const std::string& name) {
            return LoadSharedLibrary(name, {std::string(KESTO_BIN_DIR) + "/"});
        });
        QVERIFY(window.FormCreate());
        OptionDialogWidget options(languages, nullptr, settings.toStdString());
        window.SetOptionsDialog(&options);
        window.show();
        window.Core().UpDown1Change(3);
        window.Core().NextBtnClick();
        QCOMPARE(window.Core().CurrentPage(), Page::Print);
        window.Core().UpDown3Change(1);
        window.Core().UpDown4Change("1");
        window.Core().CurtainsClick(true);

        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            shown = box->text();
            box->accept();
        });
        QTest::mouseClick(window.findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);

        QCOMPARE(shown, "The printouts were saved as PDF files in the folder " + pdfs + ".");
        // Sheets, the copy, and the curtain cards of four positions.
        QCOMPARE(QDir(pdfs).entryList({"*.pdf"}, QDir::Files).size(), 6);
        QVERIFY(window.Core().Printed);
        SetPdfFolderOverride("");
        ::unsetenv("KESTO_SETTINGS");
    }

    // With the makeable contracts on, the print page shows the analysis running; Print waits
    // for it in a dialog whose Cancel prints nothing.
    void cancellingTheWaitForTheAnalysisPrintsNothing() {
        QTemporaryDir dir;
        const QString settings = dir.filePath("Kesto.reg");
        const QString pdfs = dir.filePath("printouts");
        ::setenv("KESTO_SETTINGS", settings.toLocal8Bit().constData(), 1);
        QVERIFY(SetPdfFolderOverride(pdfs.toStdString()));
        StoreShowMakeableContracts(settings.toStdString());

        const FixedClock clock(CivilDate{2026, 12, 7, 1}, 36'000'000u);
        LanguageTable languages;
        GatedSolver solver;  // holds the analysis until opened
        {
            MainWindow window(
                clock, languages, settings.toStdString(),
                [](const std::string& name) {
                    return LoadSharedLibrary(name, {std::string(KESTO_BIN_DIR) + "/"});
                },
                &solver);
            // Opens the gate before the window goes, however the test ends, so that the
            // worker's call returns.
            struct OpenOnExit {
                GatedSolver& solver;
                ~OpenOnExit() { solver.Open(); }
            } openOnExit{solver};
            QVERIFY(window.FormCreate());
            OptionDialogWidget options(languages, nullptr, settings.toStdString());
            window.SetOptionsDialog(&options);
            window.show();
            window.Core().UpDown1Change(3);
            window.Core().NextBtnClick();
            QCOMPARE(window.Core().CurrentPage(), Page::Print);
            auto* bar = window.findChild<QProgressBar*>("AnalysisProgress");
            QVERIFY(bar != nullptr);
            QVERIFY(bar->isVisible());

            bool cancelled = false;
            QTimer::singleShot(0, [&cancelled] {
                QTRY_VERIFY(qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()));
                auto* wait = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
                QCOMPARE(wait->objectName(), QString("AnalysisWaitDialog"));
                QTest::keyClick(wait, Qt::Key_Escape);  // Cancel
                cancelled = true;
            });
            QTest::mouseClick(window.findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
            QVERIFY(cancelled);
            QVERIFY(!window.Core().Printed);
            QVERIFY(!QDir(pdfs).exists() || QDir(pdfs).entryList({"*.pdf"}, QDir::Files).isEmpty());
            QCOMPARE(window.Core().Analysis()->Current().state,
                     BackgroundAnalysis::State::Cancelled);
            QTRY_VERIFY(!bar->isVisible());
        }
        SetPdfFolderOverride("");
        ::unsetenv("KESTO_SETTINGS");
    }

    // The real solver: the hand record shows a table and a par line under every board.
    void theHandRecordShowsTheMakeableContracts() {
        QTemporaryDir dir;
        const QString settings = dir.filePath("Kesto.reg");
        const QString pdfs = dir.filePath("printouts");
        ::setenv("KESTO_SETTINGS", settings.toLocal8Bit().constData(), 1);
        QVERIFY(SetPdfFolderOverride(pdfs.toStdString()));
        StoreShowMakeableContracts(settings.toStdString());

        const FixedClock clock(CivilDate{2026, 12, 7, 1}, 36'000'000u);
        LanguageTable languages;
        MainWindow window(clock, languages, settings.toStdString(), [](const std::string& name) {
            return LoadSharedLibrary(name, {std::string(KESTO_BIN_DIR) + "/"});
        });
        QVERIFY(window.FormCreate());
        OptionDialogWidget options(languages, nullptr, settings.toStdString());
        window.SetOptionsDialog(&options);
        window.show();
        window.Core().UpDown1Change(3);
        window.Core().NextBtnClick();
        window.Core().UpDown3Change(1);
        window.Core().UpDown4Change("0");
        // Started by the print page; the window stays free while the solver works.
        QVERIFY(window.Core().Analysis() != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(window.Core().Analysis()->Finished(), 60000);
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->accept();
        });
        QTest::mouseClick(window.findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QTRY_VERIFY(window.Core().Printed);
        const QStringList files = QDir(pdfs).entryList({"*.pdf"}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QProcess text;
        text.start("pdftotext", {QDir(pdfs).filePath(files[0]), "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(printed.count("Par: "), 3);
        SetPdfFolderOverride("");
        ::unsetenv("KESTO_SETTINGS");
    }

  private:
    static void StoreShowMakeableContracts(const std::string& settings) {
        SettingsStore(settings).Write(kShowMakeableContracts, true);
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::PrintWindowTest)
#include "print_window_test.moc"
