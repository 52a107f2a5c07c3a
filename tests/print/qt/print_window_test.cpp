// "Prin&t" in the real main window with the real printing library: the options dialog's
// values and the PDF folder reach the printouts, and the window names the folder afterwards.

#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "kesto/gui/main_window.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/gui/text_convert.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/shared_library.h"
#include "kesto/print/print_destination.h"
#include "tests/support/fixed_clock.h"

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
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::PrintWindowTest)
#include "print_window_test.moc"
