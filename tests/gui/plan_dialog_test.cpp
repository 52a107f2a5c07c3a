// The plan dialog, driven by keys under the offscreen platform.

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>

#include "kesto/gui/help.h"
#include "kesto/gui/plan_dialog.h"
#include "kesto/plan/plan_reader.h"

namespace kesto::test {

class PlanDialogTest : public QObject {
    Q_OBJECT

  public slots:
    void Open(const QUrl& url) { opened_ << url; }

  private slots:
    void initTestCase() { QDesktopServices::setUrlHandler("file", this, "Open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }
    void aPlacePastReadingIsMarkedAndCtrlEnterGoesThere();
    void anEmptyPlanShowsAWorkedPlanAndHelpOpensItsPage();
    void rangesReadAsTeachersWriteThemAndTheOddsNameTheDealer();
    void theSeatsBoxGoesWithADealerScriptAndIsKept();

  private:
    // Runs the dialog on the plan, doing then once it shows; what it returned.
    std::optional<PlanChoice> Run(const std::string& plan, std::function<void(QWidget*)> then) {
        QTimer::singleShot(0, [then] {
            QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
            then(QApplication::activeModalWidget());
        });
        return gui::RunPlanDialog(nullptr, {.text = plan}, 30);
    }
    // Replaces the plan by typing it, a line at a time.
    static void Type(QPlainTextEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        const QStringList lines = text.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(edit, Qt::Key_Return);
            }
            QTest::keyClicks(edit, lines[i]);
        }
    }
    static QString ErrorShown(QWidget* dialog) {
        return dialog->findChild<QLabel*>("PlanError")->text();
    }

