// The main window's three small dialogs (date format, deals without cards, duplicate card),
// shown for real under the offscreen platform and answered with the keyboard alone.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
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
    std::vector<int> keys;  // Qt::Key values, pressed in order on the focused widget
};

}  // namespace

class WorkflowDialogsTest : public QObject {
    Q_OBJECT

  private:
    QString caption_;        // the caption of the dialog the keys went to
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
            for (int key : keys) {
                QWidget* target = QApplication::focusWidget();
                QTest::keyClick(target != nullptr ? target : dialog, static_cast<Qt::Key>(key));
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

    void duplicateCardIsTransferredOrNot() {
        const struct {
            Keys keys;
            bool transfer;
        } cases[] = {
            {{"Enter transfers it", {Qt::Key_Return}}, true},
            {{"Esc does not", {Qt::Key_Escape}}, false},
            {{"a letter beeps and changes nothing", {Qt::Key_X, Qt::Key_Return}}, true},
            {{"Tab to Cancel, then Enter", {Qt::Key_Tab, Qt::Key_Return}}, false},
            {{"Tab twice, back on Transfer", {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter}}, true},
        };
        for (const auto& c : cases) {
            PressWhenShown(c.keys.keys);
            const bool transfer = gui::RunDuplicateCardDialog(nullptr, Suit::Hearts, "A", "North");
            QCOMPARE(caption_, QString("ERROR"));
            QVERIFY2(!leftOpen_, c.keys.name);
            QVERIFY2(transfer == c.transfer, c.keys.name);
        }
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::WorkflowDialogsTest)
#include "workflow_dialogs_test.moc"
