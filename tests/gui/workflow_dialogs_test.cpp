// The main window's three small dialogs (date format, deals without cards, duplicate card),
// shown for real under the offscreen platform and answered with the keyboard alone.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kesto/gui/workflow_dialogs.h"

namespace kesto::test {

namespace {

struct Keys {
    const char* name;
    // Qt::Key values, with Qt::AltModifier where Alt is held, pressed in order on the focused
    // widget.
    std::vector<int> keys;
};

}  // namespace

class WorkflowDialogsTest : public QObject {
    Q_OBJECT

  private:
    QString caption_;        // the caption of the dialog the keys went to
    QString text_;           // a message box's text and informative text, "|" between them
    bool leftOpen_ = false;  // the keys did not close the dialog

    // Once the next dialog shows, presses the keys on whatever has the focus in it, then
    // notes (and closes) a dialog the keys left open, so that a fault fails instead of hanging.
    void PressWhenShown(const std::vector<int>& keys) {
        caption_.clear();
        leftOpen_ = false;
        QTimer::singleShot(0, this, [this, keys] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) {
                return;
            }
            caption_ = dialog->windowTitle();
            if (!QTest::qWaitForWindowActive(dialog)) {
                return;
            }
            if (const auto* box = qobject_cast<QMessageBox*>(dialog)) {
                text_ = box->text() + "|" + box->informativeText();
            }
            for (int key : keys) {
                QWidget* target = QApplication::focusWidget();
                QTest::keyClick(target != nullptr ? target : dialog,
                                static_cast<Qt::Key>(key & ~Qt::KeyboardModifierMask),
                                Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
            }
            // The keys close the dialog when the loop next runs; a slow machine (a sanitizer
            // build under load) may take a while, so only a dialog still open after two
            // seconds counts as left open.
            auto* watch = new QTimer(this);
            QElapsedTimer waited;
            waited.start();
            connect(watch, &QTimer::timeout, this, [this, dialog, watch, waited] {
                const bool open = QApplication::activeModalWidget() == dialog;
                if (open && waited.elapsed() < 2000) {
                    return;
                }
                watch->stop();
                watch->deleteLater();
                if (open) {
                    leftOpen_ = true;
                    dialog->close();
                }
            });
            watch->start(20);
        });
    }

  private slots:
    void dateFormatIsChosenWithArrowsAndEnter() {
        const std::vector<std::string> entries = {"07.12.2026", "Monday, 7 December 2026",
                                                  "December 7, 2026"};
        const struct {
            Keys keys;
            std::optional<int> chosen;
        } cases[] = {
            {{"Enter takes the first format", {Qt::Key_Return}}, 0},
            {{"Down chooses the second", {Qt::Key_Down, Qt::Key_Return}}, 1},
            {{"Down twice, the third", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}}, 2},
            {{"and back up", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}}, 1},
            {{"End, the last", {Qt::Key_End, Qt::Key_Return}}, 2},
            {{"Esc chooses none", {Qt::Key_Down, Qt::Key_Escape}}, std::nullopt},
        };
        for (const auto& c : cases) {
            PressWhenShown(c.keys.keys);
            const std::optional<int> chosen = gui::RunDateDialog(nullptr, entries);
            QCOMPARE(caption_, QString("Date format"));
            QVERIFY2(!leftOpen_, c.keys.name);
            QVERIFY2(chosen == c.chosen, c.keys.name);
        }
    }

    void dealsWithoutCardsAreAnsweredWithArrowsAndEnter() {
        const struct {
            Keys keys;
            ZeroCardsChoice choice;
        } cases[] = {
            {{"Enter takes the first choice", {Qt::Key_Return}}, ZeroCardsChoice::AddCards},
            {{"Down, the second", {Qt::Key_Down, Qt::Key_Return}}, ZeroCardsChoice::SkipEmptyDeals},
            {{"Down twice, the third", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter}},
             ZeroCardsChoice::PrintAllDeals},
            {{"and back up", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}},
             ZeroCardsChoice::SkipEmptyDeals},
            // Closing it any way takes the choice shown.
            {{"Esc keeps the choice shown", {Qt::Key_Down, Qt::Key_Escape}},
             ZeroCardsChoice::SkipEmptyDeals},
        };
        for (const auto& c : cases) {
            PressWhenShown(c.keys.keys);
            const ZeroCardsChoice choice = gui::RunZeroCardsDialog(nullptr, "Deal 2 has no cards.");
            QCOMPARE(caption_, QString("Deals with no cards"));
            QVERIFY2(!leftOpen_, c.keys.name);
            QVERIFY2(choice == c.choice, c.keys.name);
        }
    }

    void duplicateCardIsTransferredOnlyWhenAskedFor() {
        const struct {
            Keys keys;
            bool transfer;
            bool staysOpen = false;
        } cases[] = {
            {{"Enter keeps the card where it is", {Qt::Key_Return}}, false},
            {{"Esc too", {Qt::Key_Escape}}, false},
            {{"Alt+T transfers it", {int(Qt::AltModifier) | Qt::Key_T}}, true},
            {{"Alt+C does not", {int(Qt::AltModifier) | Qt::Key_C}}, false},
            // A message box presses the button whose letter is typed, Alt or not. Last: the
            // box left open is closed for the test, and the next would not be active.
            {{"the ten typed on beeps and answers nothing", {Qt::Key_T}}, false, true},
        };
        const DuplicateCardMessage message{{Suit::Hearts, "A is already with North."},
                                           {"Then North has 12 cards; ", Suit::Clubs, "6."}};
        for (const auto& c : cases) {
            PressWhenShown(c.keys.keys);
            const bool transfer = gui::RunDuplicateCardDialog(nullptr, message);
            QCOMPARE(caption_, QString("Card in another hand"));
            QVERIFY2(leftOpen_ == c.staysOpen, c.keys.name);
            QVERIFY2(transfer == c.transfer, c.keys.name);
        }
        // The suits as the window draws them: hearts red, clubs black.
        QCOMPARE(text_, QString("<span style=\"color:#d00000\">\u2665</span>A is already with "
                                "North.|Then North has 12 cards; <span style=\"color:black\">"
                                "\u2663</span>6."));
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::WorkflowDialogsTest)
#include "workflow_dialogs_test.moc"