    QList<QUrl> opened_;
};

// The dialog opens with the cursor where the plan cannot be read, the place underlined;
// Ctrl+Enter leads back there until the plan reads, then accepts.
void PlanDialogTest::aPlacePastReadingIsMarkedAndCtrlEnterGoesThere() {
    const std::string broken = "4: hcp(dealer) 15-17\n4: hcp(N) = 15-17 and spades(S) >= 4";
    const int place = static_cast<int>(broken.find('='));
    int cursorAtOpen = -1, cursorAfterCtrlEnter = -1, markStart = -1;
    QString marked;
    bool wavy = false, stayedOpen = false;
    const std::optional<PlanChoice> chosen = Run(broken, [&](QWidget* dialog) {
        auto* edit = dialog->findChild<QPlainTextEdit*>("PlanEdit");
        cursorAtOpen = edit->textCursor().position();
        const QList<QTextEdit::ExtraSelection> marks = edit->extraSelections();
        if (marks.size() == 1) {
            markStart = marks[0].cursor.selectionStart();
            marked = marks[0].cursor.selectedText();
            wavy = marks[0].format.underlineStyle() == QTextCharFormat::WaveUnderline;
        }
        QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
        stayedOpen = dialog->isVisible();
        cursorAfterCtrlEnter = edit->textCursor().position();
        Type(edit, "4: hcp(dealer) 15-17\n4: hcp(N) 15-17 and spades(S) >= 4");
        QTest::keyClick(edit, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    });
    QCOMPARE(cursorAtOpen, place);
    QCOMPARE(markStart, place);
    QCOMPARE(marked, QString("="));
    QVERIFY(wavy);
    QVERIFY(stayedOpen);
    QCOMPARE(cursorAfterCtrlEnter, place);
    QVERIFY(chosen);
    QCOMPARE(chosen->text, "4: hcp(dealer) 15-17\n4: hcp(N) 15-17 and spades(S) >= 4");
    QVERIFY(chosen->ticked);
}

void PlanDialogTest::anEmptyPlanShowsAWorkedPlanAndHelpOpensItsPage() {
    QString placeholder, error;
    bool okEnabled = true;
    opened_.clear();
    const std::optional<PlanChoice> chosen = Run("", [&](QWidget* dialog) {
        auto* edit = dialog->findChild<QPlainTextEdit*>("PlanEdit");
        placeholder = edit->placeholderText();
        error = ErrorShown(dialog);
        okEnabled = dialog->findChild<QPushButton*>("OkBtn")->isEnabled();
        QTest::mouseClick(dialog->findChild<QPushButton*>("HelpBtn"), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QVERIFY(!chosen);
    const PlanReading worked = ReadPlan(placeholder.toStdString());
    QVERIFY2(!worked.error && worked.plan.lines.size() >= 2, qPrintable(placeholder));
    QCOMPARE(error, QString());
    QVERIFY(!okEnabled);
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(opened_[0].toLocalFile(), QDir(gui::HelpFolder()).filePath("plans.html"));
}

// An en dash typed between two numbers is a range; a range without its value gets a hint
// naming the seat, and OK stays off; a line impossible with some dealers says so.
void PlanDialogTest::rangesReadAsTeachersWriteThemAndTheOddsNameTheDealer() {
    QString withEnDash, loneRange, odds;
    bool okEnabledOnError = true;
    Run("", [&](QWidget* dialog) {
        auto* edit = dialog->findChild<QPlainTextEdit*>("PlanEdit");
        Type(edit, "2: hcp(N) 15");
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(QChar(0x2013)),
                            Qt::NoModifier);
        QTest::keyClicks(edit, "17");
        withEnDash = ErrorShown(dialog);
        Type(edit, "1: 15-17 balanced");
        loneRange = ErrorShown(dialog);
        okEnabledOnError = dialog->findChild<QPushButton*>("OkBtn")->isEnabled();
        Type(edit, "4: hcp(N) >= 21 and hcp(dealer) >= 20");
        auto* oddsLabel = dialog->findChild<QLabel*>("PlanOdds");
        QTRY_VERIFY_WITH_TIMEOUT(oddsLabel->text().contains("never"), 20000);
        odds = oddsLabel->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QCOMPARE(withEnDash, QString("The plan deals 2 boards, the sum of its counts."));
    QCOMPARE(loneRange.toStdString(), PlanErrorText(*ReadPlan("1: 15-17 balanced").error));
    QVERIFY2(loneRange.endsWith("write hcp(dealer) 15-17 and balanced(dealer)."),
             qPrintable(loneRange));
    QVERIFY(!okEnabledOnError);
    QVERIFY2(QRegularExpression("^Line 1: about 1 deal in 1[0-9]0 with North dealing; never with "
                                "East, South or West dealing$")
                 .match(odds)
                 .hasMatch(),
             qPrintable(odds));
}

// "Keep the script's seats as written" means something only for a dealer script: it is enabled
// while the plan holds one, reading follows it, and OK keeps it with the plan.
void PlanDialogTest::theSeatsBoxGoesWithADealerScriptAndIsKept() {
    bool enabledForOwnPlan = true, enabledForScript = false;
    QString boards;
    const std::optional<PlanChoice> chosen = Run("4: hcp(N) > 10", [&](QWidget* dialog) {
        auto* box = dialog->findChild<QCheckBox*>("FixedSeatsCheckBox");
        enabledForOwnPlan = box->isEnabled();
        auto* edit = dialog->findChild<QPlainTextEdit*>("PlanEdit");
        Type(edit, "dealer east\nproduce 12\nopener = hcp(east) >= 20\ncondition opener");
        enabledForScript = box->isEnabled();
        boards = ErrorShown(dialog);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
    });
    QVERIFY(!enabledForOwnPlan);
    QVERIFY(enabledForScript);
    QCOMPARE(boards, QString("The dealer script deals 12 boards, as its produce says; the number "
                             "of random deals to generate takes it, and may be changed there."));
    QVERIFY(chosen);
    QVERIFY(chosen->fixedSeats);
    QCOMPARE(chosen->text, "dealer east\nproduce 12\nopener = hcp(east) >= 20\ncondition opener");
}

}  // namespace kesto::test

QTEST_MAIN(kesto::test::PlanDialogTest)
#include "plan_dialog_test.moc"
