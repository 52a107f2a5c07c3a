#include "kesto/gui/screenshots.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "kesto/deal/deal_notation.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/gui/about_box.h"
#include "kesto/gui/main_window.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/gui/plan_dialog.h"
#include "kesto/gui/print_dialogs.h"

namespace kesto::gui {

namespace {

// The analysis of thirty boards takes a few seconds; a picture without it beats no picture.
constexpr qint64 kLongestAnalysisMs = 60000;

// The window as the screen shows it, with the title bar a window manager draws around it
// (none runs under a bare X server: then the window alone).
QPixmap GrabWithFrame(QWidget* window) {
    // The window manager frames the window a moment after it shows (two seconds at most, as
    // without one it never comes), and then draws the title.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 2000 && window->frameGeometry() == window->geometry()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const qint64 framed = waited.elapsed();
    while (waited.elapsed() < framed + 300) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const QRect frame = window->frameGeometry();
    if (frame == window->geometry() || window->screen() == nullptr) {
        return window->grab();
    }
    return window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
}

void CloseDialog(QWidget* dialog) {
    dialog->close();
}

// Presses the dialog's button, or closes the dialog when it has none such.
void Press(QWidget* dialog, QAbstractButton* button) {
    if (button != nullptr) {
        button->click();
    } else {
        dialog->close();
    }
}

// Presses a standard button of a message box.
void PressIn(QWidget* dialog, QMessageBox::StandardButton which) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    Press(dialog, box != nullptr ? box->button(which) : nullptr);
}

// Waits for the next modal dialog, saves a picture of it and closes it with finish.
void GrabNextModal(QObject* owner, const QString& path, bool& ok,
                   std::function<void(QWidget*)> finish, bool withFrame = false) {
    auto* timer = new QTimer(owner);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, path, &ok, finish, withFrame] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        QApplication::processEvents();
        ok = (withFrame ? GrabWithFrame(modal) : modal->grab()).save(path) && ok;
        finish(modal);
    });
    timer->start();
}

// A PBN file of four boards numbered 5 to 8, as another dealing program writes the second
// half of a session.
QString WriteSecondHalfFile(const QTemporaryDir& folder) {
    tBoardSet deals;
    RandomGenerator random(5);
    GenerateRandomDeals(deals, 4, random);
    std::string text = "% PBN 2.1\r\n% EXPORT\r\n";
    for (std::size_t i = 0; i < deals.size(); ++i) {
        text += "\r\n[Event \"Tuesday evening pairs\"]\r\n" + BoardTag(static_cast<int>(i) + 5) +
                "\r\n" + DealTag(deals[i], 'N') + "\r\n";
    }
    const QString path = folder.filePath("second-half.pbn");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size())) {
        return {};
    }
    return path;
}

// What the steps of SaveScreenshots share: the folder the pictures go to, a scratch folder for
// the file read and the pictures not kept, and whether every picture was saved.
struct Screenshots {
    explicit Screenshots(const QString& folder) : dir(folder) {}
    QString Path(const char* name) const { return dir.filePath(name); }
    // The window as it shows now.
    void Save(QWidget* window, const char* name) {
        QApplication::processEvents();
        ok = window->grab().save(Path(name)) && ok;
    }

    const QDir dir;
    const QTemporaryDir scratch{QDir::tempPath() + "/Kesto-XXXXXX"};
    bool ok = true;
};

// The steps of the run, in order; each leaves the window as the next expects it.
class ScreenshotRun {
  public:
    ScreenshotRun(MainWindow& window, OptionDialogWidget* options, const QString& folder)
        : window_(window), core_(window.Core()), options_(options), shots_(folder) {}

    bool Run() {
        ShootFileReading(shots_);
        ShootGeneratePages(shots_);
        ShootBoardViewer(shots_);
        ShootMenus(shots_);
        ShootCloseQuestion(shots_);
        ShootRecordPage(shots_);
        ShootDialogs(shots_);
        return shots_.ok;
    }

  private:
    void ShootFileReading(Screenshots& shots);
    void ShootGeneratePages(Screenshots& shots);
    void ShootBoardViewer(Screenshots& shots);
    void SetMakeableContracts(Screenshots& shots, bool on);
    void ShootMenus(Screenshots& shots);
    void ShootCloseQuestion(Screenshots& shots);
    void ShootRecordPage(Screenshots& shots);
    void ShootDialogs(Screenshots& shots);
    // The window's control of this name.
    template <typename Widget>
    Widget* Control(const char* name) const {
        auto* control = window_.findChild<Widget*>(name);
        if (control == nullptr) {
            qFatal("The main window has no control %s.", name);
        }
        return control;
    }

