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
#include <memory>

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

// The real main window on the built libraries with its options dialog, shown, its settings
// file and PDF folder in a folder of their own for its life.
class PrintingWindow {
  public:
    explicit PrintingWindow(bool makeableContracts, DoubleDummySolver* solver = nullptr) {
        ::setenv("KESTO_SETTINGS", settings_.c_str(), 1);
        ready = SetPdfFolderOverride(pdfs.toStdString());
        if (makeableContracts) {
            SettingsStore(settings_).Write(kShowMakeableContracts, true);
        }
        window = std::make_unique<MainWindow>(
            clock_, languages_, settings_,
            [](const std::string& name) {
                return LoadSharedLibrary(name, {std::string(KESTO_BIN_DIR) + "/"});
            },
            solver);
        ready = window->FormCreate() && ready;
        options_ = std::make_unique<OptionDialogWidget>(languages_, nullptr, settings_);
        window->SetOptionsDialog(options_.get());
        window->show();
        // Three boards on the print page.
        window->Core().UpDown1Change(3);
        window->Core().NextBtnClick();
        ready = window->Core().CurrentPage() == Page::Print && ready;
    }
    ~PrintingWindow() {
        window.reset();
        options_.reset();
        SetPdfFolderOverride("");
        ::unsetenv("KESTO_SETTINGS");
    }
    QStringList Pdfs() const { return QDir(pdfs).entryList({"*.pdf"}, QDir::Files); }

  private:
    QTemporaryDir dir_;
    const std::string settings_ = dir_.filePath("Kesto.reg").toStdString();
    const FixedClock clock_{CivilDate{2026, 12, 7, 1}, 36'000'000u};
    LanguageTable languages_;
    std::unique_ptr<OptionDialogWidget> options_;

  public:
    const QString pdfs = dir_.filePath("printouts");
    std::unique_ptr<MainWindow> window;
    bool ready = false;
};

class PrintWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void printButtonWritesPdfsAndNamesTheFolder() {
        PrintingWindow printing(false);
        QVERIFY(printing.ready);
        MainWindow& window = *printing.window;
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

        QCOMPARE(shown,
                 "The printouts were saved as PDF files in the folder " + printing.pdfs + ".");
        // Sheets, the copy, and the curtain cards of four positions.
        QCOMPARE(printing.Pdfs().size(), 6);
        QVERIFY(window.Core().Printed);
    }

    // With the makeable contracts on, the print page shows the analysis running; Print waits
    // for it in a dialog whose Cancel prints nothing.
    void cancellingTheWaitForTheAnalysisPrintsNothing() {
        GatedSolver solver;  // holds the analysis until opened
        // Opens the gate before the window goes, however the test ends, so that the worker's
        // call returns.
        struct OpenOnExit {
            GatedSolver& solver;
            ~OpenOnExit() { solver.Open(); }
        };
        PrintingWindow printing(true, &solver);
        const OpenOnExit openOnExit{solver};
        QVERIFY(printing.ready);
        MainWindow& window = *printing.window;
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
        QVERIFY(printing.Pdfs().isEmpty());
        QCOMPARE(window.Core().Analysis()->Current().state, BackgroundAnalysis::State::Cancelled);
        QTRY_VERIFY(!bar->isVisible());
    }

    // The real solver: the hand record shows a table and a par line under every board.
    void theHandRecordShowsTheMakeableContracts() {
        PrintingWindow printing(true);
        QVERIFY(printing.ready);
        MainWindow& window = *printing.window;
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
        const QStringList files = printing.Pdfs();
        QCOMPARE(files.size(), 1);
        QProcess text;
        text.start("pdftotext", {QDir(printing.pdfs).filePath(files[0]), "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(printed.count("Par: "), 3);
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::PrintWindowTest)
#include "print_window_test.moc"
