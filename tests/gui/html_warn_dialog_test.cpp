// The HTML hints dialog, driven through its widgets under the offscreen platform.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "kesto/gui/html_warn_dialog.h"
#include "kesto/gui/text_convert.h"

using kesto::HtmlHintsAnswer;
using kesto::HtmlHintsResult;
using kesto::gui::HtmlWarnDialog;

namespace kesto::test {

class HtmlWarnDialogTest : public QObject {
    Q_OBJECT

  private:
    static kesto::HtmlHintsTexts Texts() { return kesto::MakeHtmlHintsTexts("/opt/kesto/"); }

    // Runs the dialog modally; the action runs on it once it is showing.
    static HtmlHintsResult Run(const std::function<void(HtmlWarnDialog&)>& action) {
        HtmlWarnDialog dialog(Texts());
        QTimer::singleShot(0, &dialog, [&dialog, &action] {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            action(dialog);
        });
        dialog.exec();
        return dialog.Result();
    }

    // A click on the box itself (the widget is as wide as the dialog, its text much less).
    static void TickCheckBox(HtmlWarnDialog& d) {
        auto* box = d.findChild<QCheckBox*>("CheckBox1");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

  private slots:
    void ShowsTheTextsWordWrapped() {
        HtmlWarnDialog dialog(Texts());
        QCOMPARE(dialog.windowTitle(), QString("HTML Hints"));
        const kesto::HtmlHintsTexts texts = Texts();
        const std::string expected[] = {texts.label1, texts.label2, texts.label3, texts.label4};
        for (int i = 0; i < 4; ++i) {
            auto* label = dialog.findChild<QLabel*>(QString("Label%1").arg(i + 1));
            QVERIFY(label != nullptr);
            QCOMPARE(label->text(), kesto::gui::ToQString(expected[i]));
            QVERIFY(label->wordWrap());
        }
        QVERIFY(dialog.findChild<QLabel*>("Label2")->text().endsWith(
            "in the directory /opt/kesto/GIF on this computer."));
        QCOMPARE(dialog.findChild<QPushButton*>("BitBtn2")->text(),
                 QString("&No, go ahead and create the HTML"));
        QCOMPARE(dialog.findChild<QCheckBox*>("CheckBox1")->text(),
                 QString("Do not show this alert again"));
        QVERIFY(!dialog.findChild<QCheckBox*>("CheckBox1")->isChecked());
    }

    void FixedSizeWithOnlyACloseBox() {
        HtmlWarnDialog dialog(Texts());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
        // Every label fits in the dialog, the last line of Label3 included.
        auto* label3 = dialog.findChild<QLabel*>("Label3");
        QVERIFY(label3->height() >= label3->heightForWidth(label3->width()));
        dialog.grab().save(QDir::temp().filePath("kesto_html_hints.png"));
    }

    // Yes and Enter answer Yes, No answers No, Cancel, the close box and Esc close it; the
    // box's tick comes back with any answer.
    void EveryWayOfAnsweringIsTold() {
        const auto click = [](const char* button) {
            return [button](HtmlWarnDialog& d) {
                QTest::mouseClick(d.findChild<QPushButton*>(button), Qt::LeftButton);
            };
        };
        const struct {
            const char* what;
            bool tick;
            std::function<void(HtmlWarnDialog&)> action;
            HtmlHintsAnswer answer;
        } cases[] = {
            {"Yes", false, click("BitBtn1"), HtmlHintsAnswer::Yes},
            {"No, ticked", true, click("BitBtn2"), HtmlHintsAnswer::No},
            {"close box, ticked", true, [](HtmlWarnDialog& d) { d.close(); },
             HtmlHintsAnswer::Closed},
            {"Esc", false, [](HtmlWarnDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
             HtmlHintsAnswer::Closed},
            {"Cancel", false, click("CancelBtn"), HtmlHintsAnswer::Closed},
            {"Enter", false, [](HtmlWarnDialog& d) { QTest::keyClick(&d, Qt::Key_Return); },
             HtmlHintsAnswer::Yes},
        };
        for (const auto& c : cases) {
            const HtmlHintsResult r = Run([&c](HtmlWarnDialog& d) {
                if (c.tick) {
                    TickCheckBox(d);
                }
                c.action(d);
            });
            QVERIFY2(r.answer == c.answer, c.what);
            QVERIFY2(r.doNotShowAgain == c.tick, c.what);
        }
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::HtmlWarnDialogTest)
#include "html_warn_dialog_test.moc"