    MainWindow& window_;
    TKestoMain& core_;
    OptionDialogWidget* options_;
    Screenshots shots_;
};

void ScreenshotRun::ShootFileReading(Screenshots& shots) {
    // Reading a file numbered 5 to 8: the open dialog takes the file (its picture stays in the
    // scratch folder), the board-number notice is grabbed and cancelled, so the first page
    // stays as it was.
    const QString secondHalf =
        shots.scratch.isValid() ? WriteSecondHalfFile(shots.scratch) : QString();
    if (secondHalf.isEmpty()) {
        shots.ok = false;
        return;
    }
    GrabNextModal(&window_, shots.scratch.filePath("open.png"), shots.ok,
                  [this, &shots, secondHalf](QWidget* dialog) {
                      GrabNextModal(&window_, shots.Path("board-numbers.png"), shots.ok,
                                    [](QWidget* notice) { PressIn(notice, QMessageBox::Cancel); });
                      auto* open = qobject_cast<QFileDialog*>(dialog);
                      if (open != nullptr) {
                          // The file name typed in full, as a user may: the list shows only the
                          // remembered file type.
                          auto* name = open->findChild<QLineEdit*>("fileNameEdit");
                          if (name != nullptr) {
                              name->setText(secondHalf);
                          }
                          QMetaObject::invokeMethod(open, "accept");
                      } else {
                          dialog->close();
                      }
                  });
    core_.RadioGroup1Click(DealSource::ReadFromFile);
    core_.NextBtnClick();
    core_.RadioGroup1Click(DealSource::Generate);
}

void ScreenshotRun::ShootGeneratePages(Screenshots& shots) {
    // The first page with a header; ticking the date box asks for the format.
    Control<QLineEdit>("Edit17")->setText("Tuesday evening pairs");
    GrabNextModal(&window_, shots.Path("date-format.png"), shots.ok, [](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>();
        auto* okButton = dialog->findChild<QPushButton*>();
        if (list != nullptr && okButton != nullptr) {
            list->setCurrentRow(1);
            okButton->click();
        } else {
            dialog->close();
        }
    });
    Control<QCheckBox>("CheckBox3")->click();
    shots.Save(&window_, "first.png");

    core_.RadioGroup1Click(DealSource::Generate);
    core_.NextBtnClick();
    shots.Save(&window_, "print.png");

    // "&Create": the hints, gone past with "&No, go ahead", then the page's save dialog,
    // cancelled.
    if (options_ != nullptr && Control<QPushButton>("CreateBtn")->isEnabled()) {
        GrabNextModal(&window_, shots.Path("html_hints.png"), shots.ok,
                      [this, &shots](QWidget* hints) {
                          GrabNextModal(&window_, shots.scratch.filePath("html-save.png"), shots.ok,
                                        CloseDialog);
                          Press(hints, hints->findChild<QPushButton*>("BitBtn2"));
                      });
        Control<QPushButton>("CreateBtn")->click();
    }
}

void ScreenshotRun::ShootBoardViewer(Screenshots& shots) {
    // The makeable contracts turned on in the options; once the analysis is done, the viewer
    // moved to board 3 by the list's keys. Then off again, as the options' pictures show them.
    if (options_ == nullptr) {
        return;
    }
    SetMakeableContracts(shots, true);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kLongestAnalysisMs &&
           (core_.Analysis() == nullptr ||
            core_.Analysis()->Current().state == BackgroundAnalysis::State::Running)) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    auto* list = Control<QTreeWidget>("BoardList");
    list->setFocus();
    for (int board = 1; board < 3; ++board) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(list, &down);
    }
    shots.Save(&window_, "board-viewer.png");
    SetMakeableContracts(shots, false);
}

void ScreenshotRun::SetMakeableContracts(Screenshots& shots, bool on) {
    GrabNextModal(&window_, shots.scratch.filePath("options.png"), shots.ok, [on](QWidget* dialog) {
        auto* box = dialog->findChild<QCheckBox*>("ShowMakeableContractsCheckBox");
        if (box != nullptr && box->isChecked() != on) {
            box->click();
        }
        Press(dialog, dialog->findChild<QPushButton*>("OKBtn"));
    });
    if (options_->ShowOnPage(OptionDialogWidget::kOtherPage) == 1) {
        core_.OptionsApplied();
    }
}

