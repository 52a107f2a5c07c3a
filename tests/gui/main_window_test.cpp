// The real main window on the real libraries, driven by key clicks under the offscreen
// platform.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "kesto/files/deal_file_kinds.h"
#include "kesto/gui/main_window.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/gui/screenshots.h"
#include "kesto/gui/window_place.h"
#include "kesto/options/language_table.h"
#include "kesto/options/settings_store.h"
#include "kesto/plan/plan_reader.h"
#include "kesto/platform/shared_library.h"
#include "kesto/workflow/save_deals.h"
#include "tests/support/fixed_clock.h"

namespace kesto::test {

// North's, East's and South's hands of a deal, suit by suit: West's is what is left.
constexpr const char* kNorthEastSouth[3][4] = {
    {"AK93", "Q82", "AT76", "J4"}, {"QT8", "AJ7", "KQ4", "K652"}, {"J7652", "KT6", "J3", "A93"}};

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void opensOnTheFirstPageAtItsFixedSize();
    void nextDealsThirtyBoardsAndShowsThePrintPage();
    void aPlanKeptInItsDialogIsStoredAndNextDealsToIt();
    void aPlanNoDealMeetsShowsProgressUntilCancelled();
    void countFieldsTakeOnlyDigits();
    void recordShowsTheEmptyDealWithTheFocusOnNorthsSpades();
    void typedKeysChangeTheDealAndTheCaret();
    void deleteAndBackspaceRemoveCards();
    void aDealIsRecordedByKeyboardAlone();
    void theDealNumberExtendsTheBoardSet();
    void optionsOkRedrawsTheHandInTheNewLanguage();
    void theDealNumberTakesNoMouseTextAndEnterFillsIn();
    void typingReplacesTheCopiesOnPageEntryAndByTab();
    void aLongSuitShowsEveryCardWithoutTheFocus();
    void aFileNumberedFromFiveIsReadOnlyAfterOkOnTheNotice();
    void aFileGivenAtStartIsReadWithTheSameNotice();
    void theKindPickedIsSavedUnderANameOutsideAscii();
    void dealsReadSaveWhereTheyCameFrom();
    void theBoardViewerMovesByTheListsKeys();
    void closingAsksBeforeUnsavedBoardsAreLost();
    void theMenusHaveTheKeysEveryProgramHas();
    void everyListedControlHasItsAltKey();
    void theWindowHasItsIconAndItsPlaceOnTheScreen();
    void screenshotsShowEveryPageAndEveryDialogMet();

  private:
    template <typename T>
    T* Find(const char* name) {
        T* widget = window_->findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    QLineEdit* Suit(char seat, int suit) {
        return Find<QLineEdit>(QString("Suit%1%2").arg(seat).arg(suit).toLatin1().constData());
    }
    void StartRecording();
    // Triggers the menu item with this text.
    void Trigger(const QString& text) {
        for (QAction* action : window_->menuBar()->findChildren<QAction*>()) {
            if (action->text() == text) {
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable("no menu item " + text));
    }
    // Runs then on the next modal dialog, once it shows.
    void WhenModal(std::function<void(QWidget*)> then) {
        QTimer::singleShot(0, window_.get(), [then] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            then(QApplication::activeModalWidget());
        });
    }

    // Reads the file through the real open dialog (its name typed in full) and answers the
    // board-number notice with the button given; the notice's text, or "" when none showed.
    QString ReadFileAnswering(const QString& path, QMessageBox::StandardButton answer) {
        auto notice = std::make_shared<QString>();
        QTimer::singleShot(0, window_.get(), [path, answer, notice] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr);
            auto* open = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            open->findChild<QLineEdit*>("fileNameEdit")->setText(path);
            QTimer::singleShot(0, [answer, notice] {
                QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) !=
                            nullptr);
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                *notice = box->text();
                QVERIFY(box->button(QMessageBox::Cancel) != nullptr);
                box->button(answer)->click();
            });
            QMetaObject::invokeMethod(open, "accept");
        });
        Find<QRadioButton>("Mode2")->click();
        QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
        return *notice;
    }

    // Saves the board set through the real save dialog: the entry at row (from 1) picked by
    // the keys, then the name typed as it is; the file the dialog gives.
    void SaveThroughTheDialog(const QString& folder, int row, const QString& name) {
        ActivateWindow();
        WhenModal([folder, row, name](QWidget* modal) {
            auto* save = qobject_cast<QFileDialog*>(modal);
            QVERIFY(save != nullptr);
            save->setDirectory(folder);
            auto* types = save->findChild<QComboBox*>("fileTypeCombo");
            QTest::keyClick(types, Qt::Key_Home);
            for (int i = 1; i < row; ++i) {
                QTest::keyClick(types, Qt::Key_Down);
            }
            auto* edit = save->findChild<QLineEdit*>("fileNameEdit");
            edit->clear();
            QTest::keyClicks(edit, name);
            QMetaObject::invokeMethod(save, "accept");
        });
        QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    }
    // The window active again after a dialog, before the next modal is awaited: the wait runs
    // the events.
    void ActivateWindow() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    // The kind of the deal file at path, as the reader recognises it.
    static DealFileKind KindOf(const QString& path) {
        std::ifstream file(path.toStdString(), std::ios::binary);
        std::string first(kesto::kRecognitionBytes, ' ');
        file.read(first.data(), static_cast<std::streamsize>(first.size()));
        return file.gcount() > 0 ? kesto::RecogniseDealFile(first) : DealFileKind::Unknown;
    }

    std::unique_ptr<QTemporaryDir> settings_;
    std::unique_ptr<FixedClock> clock_;
    std::unique_ptr<LanguageTable> languages_;
    std::unique_ptr<gui::MainWindow> window_;
};

