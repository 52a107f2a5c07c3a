// The main window against bad input typed or pasted anywhere: text pasted into a suit field,
// a 100 kB header line, characters Windows-1252 cannot hold, a count field emptied. The
// window must not crash, must not take what the field refuses, and what it shows must be
// what the core holds.

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "kesto/files/deal_file.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/files/read_deal_file.h"
#include "kesto/gui/main_window.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/gui/text_convert.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/registry_hive.h"
#include "tests/support/fixed_clock.h"

using kesto::gui::MainWindow;

namespace kesto::test {

class RobustnessTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    std::unique_ptr<FixedClock> clock_;
    std::unique_ptr<kesto::LanguageTable> languages_;
    std::unique_ptr<MainWindow> window_;
    QTimer modalCloser_;
    QStringList closedDialogs_;

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = window_->findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }

    kesto::TKestoMain& Core() { return window_->Core(); }

    // The hand-entry page of a new record run.
    void GoToHandEntry() {
        Find<QRadioButton>("Mode1")->click();
        Find<QPushButton>("NextBtn")->click();
        QCOMPARE(Core().CurrentPage(), kesto::Page::EnterHand);
    }

    QLineEdit* FocusedSuitField(const char* name) {
        auto* field = Find<QLineEdit>(name);
        field->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        return field;
    }

    // A key that gives a character no keyboard layout key stands for (QTest::keyClicks aborts
    // on characters outside Latin-1).
    static void SendCharacter(QWidget* widget, const QString& character) {
        QTest::sendKeyEvent(QTest::KeyAction::Click, widget, Qt::Key_unknown, character,
                            Qt::NoModifier);
    }

    kesto::DealFileContents SaveAndReadBack() {
        const std::string path = folder_.filePath("deals.KST").toStdString();
        const kesto::Status written = kesto::WriteOwnDealFile(
            path, Core().boardSet, Core().HeaderLine1(), Core().HeaderLine2(), Core().Mode());
        if (!written.Ok()) {
            qFatal("the deals were not saved: %s", written.Reason().c_str());
        }
        kesto::DealFileContents contents;
        if (!kesto::ReadAnyDealFile(path, contents).Ok()) {
            qFatal("the saved file does not read");
        }
        return contents;
    }

  private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        qputenv("KESTO_SETTINGS", folder_.filePath("Kesto.reg").toLocal8Bit());
        // Any dialog the window opens (a message, the duplicate-card question) is answered
        // with Escape, and its text kept.
        modalCloser_.setInterval(20);
        connect(&modalCloser_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                closedDialogs_ << box->text();
                box->reject();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                closedDialogs_ << dialog->windowTitle();
                dialog->reject();
            }
        });
        modalCloser_.start();
    }

    void init() {
        closedDialogs_.clear();
        clock_ = std::make_unique<FixedClock>(kesto::CivilDate{2026, 12, 8, 2}, 0);
        languages_ = std::make_unique<kesto::LanguageTable>();
        window_ = std::make_unique<MainWindow>(*clock_, *languages_,
                                               folder_.filePath("Kesto.reg").toStdString());
        QVERIFY2(window_->FormCreate(), "the printing library is missing");
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        QFile::remove(folder_.filePath("Kesto.reg"));
    }

    void pastingIntoASuitFieldChangesNothing() {
        GoToHandEntry();
        QLineEdit* field = FocusedSuitField("SuitN1");
        QApplication::clipboard()->setText("AKQJT98765432");

        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(field, Qt::MiddleButton);
        QInputMethodEvent composed;
        composed.setCommitString("AKQ");
        QApplication::sendEvent(field, &composed);

        QCOMPARE(field->text(), QString());
        QCOMPARE(Core().boardSet.at(0).North.CardCount(), 0);

        // The field itself still takes typed cards.
        QTest::keyClicks(field, "AK");
        QCOMPARE(field->text(), QString("AK"));
        QCOMPARE(Core().boardSet.at(0).North.CardCount(), 2);
    }

    void charactersOutsideWindows1252InASuitFieldAreRefused() {
        GoToHandEntry();
        QLineEdit* field = FocusedSuitField("SuitE2");
        for (const QString& character : {QString(u8"\u0416"), QString(u8"\u2660"),
                                         QString(u8"\U0001F0A1"), QString(u8"\u20AC")}) {
            SendCharacter(field, character);
        }
        QCOMPARE(field->text(), QString());
        QCOMPARE(Core().boardSet.at(0).East.CardCount(), 0);
        QTest::keyClicks(field, "q");
        QCOMPARE(Core().boardSet.at(0).East.hearts, kesto::RankBit(kesto::kQueen));
    }

    void aPasted100kBHeaderLineIsKeptAsTheFieldShowsIt() {
        auto* line1 = Find<QLineEdit>("Edit17");
        line1->setFocus(Qt::OtherFocusReason);
        QString huge;
        for (int i = 0; huge.size() < 100 * 1024; ++i) {
            huge += QString("Club night %1 \u00E9\u20AC\u0416 ").arg(i);
        }
        QApplication::clipboard()->setText(huge);

        QTest::keyClick(line1, Qt::Key_V, Qt::ControlModifier);

        // The field holds as much as it can, from the start.
        QCOMPARE(line1->text().size(), std::min(huge.size(), qsizetype(line1->maxLength())));
        QVERIFY(huge.startsWith(line1->text()));
        QCOMPARE(Core().HeaderLine1(), kesto::gui::FromQString(line1->text()));

        // Generated deals go to the print page and back with the line unchanged, and a saved
        // file keeps it byte for byte.
        Find<QRadioButton>("Mode0")->click();
        Find<QPushButton>("NextBtn")->click();
        QCOMPARE(Core().CurrentPage(), kesto::Page::Print);
        const kesto::DealFileContents saved = SaveAndReadBack();
        QCOMPARE(saved.header1, Core().HeaderLine1());
        Find<QPushButton>("PrevBtn")->click();
        QCOMPARE(kesto::gui::FromQString(line1->text()), Core().HeaderLine1());
    }

    void headerCharactersOutsideWindows1252BecomeQuestionMarks() {
        auto* line2 = Find<QLineEdit>("Edit18");
        line2->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(line2, "Caf");
        for (const QString& character : {QString(u8"\u00E9"), QString(u8" "), QString(u8"\u0416"),
                                         QString(u8"\u20AC"), QString(u8"\U0001F0A1")}) {
            SendCharacter(line2, character);
        }
        const std::string expected = "Caf\xE9 ?\x80?";
        QCOMPARE(Core().HeaderLine2(), expected);

        Find<QRadioButton>("Mode0")->click();
        Find<QPushButton>("NextBtn")->click();
        QCOMPARE(SaveAndReadBack().header2, expected);
    }

    void languageWordsOutsideWindows1252AreStoredAsQuestionMarks() {
        window_.reset();  // the dialog writes the settings file on its own
        const std::string settings = folder_.filePath("Kesto.reg").toStdString();
        {
            kesto::LanguageTable languages;
            kesto::gui::OptionDialogWidget dialog(languages, nullptr, settings);
            dialog.show();
            auto* king = dialog.findChild<QLineEdit*>("Edit2");
            QVERIFY(king != nullptr);
            king->setFocus(Qt::OtherFocusReason);
            king->selectAll();
            SendCharacter(king, QString(u8"\u041A"));
            SendCharacter(king, QString(u8"\u00E9"));
            QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(languages.LanguageWord(1, kesto::kSlotKing), std::string("?\xE9"));
        }
        // The settings file the dialog wrote reads back with the same word.
        QVERIFY(kesto::LoadHiveFile(settings).status.Ok());
        kesto::LanguageTable again;
        kesto::gui::OptionDialogWidget reopened(again, nullptr, settings);
        QCOMPARE(reopened.findChild<QLineEdit*>("Edit2")->text(), QString(u8"?\u00E9"));
    }

    void anEmptiedCountFieldKeepsTheLastCount() {
        auto* count = Find<QSpinBox>("UpDown1");
        Find<QRadioButton>("Mode0")->click();
        count->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(count, Qt::Key_Backspace);
        QCOMPARE(count->text(), QString());

        Find<QPushButton>("NextBtn")->click();

        QCOMPARE(Core().CurrentPage(), kesto::Page::Print);
        QVERIFY(Core().RandomDealCount() >= 1 && Core().RandomDealCount() <= 500);
        QCOMPARE(static_cast<int>(Core().boardSet.size()), Core().RandomDealCount());

        // The copies field of the print page emptied, then back to the first page.
        auto* copies = Find<QSpinBox>("UpDown3");
        const int copiesBefore = Core().PrintRequest().copies;
        copies->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(copies, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(copies, Qt::Key_Backspace);
        Find<QPushButton>("PrevBtn")->click();
        QCOMPARE(Core().PrintRequest().copies, copiesBefore);
        QCOMPARE(count->text(), QString::number(Core().RandomDealCount()));
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::RobustnessTest)
#include "robustness_test.moc"