void ScreenshotRun::ShootMenus(Screenshots& shots) {
    // The window with a menu dropped down, as the menu's Alt key shows it.
    const std::pair<const char*, const char*> menus[] = {{"&File", "menu-file.png"},
                                                         {"&Help", "menu-help.png"}};
    for (const auto& [title, name] : menus) {
        QMenuBar* bar = window_.menuBar();
        for (QAction* action : bar->actions()) {
            if (action->text() != title || action->menu() == nullptr) {
                continue;
            }
            bar->setActiveAction(action);
            QApplication::processEvents();
            QMenu* menu = action->menu();
            const QPoint at = menu->mapToGlobal(QPoint()) - window_.mapToGlobal(QPoint());
            const QRect whole = window_.rect().united(QRect(at, menu->size()));
            QPixmap picture(whole.size());
            picture.fill(Qt::white);
            QPainter painter(&picture);
            painter.drawPixmap(-whole.topLeft(), window_.grab());
            painter.drawPixmap(at - whole.topLeft(), menu->grab());
            painter.end();
            shots.ok = picture.save(shots.Path(name)) && shots.ok;
            menu->hide();
        }
    }
    window_.menuBar()->setActiveAction(nullptr);
}

void ScreenshotRun::ShootCloseQuestion(Screenshots& shots) {
    // Closing the window with boards dealt and not saved asks first; Cancel keeps it open.
    GrabNextModal(
        &window_, shots.Path("save-question.png"), shots.ok,
        [](QWidget* question) { PressIn(question, QMessageBox::Cancel); }, true);
    window_.close();
}

void ScreenshotRun::ShootRecordPage(Screenshots& shots) {
    // File, "&New", the dealt boards dropped without saving; then record a deal by keyboard:
    // three hands typed, West's "F&ill in" waiting.
    GrabNextModal(&window_, shots.scratch.filePath("new-question.png"), shots.ok,
                  [](QWidget* question) { PressIn(question, QMessageBox::Discard); });
    core_.NewMenuClick();
    Control<QRadioButton>("Mode1")->setChecked(true);
    core_.NextBtnClick();
    // Next before any card is typed: a short message, in a box wide enough for its caption
    // (shown with its title bar where a window manager runs, as scripts/screenshots.sh has).
    GrabNextModal(&window_, shots.Path("nothing-to-print.png"), shots.ok, CloseDialog, true);
    core_.NextBtnClick();
    const char* hands[3][4] = {{"AK93", "Q82", "A1076", "J4"},
                               {"Q108", "AJ7", "KQ4", "K652"},
                               {"J7652", "K106", "J3", "A93"}};
    for (int s = 0; s < 3; ++s) {
        for (int u = 0; u < 4; ++u) {
            const SuitField field{static_cast<Seat>(s), static_cast<Suit>(u)};
            for (const char* c = hands[s][u]; *c != '\0'; ++c) {
                core_.Edit1KeyPress(field, *c);
            }
        }
    }
    Control<QLineEdit>("SuitW1")->setFocus();
    shots.Save(&window_, "record.png");

    // West types the ace of spades that North holds.
    GrabNextModal(&window_, shots.Path("duplicate-card.png"), shots.ok, CloseDialog);
    core_.Edit1KeyPress({Seat::West, Suit::Spades}, 'A');

    // Deals 1 and 3 complete, deal 2 empty: Next asks what to do with it.
    core_.Button1Click(Seat::West);
    core_.Edit20Change(3);
    core_.boardSet[2] = core_.boardSet[0];
    GrabNextModal(&window_, shots.Path("zero-cards.png"), shots.ok, CloseDialog);
    core_.NextBtnClick();
}

void ScreenshotRun::ShootDialogs(Screenshots& shots) {
    // Every page of the options dialog, and the printer setup.
    const char* optionPages[] = {"options-language.png", "options-fonts.png",
                                 "options-curtain-cards.png", "options-other.png"};
    for (int page = 0; page < 4 && options_ != nullptr; ++page) {
        GrabNextModal(&window_, shots.Path(optionPages[page]), shots.ok, CloseDialog, true);
        options_->ShowOnPage(page);
    }
    GrabNextModal(&window_, shots.Path("printer-setup.png"), shots.ok, CloseDialog, true);
    RunPrinterSetupDialog(&window_, core_.Settings().path);
    shots.ok = SavePlanDialogScreenshot(&window_, shots.Path("plan-error.png")) && shots.ok;

    // Help, "&About": the product name in a readable size.
    GrabNextModal(&window_, shots.Path("about.png"), shots.ok, CloseDialog, true);
    ShowAboutBox(&window_);
}

}  // namespace

bool SaveScreenshots(MainWindow& window, OptionDialogWidget* options, const QString& folder) {
    QDir().mkpath(folder);
    return ScreenshotRun(window, options, folder).Run();
}

}  // namespace kesto::gui