void MainWindowTest::init() {
    settings_ = std::make_unique<QTemporaryDir>();
    qputenv("KESTO_SETTINGS", settings_->filePath("Kesto.reg").toUtf8());
    clock_ = std::make_unique<FixedClock>(CivilDate{2026, 12, 7, 1}, 1000u);
    languages_ = std::make_unique<LanguageTable>();
    window_ = std::make_unique<gui::MainWindow>(
        *clock_, *languages_, settings_->filePath("Kesto.reg").toStdString(),
        [](const std::string& name) {
            return LoadSharedLibrary(name, std::vector<std::string>{KESTO_BIN_DIR "/"});
        });
    QVERIFY(window_->FormCreate());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void MainWindowTest::cleanup() {
    window_.reset();
    languages_.reset();
    clock_.reset();
    settings_.reset();
}

void MainWindowTest::StartRecording() {
    Find<QRadioButton>("Mode1")->click();
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    QCOMPARE(window_->Core().CurrentPage(), kesto::Page::EnterHand);
}

void MainWindowTest::opensOnTheFirstPageAtItsFixedSize() {
    QCOMPARE(window_->windowTitle(), QString("Kesto"));
    QCOMPARE(window_->centralWidget()->size(), QSize(455, 359));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(Find<QPushButton>("NextBtn")->text(), QString("&Next >>"));
    QVERIFY(!Find<QPushButton>("PrevBtn")->isEnabled());
    QCOMPARE(Find<QPushButton>("NextBtn")->focusPolicy(), Qt::NoFocus);
    QCOMPARE(Find<QSpinBox>("UpDown1")->value(), 30);
    QVERIFY(Find<QRadioButton>("Mode0")->isChecked());
    QVERIFY(Find<QWidget>("GroupBox7")->isVisible());
    Find<QRadioButton>("Mode1")->click();
    QVERIFY(!Find<QWidget>("GroupBox7")->isVisible());
}

void MainWindowTest::nextDealsThirtyBoardsAndShowsThePrintPage() {
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    QCOMPARE(window_->Core().boardSet.size(), std::size_t{30});
    QVERIFY(Find<QWidget>("PrintTab")->isVisible());
    QCOMPARE(Find<QLabel>("CopiesLabel")->text(),
             QString("N&umber of copies (with all 30 hands):"));
    QCOMPARE(Find<QPushButton>("NextBtn")->text(), QString("&Done"));
    QCOMPARE(window_->windowTitle(), QString("*Kesto - Print hands"));  // dealt, not saved
    QVERIFY(Find<QPushButton>("CreateBtn")->isEnabled());
    // Back (generate mode asks nothing), then a smaller count.
    QTest::mouseClick(Find<QPushButton>("PrevBtn"), Qt::LeftButton);
    QVERIFY(Find<QWidget>("FirstTab")->isVisible());
}

// Typed as a user would (the dialog's messages are its own test's): a good plan shows each
// line's odds, OK keeps and stores it, and Next deals boards that meet their lines.
void MainWindowTest::aPlanKeptInItsDialogIsStoredAndNextDealsToIt() {
    const std::string plan = "3: hcp(dealer) >= 15\n2: shape(lho) = any 5431";
    QString oddsShown;
    WhenModal([&](QWidget* dialog) {
        auto* edit = dialog->findChild<QPlainTextEdit*>("PlanEdit");
        const QStringList lines = QString::fromStdString(plan).split('\n');
        QTest::keyClicks(edit, lines[0]);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, lines[1]);
        QTRY_VERIFY(!dialog->findChild<QLabel*>("PlanOdds")->text().isEmpty());
        oddsShown = dialog->findChild<QLabel*>("PlanOdds")->text();
        QTest::mouseClick(dialog->findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>("PlanBtn"), Qt::LeftButton);
    QVERIFY2(oddsShown.startsWith("Line 1: about 1 deal in ") && oddsShown.contains("\nLine 2: "),
             qPrintable(oddsShown));
    QVERIFY(Find<QCheckBox>("PlanCheckBox")->isChecked());
    // The counts say how many boards there are: the number of deals has no say.
    QCOMPARE(Find<QLabel>("PlanLine")->text(), QString("Plan: 5 boards (3 + 2)"));
    QVERIFY(!Find<QSpinBox>("UpDown1")->isEnabled());
    QCOMPARE(SettingsStore(settings_->filePath("Kesto.reg").toStdString()).Read(kPlan), plan);

    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    const tBoardSet& boards = window_->Core().boardSet;
    QCOMPARE(boards.size(), std::size_t{5});
    const Plan read = ReadPlan(plan).plan;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        QVERIFY(read.lines[i < 3 ? 0 : 1].condition.Meets(FiguresOf(boards[i]),
                                                          BoardDealer(static_cast<int>(i) + 1)));
    }
    QVERIFY(Find<QWidget>("PrintTab")->isVisible());
}

// The first page says what a ticked plan deals; a plan no deal meets shows its progress.
void MainWindowTest::aPlanNoDealMeetsShowsProgressUntilCancelled() {
    window_->Core().PlanDlgOk({.text = "8: hcp(N) >= 10\n4: hcp(N) = 37", .mix = true});
    QCOMPARE(Find<QLabel>("PlanLine")->text(), QString("Plan: 12 boards (8 + 4), mixed"));
    window_->Core().PlanDlgOk({.text = "hcp(N) = 37"});
    QCOMPARE(Find<QLabel>("PlanLine")->text(), QString("Plan: one condition for all 30 boards"));
    QVERIFY(Find<QSpinBox>("UpDown1")->isEnabled());
    Find<QCheckBox>("PlanCheckBox")->click();
    QCOMPARE(Find<QLabel>("PlanLine")->text(), QString());
    Find<QCheckBox>("PlanCheckBox")->click();
    QString shown;
    WhenModal([&shown](QWidget* dialog) {
        shown = dialog->objectName();
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    QCOMPARE(shown, QString("PlanDealingDialog"));
    QVERIFY(window_->Core().boardSet.empty());
    QVERIFY(Find<QWidget>("FirstTab")->isVisible());
    // A dealer script's produce becomes the number of deals; its seats box is stored.
    window_->Core().PlanDlgOk(
        {.text = "produce 12\ncondition hcp(north) >= 0", .fixedSeats = true});
    QCOMPARE(Find<QLabel>("PlanLine")->text(), QString("Plan: a dealer script for all 12 boards"));
    QCOMPARE(Find<QSpinBox>("UpDown1")->value(), 12);
    QVERIFY(SettingsStore(settings_->filePath("Kesto.reg").toStdString()).Read(kPlanFixedSeats));
}

void MainWindowTest::countFieldsTakeOnlyDigits() {
    auto* count = Find<QSpinBox>("UpDown1");
    count->setFocus();
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(count, "1x-2");
    QCOMPARE(count->value(), 12);
    QTest::keyClick(count, Qt::Key_End);
    QTest::keyClick(count, Qt::Key_Backspace);
    QTest::keyClicks(count, "5");
    QTest::keyClick(count, Qt::Key_Home);
    QTest::keyClick(count, Qt::Key_Delete);  // an editing key, not a typed character
    QTest::keyClicks(count, "1");
    QCOMPARE(count->value(), 15);
    QTest::keyClick(count, Qt::Key_Up);
    QTest::keyClick(count, Qt::Key_Down);
    QTest::keyClick(count, Qt::Key_End);
    QTest::keyClick(count, Qt::Key_Backspace);
    QTest::keyClicks(count, "2");
    QCOMPARE(window_->Core().RandomDealCount(), 12);
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    QCOMPARE(window_->Core().boardSet.size(), std::size_t{12});
}

void MainWindowTest::recordShowsTheEmptyDealWithTheFocusOnNorthsSpades() {
    StartRecording();
    QCOMPARE(window_->windowTitle(), QString("Kesto - Record hands"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Suit('N', 1)));
    QCOMPARE(Find<QSpinBox>("UpDown2")->value(), 1);
    for (const char* name : {"FillInN", "FillInE", "FillInS", "FillInW"}) {
        QVERIFY(Find<QPushButton>(name)->isHidden());
    }
    for (const char* name : {"CountN", "CountE", "CountS", "CountW"}) {
        QCOMPARE(Find<QLabel>(name)->text(), QString("0"));
    }
    QCOMPARE(Suit('N', 1)->font().family(), QString("Arial"));
    QCOMPARE(Suit('N', 1)->font().pixelSize(), 12);
}

void MainWindowTest::typedKeysChangeTheDealAndTheCaret() {
    StartRecording();
    QLineEdit* spades = Suit('N', 1);
    QTest::keyClicks(spades, "a2q");
    QCOMPARE(spades->text(), QString("AQ2"));
    QCOMPARE(spades->cursorPosition(), 2);  // right after the queen just typed
    QTest::keyClicks(spades, "0x");
    QCOMPARE(spades->text(), QString("AQ2"));
    QTest::keyClicks(spades, "1");  // English writes the ten as T
    QCOMPARE(spades->text(), QString("AQT2"));
    QCOMPARE(spades->cursorPosition(), 3);
    QVERIFY(!spades->hasSelectedText());
    QCOMPARE(Find<QLabel>("CountN")->text(), QString("4"));
    QVERIFY(window_->Core().boardSet[0].North.Holds(kesto::Suit::Spades, kTen));
}

void MainWindowTest::deleteAndBackspaceRemoveCards() {
    languages_->SetCurrentLanguage(2);  // the ten written "10"
    StartRecording();
    QLineEdit* hearts = Suit('E', 2);
    hearts->setFocus();
    QTest::keyClicks(hearts, "aq10");
    QCOMPARE(hearts->text(), QString("AQ10"));
    QCOMPARE(hearts->cursorPosition(), 4);
    QTest::keyClick(hearts, Qt::Key_Backspace);
    QCOMPARE(hearts->text(), QString("AQ"));
    QCOMPARE(hearts->cursorPosition(), 2);
    QTest::keyClick(hearts, Qt::Key_Home);
    QTest::keyClick(hearts, Qt::Key_Delete);
    QCOMPARE(hearts->text(), QString("Q"));
    QCOMPARE(hearts->cursorPosition(), 0);
    QCOMPARE(Find<QLabel>("CountE")->text(), QString("1"));
}

void MainWindowTest::aDealIsRecordedByKeyboardAlone() {
    StartRecording();
    for (int s = 0; s < 3; ++s) {
        for (int u = 0; u < 4; ++u) {
            QWidget* focused = QApplication::focusWidget();
            QCOMPARE(focused, static_cast<QWidget*>(Suit("NES"[s], u + 1)));
            QTest::keyClicks(focused, kNorthEastSouth[s][u]);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        // Tab passes the hidden "F&ill in" button on to the next hand.
    }
    QCOMPARE(Find<QLabel>("CountS")->text(), QString("13"));
    QVERIFY(!Find<QPushButton>("FillInW")->isHidden());
    QVERIFY(Find<QPushButton>("FillInN")->isHidden());
    // Enter presses the one "F&ill in" shown.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(Suit('W', 1)->text(), QString("4"));
    QCOMPARE(Suit('W', 2)->text(), QString("9543"));
    QCOMPARE(Suit('W', 3)->text(), QString("9852"));
    QCOMPARE(Suit('W', 4)->text(), QString("QT87"));
    QCOMPARE(Find<QLabel>("CountW")->text(), QString("13"));
    QVERIFY(Find<QPushButton>("FillInW")->isHidden());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Suit('W', 4)));
    QCOMPARE(Suit('W', 4)->cursorPosition(), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);  // "&Next >>"
    QTRY_COMPARE(window_->Core().CurrentPage(), kesto::Page::Print);           // an animated click
    QCOMPARE(Find<QLabel>("CopiesLabel")->text(), QString("N&umber of copies (with all 1 hands):"));
}

void MainWindowTest::theDealNumberExtendsTheBoardSet() {
    StartRecording();
    QTest::keyClicks(Suit('N', 1), "A");
    auto* deal = Find<QSpinBox>("UpDown2");
    deal->setFocus();
    QTest::keyClicks(deal, "7");  // the number field is read-only
    QTest::keyClick(deal, Qt::Key_Backspace);
    QApplication::clipboard()->setText("9");
    QTest::keyClick(deal, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(deal->value(), 1);
    QTest::keyClick(deal, Qt::Key_Up);
    QCOMPARE(deal->value(), 2);
    QCOMPARE(window_->Core().boardSet.size(), std::size_t{3});
    QCOMPARE(Suit('N', 1)->text(), QString(""));
    QTest::keyClick(deal, Qt::Key_Down);
    QCOMPARE(Suit('N', 1)->text(), QString("A"));
}

void MainWindowTest::optionsOkRedrawsTheHandInTheNewLanguage() {
    gui::OptionDialogWidget options(*languages_, window_.get(),
                                    settings_->filePath("Kesto.reg").toStdString());
    languages_->SetCurrentLanguage(2);  // the ten written "10"
    window_->SetOptionsDialog(&options);
    StartRecording();
    QTest::keyClicks(Suit('N', 1), "ak10");
    QCOMPARE(Suit('N', 1)->text(), QString("AK10"));
    bool choseEnglish = false;
    WhenModal([&](QWidget* dialog) {
        auto* language = dialog->findChild<QComboBox*>("ComboBox1");
        auto* ok = dialog->findChild<QPushButton*>("OKBtn");
        if (language == nullptr || ok == nullptr) {
            dialog->close();
            return;
        }
        language->setCurrentIndex(0);  // English
        choseEnglish = true;
        ok->click();
    });
    Trigger("&Language...");
    QVERIFY(choseEnglish);
    QCOMPARE(languages_->CurrentLanguage(), 1);
    // Redrawn at once, before another card is typed.
    QCOMPARE(Suit('N', 1)->text(), QString("AKT"));
    window_->SetOptionsDialog(nullptr);
}

void MainWindowTest::theDealNumberTakesNoMouseTextAndEnterFillsIn() {
    StartRecording();
    auto* deal = Find<QSpinBox>("UpDown2");
    auto* text = deal->findChild<QLineEdit*>();
    QVERIFY(text != nullptr);
    // The middle button pastes the X11 selection into an editable field; this one is not.
    QVERIFY(text->isReadOnly());
    QVERIFY(!text->acceptDrops());
    if (QApplication::clipboard()->supportsSelection()) {
        QApplication::clipboard()->setText("2", QClipboard::Selection);
    }
    QTest::mouseClick(text, Qt::MiddleButton, {}, text->rect().center());
    QCOMPARE(deal->value(), 1);
    QCOMPARE(window_->Core().boardSet.size(), std::size_t{1});
    QTest::keyClick(deal, Qt::Key_Up);  // the up-down control still steps it
    QCOMPARE(deal->value(), 2);
    QTest::keyClick(deal, Qt::Key_Down);

    for (int s = 0; s < 3; ++s) {
        for (int u = 0; u < 4; ++u) {
            QTest::keyClicks(Suit("NES"[s], u + 1), kNorthEastSouth[s][u]);
        }
    }
    QVERIFY(!Find<QPushButton>("FillInW")->isHidden());
    deal->setFocus();
    QTest::keyClick(deal, Qt::Key_Return);
    QTRY_COMPARE(Find<QLabel>("CountW")->text(), QString("13"));  // an animated click
    QCOMPARE(Suit('W', 4)->text(), QString("QT87"));
    QCOMPARE(deal->value(), 1);
}

void MainWindowTest::typingReplacesTheCopiesOnPageEntryAndByTab() {
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    auto* copies = Find<QSpinBox>("UpDown3");
    QCOMPARE(copies->value(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(copies));
    QTest::keyClicks(QApplication::focusWidget(), "2");
    QCOMPARE(copies->value(), 2);
    // Away by Tab and back by Shift+Tab: typing replaces the number again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(Find<QSpinBox>("UpDown4")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(copies));
    QTest::keyClicks(QApplication::focusWidget(), "3");
    QCOMPARE(copies->value(), 3);
    // Back to the first page and on again: the page entry selects it once more.
    QTest::mouseClick(Find<QPushButton>("PrevBtn"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(copies));
    QTest::keyClicks(QApplication::focusWidget(), "4");
    QCOMPARE(copies->value(), 4);
}

void MainWindowTest::aLongSuitShowsEveryCardWithoutTheFocus() {
    struct Case {
        int language;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {1, "akqj98765432", "AKQJ98765432"},
        {1, "akqj1098765432", "AKQJT98765432"},
        {2, "akqj1098765432", "AKQJ1098765432"},  // the ten written "10"
    };
    for (const Case& c : cases) {
        cleanup();
        init();
        languages_->SetCurrentLanguage(c.language);
        StartRecording();
        QLineEdit* spades = Suit('N', 1);
        QTest::keyClicks(spades, c.typed);
        QCOMPARE(spades->text(), QString(c.shown));
        QCOMPARE(spades->font().pixelSize(), 12);  // while typing, the field's own size
        QTest::keyClick(spades, Qt::Key_Tab);
        QVERIFY(!spades->hasFocus());
        spades->repaint();
        // Shown from its first card, and the whole text fits inside the frame.
        QVERIFY2(spades->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 8, c.shown);
        const int frame = spades->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const int textWidth = QFontMetrics(spades->font()).horizontalAdvance(spades->text());
        QVERIFY2(textWidth <= spades->width() - 2 * frame - 4, c.shown);
        QVERIFY2(spades->font().pixelSize() >= 8, c.shown);
        // Back in the field: its own size again.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(spades->hasFocus());
        QCOMPARE(spades->font().pixelSize(), 12);
    }
    // A short suit keeps the field's size without the focus.
    QLineEdit* hearts = Suit('E', 2);  // North holds thirteen cards already
    hearts->setFocus();
    QVERIFY(hearts->hasFocus());
    QTest::keyClicks(hearts, "kq");
    QTest::keyClick(hearts, Qt::Key_Tab);
    QVERIFY(!hearts->hasFocus());
    QCOMPARE(hearts->text(), QString("KQ"));
    QCOMPARE(hearts->font().pixelSize(), 12);
}

// The notice shows before anything is read: Cancel leaves the first page and no deals, OK
// reads the four boards as boards 1 to 4 and shows the print page. It names the file as the
// file system does, outside ASCII too.
void MainWindowTest::aFileNumberedFromFiveIsReadOnlyAfterOkOnTheNotice() {
    const QTemporaryDir scratch;
    const QString path = scratch.filePath(QString::fromUtf8("\u0141\u00f3d\u017a/Malm\u00f6.pbn"));
    QVERIFY(QDir().mkpath(QFileInfo(path).path()) &&
            QFile::copy(KESTO_TEST_DATA "/pbn/y_numbered_from_5.pbn", path));
    const QString expected = "The boards in " + path +
                             " are numbered 5 to 8. Kesto numbers them 1 to 4, and dealer and "
                             "vulnerability follow the new numbers.";
    QCOMPARE(ReadFileAnswering(path, QMessageBox::Cancel), expected);
    QCOMPARE(window_->Core().CurrentPage(), kesto::Page::First);
    QVERIFY(window_->Core().boardSet.empty());
    QCOMPARE(ReadFileAnswering(path, QMessageBox::Ok), expected);
    QCOMPARE(window_->Core().CurrentPage(), kesto::Page::Print);
    QCOMPARE(window_->Core().boardSet.size(), std::size_t{4});
}

// "kesto FILE": the file given at start is read as the open dialog reads it, the same notice
// first, then the page its deals lead to, with "Read deals from file" chosen.
void MainWindowTest::aFileGivenAtStartIsReadWithTheSameNotice() {
    const QString path = KESTO_TEST_DATA "/pbn/y_numbered_from_5.pbn";
    auto notice = std::make_shared<QString>();
    WhenModal([notice](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        *notice = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    window_->Core().OpenDealFile(path.toStdString());
    QVERIFY(notice->startsWith("The boards in " + path + " are numbered 5 to 8."));
    QCOMPARE(window_->Core().CurrentPage(), kesto::Page::Print);
    QCOMPARE(window_->Core().boardSet.size(), std::size_t{4});
    QVERIFY(Find<QRadioButton>("Mode2")->isChecked());
}

// Save through the real dialog: the kind picked by its row in "Files of type" is the kind
// written, under the name typed and that kind's extension, as the file system spells them; no
// message on the way. The dialog opens in the documents folder, then where the last file went.
void MainWindowTest::theKindPickedIsSavedUnderANameOutsideAscii() {
    const QTemporaryDir scratch;
    const QString folder = scratch.filePath(QString::fromUtf8("Z\u00fcrich"));
    const QString documents = scratch.filePath("Documents");
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(documents));
    const auto home = qScopeGuard([saved = qgetenv("HOME")] { qputenv("HOME", saved); });
    qputenv("HOME", scratch.path().toUtf8());
    const struct {
        int row;
        const char* name;
    } cases[] = {{1, "Z\u00fcrich"},
                 {2, "\u0141\u00f3d\u017a"},
                 {3, "Malm\u00f6"},
                 {4, "\u0141\u00f3d\u017a"}};
    for (const auto& c : cases) {
        QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);  // thirty deals
        QStringList shown;  // every dialog met: the save dialog alone, and where it opened
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            const char* kind = modal != nullptr ? modal->metaObject()->className() : nullptr;
            if (kind == nullptr || shown.contains(kind)) {
                return;
            }
            shown << kind;
            auto* save = qobject_cast<QFileDialog*>(modal);
            if (save == nullptr) {
                return void(modal->close());
            }
            shown << save->directory().absolutePath();
            save->setDirectory(folder);
            auto* types = save->findChild<QComboBox*>("fileTypeCombo");
            QTest::keyClick(types, Qt::Key_Home);
            for (int row = 1; row < c.row; ++row) {
                QTest::keyClick(types, Qt::Key_Down);
            }
            auto* name = save->findChild<QLineEdit*>("fileNameEdit");
            for (const QChar typed : QString::fromUtf8(c.name)) {
                QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, typed, {});
            }
            QMetaObject::invokeMethod(save, "accept");  // Save, whatever the completer shows
        });
        poll.start(20);
        QTest::mouseClick(Find<QPushButton>("SaveBtn"), Qt::LeftButton);
        QCOMPARE(shown, (QStringList{"QFileDialog", &c == cases ? documents : folder}));
        const QString path =
            folder + "/" + QString::fromUtf8(c.name) + "." +
            QString::fromStdString(std::string(kesto::SaveDefaultExtension(c.row)));
        QCOMPARE(KindOf(path), kesto::SaveKindOfFilterIndex(c.row));
        QTest::mouseClick(Find<QPushButton>("PrevBtn"), Qt::LeftButton);
    }
}

// "kesto FILE", then Save: the dialog opens in the file's folder with its name and kind. The
// typed extension decides the kind written. The read dialog opens on every kind, whatever kind
// was saved last.
void MainWindowTest::dealsReadSaveWhereTheyCameFrom() {
    const QTemporaryDir folder;
    const QString path = folder.filePath("bigdeal.pbn");
    QVERIFY(QFile::copy(KESTO_TEST_DATA "/interop/bigdeal/bigdeal-12.pbn", path));
    window_->Core().OpenDealFile(path.toStdString());
    QCOMPARE(window_->windowTitle(), QString("bigdeal.pbn - Kesto"));
    QString shownName, shownFilter, shownFolder;
    WhenModal([&](QWidget* modal) {
        auto* save = qobject_cast<QFileDialog*>(modal);
        QVERIFY(save != nullptr);
        shownFolder = save->directory().absolutePath();
        shownName = save->findChild<QLineEdit*>("fileNameEdit")->text();
        shownFilter = save->findChild<QComboBox*>("fileTypeCombo")->currentText();
        save->reject();
    });
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(shownFolder, QDir(folder.path()).absolutePath());
    QCOMPARE(shownName, QString("bigdeal.pbn"));
    QCOMPARE(shownFilter, QString("PBN (*.pbn)"));

    // With "Kesto (*.KST)" picked, a typed extension of a kind Kesto saves picks that kind.
    SaveThroughTheDialog(folder.path(), 1, "club.dlm");
    QCOMPARE(KindOf(folder.filePath("club.dlm")), DealFileKind::Dlm);
    QCOMPARE(window_->windowTitle(), QString("club.dlm - Kesto"));
    QString readFilter;
    ActivateWindow();
    WhenModal([&readFilter](QWidget* modal) {
        readFilter = modal->findChild<QComboBox*>("fileTypeCombo")->currentText();
        modal->close();
    });
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(readFilter, QString("All deal files Kesto reads"));
}

// The list's keys move through the boards and the board drawn follows; recording them then
// shows the board last viewed.
void MainWindowTest::theBoardViewerMovesByTheListsKeys() {
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    auto* list = Find<QTreeWidget>("BoardList");
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(list));
    QCOMPARE(list->topLevelItemCount(), 30);
    auto* diagram = Find<QWidget>("BoardDiagram");
    const struct {
        Qt::Key key;
        int board;
    } moves[] = {{Qt::Key_Down, 2}, {Qt::Key_End, 30},     {Qt::Key_Up, 29},
                 {Qt::Key_Home, 1}, {Qt::Key_PageDown, 0}, {Qt::Key_PageUp, 1}};
    for (const auto& move : moves) {
        QTest::keyClick(list, move.key);
        const int board = window_->Core().CurrentDeal + 1;
        QVERIFY(move.board == 0 ? board > 2 : board == move.board);
        QCOMPARE(diagram->accessibleName(), "Board " + QString::number(board));
        // Drawn as the core gives it.
        const kesto::BoardDiagram viewed = window_->Core().ViewedBoard();
        QCOMPARE(viewed.board, board);
        const QString north = QString::fromUtf8("N: \u2660 ") + viewed.cards[0][0].c_str();
        QVERIFY2(diagram->accessibleDescription().contains(north),
                 qPrintable(diagram->accessibleDescription()));
    }
    // Read-only: typing changes nothing.
    const tBoardSet dealt = window_->Core().boardSet;
    QTest::keyClicks(list, "AK");
    QCOMPARE(window_->Core().boardSet, dealt);

    QTest::keyClick(list, Qt::Key_Down);  // board 2
    QTest::mouseClick(Find<QPushButton>("PrevBtn"), Qt::LeftButton);
    StartRecording();
    QCOMPARE(Find<QSpinBox>("UpDown2")->value(), 2);
    QCOMPARE(window_->Core().boardSet, dealt);
}

// Boards dealt and not saved: Ctrl+Q, the close box and Done ask first, Cancel the default;
// Esc keeps the window, Close Without Saving closes it.
void MainWindowTest::closingAsksBeforeUnsavedBoardsAreLost() {
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    QString question, detail;
    bool cancelIsDefault = false;
    WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        question = box->text();
        detail = box->informativeText();
        cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(question, QString("Save the deals before closing?"));
    QCOMPARE(detail, QString("If you don't save, the 30 boards will be lost."));
    QVERIFY(cancelIsDefault);
    QVERIFY(window_->isVisible());

    WhenModal([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        QCOMPARE(box->button(QMessageBox::Discard)->text(), QString("Close &Without Saving"));
        QVERIFY(QTest::qWaitForWindowActive(box));
        QTest::keyClick(box, Qt::Key_W, Qt::AltModifier);
    });
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);  // "&Done"
    QTRY_VERIFY(!window_->isVisible());
}

