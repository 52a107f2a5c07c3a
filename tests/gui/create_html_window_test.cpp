// "&Create" in the real main window with the real options dialog and page library: the hints
// dialog, the save dialog and the options dialog on its "&Other" page, answered as a user
// would, under the offscreen platform with settings in a temporary file.

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>

#include "kesto/gui/html_warn_dialog.h"
#include "kesto/gui/main_window.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/options/language_table.h"
#include "kesto/platform/shared_library.h"
#include "tests/support/fixed_clock.h"

namespace kesto::test {

class CreateHtmlWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FixedClock> clock_;
    std::unique_ptr<LanguageTable> languages_;
    std::unique_ptr<gui::MainWindow> window_;
    std::unique_ptr<gui::OptionDialogWidget> options_;
    // One step for each modal dialog, in the order they open.
    std::deque<std::function<void(QWidget*)>> steps_;
    QStringList opened_;    // the object names of the modal dialogs met
    QTimer watch_;          // looks for the next modal dialog
    QElapsedTimer waited_;  // since the last dialog was answered

    QString PagePath() const { return folder_->filePath("club.htm"); }

    // How long a dialog may take to open, to become active, or to close once answered.
    static constexpr int kPatienceMs = 30000;

    // Answers each modal dialog with the next step, and keeps watching until every step has
    // run and no dialog is left open. A step runs once its dialog is active, so that it always
    // meets the same dialog: before that the focus is not settled (the save dialog's name field
    // takes it only then, and from then on selectFile leaves the field alone). A dialog that a
    // step left open (a click that missed), one that no step expects or that never becomes
    // active, or a next dialog that never opens fails the test and is closed, so the test ends
    // in that failure instead of hanging. One watch, however often this is called.
    void AnswerDialogs() {
        waited_.start();
        watch_.start();
    }

    void AnswerNext() {
        QWidget* modal = QApplication::activeModalWidget();
        const bool waiting = modal != nullptr && modal->property("answered").toBool();
        if (modal == nullptr && steps_.empty()) {
            watch_.stop();
            return;
        }
        if (modal == nullptr || waiting) {
            if (waited_.hasExpired(kPatienceMs)) {
                Abandon(modal, waiting ? "a dialog answered stayed open for 30 s"
                                       : "the next dialog did not open within 30 s");
            }
            return;
        }
        modal->setProperty("answered", true);
        opened_ << modal->objectName();
        if (steps_.empty()) {
            Abandon(modal, qPrintable("a dialog no step expects: " + modal->objectName()));
            return;
        }
        if (!QTest::qWaitForWindowActive(modal, kPatienceMs)) {
            Abandon(modal, qPrintable("a dialog that never became active: " + modal->objectName()));
            return;
        }
        auto step = steps_.front();
        steps_.pop_front();
        step(modal);
        if (QTest::currentTestFailed()) {
            // A step that failed leaves its dialog open.
            Abandon(modal, nullptr);
            return;
        }
        waited_.start();
    }

    // Ends the answering: drops the steps left, closes the dialog open and fails the test.
    void Abandon(QWidget* modal, const char* why) {
        steps_.clear();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        if (why != nullptr) {
            QFAIL(why);
        }
    }

    static void ClickCreate(gui::MainWindow& window) {
        QTest::mouseClick(window.findChild<QPushButton*>("CreateBtn"), Qt::LeftButton);
    }

  private slots:
    void initTestCase() {
        watch_.setInterval(10);
        connect(&watch_, &QTimer::timeout, this, &CreateHtmlWindowTest::AnswerNext);
    }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        qputenv("KESTO_SETTINGS", folder_->filePath("Kesto.reg").toUtf8());
        clock_ = std::make_unique<FixedClock>(CivilDate{2026, 12, 8, 2}, 1000u);
        languages_ = std::make_unique<LanguageTable>();
        window_ = std::make_unique<gui::MainWindow>(
            *clock_, *languages_, folder_->filePath("Kesto.reg").toStdString(),
            [](const std::string& name) {
                return LoadSharedLibrary(name, std::vector<std::string>{KESTO_BIN_DIR "/"});
            });
        QVERIFY(window_->FormCreate());
        options_ = std::make_unique<gui::OptionDialogWidget>(
            *languages_, nullptr, folder_->filePath("Kesto.reg").toStdString());
        window_->SetOptionsDialog(options_.get());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        // Thirty random boards and the print page.
        QTest::mouseClick(window_->findChild<QPushButton*>("NextBtn"), Qt::LeftButton);
        QCOMPARE(window_->Core().CurrentPage(), Page::Print);
        steps_.clear();
        opened_.clear();
    }

    void cleanup() {
        watch_.stop();
        window_.reset();
        options_.reset();
        languages_.reset();
        clock_.reset();
        folder_.reset();
    }

    void NoThenSaveWritesThePage() {
        steps_.push_back([](QWidget* hints) {
            auto* box = hints->findChild<QCheckBox*>("CheckBox1");
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            QTest::mouseClick(hints->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        });
        steps_.push_back([this](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->windowTitle(), QString("Save deals to HTML document"));
            QCOMPARE(dialog->defaultSuffix(), QString("htm"));
            // Put in the name field, as a user types it: the field has the focus, which keeps
            // selectFile from changing it. The dialog gives that name, the extension added.
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(folder_->filePath("club"));
            QCOMPARE(dialog->selectedFiles(), QStringList{PagePath()});
            QMetaObject::invokeMethod(dialog, "accept");
        });
        AnswerDialogs();
        ClickCreate(*window_);

        QCOMPARE(opened_, QStringList({"HTMLWarnDlg", opened_.value(1)}));
        QVERIFY(steps_.empty());
        QFile page(PagePath());  // the default extension was added
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        QCOMPARE(html.count("<TD COLSPAN=\"3\"><B>Board "), 30);
        QVERIFY(html.contains("<B>Board 30 / Dlr: E / Vul: None</B>"));
        QVERIFY(window_->Core().Printed);
        QVERIFY(window_->Core().SuppressHTMLAlert);

        // Ticked: the next Create goes straight to the save dialog, which the user cancels.
        window_->Core().Printed = false;
        steps_.push_back([](QWidget* modal) {
            QVERIFY(qobject_cast<QFileDialog*>(modal) != nullptr);
            static_cast<QDialog*>(modal)->reject();
        });
        AnswerDialogs();
        ClickCreate(*window_);
        QVERIFY(steps_.empty());
        QVERIFY(!window_->Core().Printed);
    }

    void YesOpensTheOptionsOnOtherAndWritesNothing() {
        steps_.push_back([](QWidget* hints) {
            QTest::mouseClick(hints->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        });
        steps_.push_back([](QWidget* modal) {
            QCOMPARE(modal->objectName(), QString("OptionDlg"));
            QCOMPARE(modal->findChild<QTabWidget*>("PageControl1")->currentIndex(),
                     static_cast<int>(gui::OptionDialogWidget::kOtherPage));
            QTest::mouseClick(modal->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        });
        AnswerDialogs();
        ClickCreate(*window_);
        QCOMPARE(opened_, QStringList({"HTMLWarnDlg", "OptionDlg"}));
        QVERIFY(steps_.empty());
        QTest::qWait(50);
        QVERIFY(QApplication::activeModalWidget() == nullptr);  // no save dialog after OK
        QVERIFY(!QFile::exists(PagePath()));
        QVERIFY(!window_->Core().Printed);
        QVERIFY(!window_->Core().SuppressHTMLAlert);
    }
};

}  // namespace kesto::test

QTEST_MAIN(kesto::test::CreateHtmlWindowTest)
#include "create_html_window_test.moc"