void MainWindowTest::theMenusHaveTheKeysEveryProgramHas() {
    const struct {
        const char* text;
        QKeySequence keys;
    } items[] = {{"&New", QKeySequence("Ctrl+N")},
                 {"&Open...", QKeySequence("Ctrl+O")},
                 {"&Save...", QKeySequence("Ctrl+S")},
                 {"&Print...", QKeySequence("Ctrl+P")},
                 {"Printer set&up...", {}},
                 {"&Quit", QKeySequence("Ctrl+Q")},
                 {"&Contents", QKeySequence("F1")},
                 {"&Topic search", {}},
                 {"&Dealing to a plan", {}},
                 {"&About Kesto", {}}};
    QStringList texts;
    for (QAction* action : window_->menuBar()->findChildren<QAction*>()) {
        texts << action->text();
        for (const auto& item : items) {
            if (action->text() == item.text) {
                QCOMPARE(action->shortcut(), item.keys);
            }
        }
    }
    for (const auto& item : items) {
        QVERIFY2(texts.contains(item.text), item.text);
    }
}

// The controls that had none reach their Alt keys (the options dialog's are its own test's).
void MainWindowTest::everyListedControlHasItsAltKey() {
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    for (const auto& [key, name] :
         {std::pair{Qt::Key_R, "CurtainsCheck"}, std::pair{Qt::Key_L, "StatsWithHtmlCheck"}}) {
        auto* box = Find<QCheckBox>(name);
        const bool was = box->isChecked();
        QTest::keyClick(window_.get(), key, Qt::AltModifier);
        QTRY_COMPARE(box->isChecked(), !was);
    }
}

void MainWindowTest::theWindowHasItsIconAndItsPlaceOnTheScreen() {
    // Run from the build folder: the pictures built in. Installed: the icon theme's.
    QVERIFY(window_->windowIcon().availableSizes().contains(QSize(48, 48)));
    QCOMPARE(gui::KestoWindowIcon().name(), QString());
    const QTemporaryDir themes;
    const QString apps = themes.filePath("hicolor/48x48/apps");
    QVERIFY(QDir().mkpath(apps) && QFile::copy(":/kesto/icons/kesto-48.png", apps + "/kesto.png"));
    QFile index(themes.filePath("hicolor/index.theme"));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write(
        "[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n"
        "[48x48/apps]\nSize=48\nType=Fixed\n");
    index.close();
    const QStringList searched = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName("hicolor");
    QCOMPARE(gui::KestoWindowIcon().name(), QString("kesto"));
    QIcon::setThemeSearchPaths(searched);
    QIcon::setThemeName(theme);

    gui::MainWindow second(*clock_, *languages_, settings_->filePath("Kesto.reg").toStdString(),
                           [](const std::string& name) {
                               return LoadSharedLibrary(
                                   name, std::vector<std::string>{KESTO_BIN_DIR "/"});
                           });
    QVERIFY(second.FormCreate());
    const QPoint offset = second.pos() - window_->pos();
    QVERIFY2(offset.x() > 0 && offset.y() > 0,
             qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));

    // At the screen's right edge, the print page's wider window moves left to stay on it.
    const QRect room = window_->screen()->availableGeometry();
    window_->move(room.right() - window_->frameGeometry().width(), room.top());
    QTest::mouseClick(Find<QPushButton>("NextBtn"), Qt::LeftButton);
    QVERIFY(window_->frameGeometry().right() <= room.right() || window_->x() == room.left());
    QVERIFY(window_->x() < room.right() - window_->frameGeometry().width() + 455);
}

// The keys that two or more controls of a window, as it shows now, share ("Alt+S: ...").
QStringList SharedKeys(QWidget* window) {
    QStringList texts;
    for (QAction* action : window->actions()) {  // a menu's entries
        texts << action->text();
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window)) {
            continue;
        }
        auto* label = qobject_cast<QLabel*>(w);
        auto* tabs = qobject_cast<QTabBar*>(w);
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            texts << button->text();
        } else if (label != nullptr && label->buddy() != nullptr) {
            texts << label->text();
        }
        for (int i = 0; tabs != nullptr && i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
        }
        for (QAction* action : qobject_cast<QMenuBar*>(w) ? w->actions() : QList<QAction*>{}) {
            texts << action->text();
        }
    }
    QMap<QString, QStringList> users;
    for (const QString& text : texts) {
        users[QKeySequence::mnemonic(text).toString()] << text;
    }
    users.remove("");
    QStringList shared;
    for (auto it = users.cbegin(); it != users.cend(); ++it) {
        if (it->size() > 1) {
            shared << it.key() + ": " + it->join(", ");
        }
    }
    return shared;
}

// Every window and page of a page control, as it shows: the keys its controls share.
class SharedKeyWatch : public QObject {
  public:
    QStringList shared;
    QSet<QString> seen;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget != nullptr &&
            (widget->isWindow() || qobject_cast<QStackedWidget*>(widget->parentWidget())) &&
            !qobject_cast<QFileDialog*>(widget->window())) {
            seen << widget->window()->windowTitle();
            shared << SharedKeys(widget->window());
        }
        return false;
    }
};

// "kesto --screenshot-dir": every picture it names is saved, and no dialog it opens is left
// open (a dialog that never came would leave its picture missing). No two controls of a page,
// a dialog or a menu met on the way share a key.
void MainWindowTest::screenshotsShowEveryPageAndEveryDialogMet() {
    gui::OptionDialogWidget options(*languages_, window_.get(),
                                    settings_->filePath("Kesto.reg").toStdString());
    window_->SetOptionsDialog(&options);
    SharedKeyWatch keys;
    qApp->installEventFilter(&keys);
    QTemporaryDir shots;
    QVERIFY(gui::SaveScreenshots(*window_, &options, shots.path()));
    qApp->removeEventFilter(&keys);
    window_->SetOptionsDialog(nullptr);
    for (QMenu* menu : window_->findChildren<QMenu*>()) {
        keys.shared << SharedKeys(menu);
    }
    QVERIFY2(keys.shared.isEmpty(), qPrintable(keys.shared.join(" | ")));
    QVERIFY2(keys.seen.size() >= 12, qPrintable(keys.seen.values().join(", ")));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QStringList saved = QDir(shots.path()).entryList(QDir::Files);
    saved.sort();
    QCOMPARE(saved, (QStringList{"about.png",
                                 "board-numbers.png",
                                 "board-viewer.png",
                                 "date-format.png",
                                 "duplicate-card.png",
                                 "first.png",
                                 "html_hints.png",
                                 "menu-file.png",
                                 "menu-help.png",
                                 "nothing-to-print.png",
                                 "options-curtain-cards.png",
                                 "options-fonts.png",
                                 "options-language.png",
                                 "options-other.png",
                                 "plan-error.png",
                                 "print.png",
                                 "printer-setup.png",
                                 "record.png",
                                 "save-question.png",
                                 "zero-cards.png"}));
    for (const QString& name : saved) {
        const QImage picture(shots.filePath(name));
        QVERIFY2(!picture.isNull() && picture.width() > 100 && picture.height() > 50,
                 qPrintable(name));
    }
    // The pages are pictures of the whole window, the print page wider by its board viewer;
    // the message box is a small one.
    const QImage print(shots.filePath("print.png"));
    QCOMPARE(QImage(shots.filePath("record.png")).size(), window_->size());
    QCOMPARE(print.height(), window_->height());
    QVERIFY(print.width() > window_->width());
    QVERIFY(QImage(shots.filePath("nothing-to-print.png")).width() < window_->width());
}

}  // namespace kesto::test

QTEST_MAIN(kesto::test::MainWindowTest)
#include "main_window_test.moc"
