#include "kesto/gui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "kesto/gui/about_box.h"
#include "kesto/gui/analysis_wait.h"
#include "kesto/gui/board_viewer.h"
#include "kesto/gui/help.h"
#include "kesto/gui/html_warn_dialog.h"
#include "kesto/gui/option_dialog_widget.h"
#include "kesto/gui/plan_dialog.h"
#include "kesto/gui/print_dialogs.h"
#include "kesto/gui/qt_ui.h"
#include "kesto/gui/text_convert.h"
#include "kesto/gui/window_place.h"
#include "kesto/gui/workflow_dialogs.h"
#include "kesto/options/settings_table.h"
#include "kesto/platform/shared_library.h"
#include "kesto/workflow/texts.h"

namespace kesto::gui {

namespace {

constexpr int kClientWidth = 455;
constexpr int kClientHeight = 359;
constexpr int kPagesHeight = 318;
// The print page is wider: its board viewer stands beside the controls.
constexpr QRect kBoardViewer(kClientWidth, 6, 498, kPagesHeight - 12);
constexpr int kPrintClientWidth = kClientWidth + kBoardViewer.width() + 8;
constexpr char kSeatLetters[] = "NESW";

QString Q(std::string_view text) {
    return ToQString(text);
}

// The keys that move the caret or the focus, which every field lets through.
bool IsMoveKey(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        default:
            return false;
    }
}

const char* kSeatProperty = "kestoSeat";
const char* kSuitProperty = "kestoSuit";

QSpinBox* MakeCount(QWidget* parent, const char* name, int minimum, int maximum) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setAlignment(Qt::AlignRight);
    box->setKeyboardTracking(true);
    return box;
}

QLabel* MakeLabel(QWidget* parent, std::string_view text, QWidget* buddy, QRect where) {
    auto* label = new QLabel(Q(text), parent);
    label->setGeometry(where);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
    }
    return label;
}

// Sets a control from the model without sending its change back to the core.
template <typename Widget, typename Set>
void Quietly(Widget* widget, Set set) {
    const QSignalBlocker block(widget);
    set(widget);
}

constexpr int kSuitFontPixels = 12;

// The width a line edit shows its text in: inside its frame and the edit's own margins.
int TextRoom(const QLineEdit* edit) {
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QMargins margins = edit->textMargins();
    constexpr int kEditMargin = 2;  // QLineEdit's own, each side
    return edit->contentsRect().width() - 2 * frame - margins.left() - margins.right() -
           2 * kEditMargin - 1;  // the caret
}

// A suit field without the focus shows every card: the text from its start, in the field's
// font or, for a long suit that would not fit, the largest smaller size that fits. With the
// focus it has its own size again and scrolls as the caret moves.
void FitSuitText(QLineEdit* edit) {
    QFont font = edit->font();
    int pixels = kSuitFontPixels;
    if (!edit->hasFocus()) {
        const int room = TextRoom(edit);
        for (; pixels > 6; --pixels) {
            font.setPixelSize(pixels);
            if (QFontMetrics(font).horizontalAdvance(edit->text()) <= room) {
                break;
            }
        }
    }
    if (edit->font().pixelSize() != pixels) {
        font.setPixelSize(pixels);
        edit->setFont(font);
    }
    if (!edit->hasFocus()) {
        edit->setCursorPosition(0);
    }
}

}  // namespace

MainWindow::MainWindow(const Clock& clock, const LanguageTable& languages, std::string settingsPath,
                       LibraryLoader loader, DoubleDummySolver* solver)
    : core_(std::make_unique<TKestoMain>(*this, clock, languages,
                                         SettingsFile{std::move(settingsPath)}, std::move(loader),
                                         solver)) {
    core_->SetPrintOutputFactory(MakePrintOutput);
    setObjectName("KestoMain");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont font("Arial");
    font.setPixelSize(12);
    setFont(font);
    BuildMenus();

    setWindowIcon(KestoWindowIcon());

    auto* client = new QWidget(this);
    pages_ = new QStackedWidget(client);
    pages_->setGeometry(0, 0, kClientWidth, kPagesHeight);
    pages_->addWidget(BuildFirstPage());
    pages_->addWidget(BuildEnterHandPage());
    pages_->addWidget(BuildPrintPage());

    // Only these two buttons move between the pages; the Tab key skips them.
    prevBtn_ = new QPushButton(Q(texts::kPrevious), client);
    prevBtn_->setObjectName("PrevBtn");
    prevBtn_->setGeometry(264, 326, 88, 25);
    prevBtn_->setFocusPolicy(Qt::NoFocus);
    nextBtn_ = new QPushButton(Q(texts::kNext), client);
    nextBtn_->setObjectName("NextBtn");
    nextBtn_->setGeometry(359, 326, 88, 25);
    nextBtn_->setFocusPolicy(Qt::NoFocus);
    connect(prevBtn_, &QPushButton::clicked, this, [this] { core_->PrevBtnClick(); });
    connect(nextBtn_, &QPushButton::clicked, this, [this] { core_->NextBtnClick(); });

    setCentralWidget(client);
    FitClient(kClientWidth);
    setWindowTitle(Q(texts::kCaptionFirst));
}

void MainWindow::FitClient(int width) {
    QWidget* client = centralWidget();
    if (client->width() == width) {
        return;
    }
    client->setFixedSize(width, kClientHeight);
    pages_->resize(width, kPagesHeight);
    // The page buttons stay at the bottom right.
    prevBtn_->move(width - 191, prevBtn_->y());
    nextBtn_->move(width - 96, nextBtn_->y());
    setFixedSize(width, kClientHeight + menuBar()->sizeHint().height());
    // A window grown past the screen's right edge moves left, as far as the screen allows.
    if (const QScreen* shown = isVisible() ? screen() : nullptr) {
        const QRect room = shown->availableGeometry();
        const int over = frameGeometry().right() - room.right();
        if (over > 0) {
            move(std::max(room.left(), x() - over), y());
        }
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    connect(file->addAction("&New", QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, this,
            [this] { core_->NewMenuClick(); });
    QAction* open = file->addAction("&Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, [this] { core_->OpenMenuClick(); });
    saveAction_ = file->addAction("&Save...", QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(saveAction_, &QAction::triggered, this, [this] { core_->SaveBtnClick(); });
    printAction_ = file->addAction("&Print...", QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(printAction_, &QAction::triggered, this, [this] { core_->PrintBtnClick(); });
    connect(file->addAction("Printer set&up..."), &QAction::triggered, this,
            [this] { RunPrinterSetupDialog(this, core_->Settings().path); });
    file->addSeparator();
    connect(file->addAction("&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)), &QAction::triggered, this,
            &QWidget::close);

    QMenu* options = menuBar()->addMenu("&Options");
    const char* pages[] = {"&Language...", "&Fonts...", "&Curtain Cards...", "&Other..."};
    for (int page = 0; page < 4; ++page) {
        connect(options->addAction(pages[page]), &QAction::triggered, this,
                [this, page] { ShowOptions(page); });
    }

    QMenu* help = menuBar()->addMenu("&Help");
    connect(help->addAction("&Contents", QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
            [this] { ShowHelpContents(this); });
    connect(help->addAction("&Topic search"), &QAction::triggered, this,
            [this] { ShowHelpSearch(this); });
    connect(help->addAction("&Dealing to a plan"), &QAction::triggered, this,
            [this] { ShowHelpPlans(this); });
    help->addSeparator();
    connect(help->addAction("&About Kesto"), &QAction::triggered, this,
            [this] { ShowAboutBox(this); });
}

void MainWindow::ShowOptions(int page) {
    if (options_ == nullptr) {
        return;
    }
    // OK may have changed the language or the makeable contracts: the page follows at once.
    if (options_->ShowOnPage(page) == 1) {
        core_->OptionsApplied();
    }
}

QWidget* MainWindow::BuildFirstPage() {
    auto* page = new QWidget;
    page->setObjectName("FirstTab");

    auto* modes = new QGroupBox(page);
    modes->setObjectName("RadioGroup1");
    modes->setGeometry(8, 6, 439, 92);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(Q(texts::kModeItems[i]), modes);
        button->setObjectName(QString("Mode%1").arg(i));
        button->setGeometry(14, 10 + i * 25, 400, 22);
        connect(button, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                core_->RadioGroup1Click(static_cast<DealSource>(i));
            }
        });
        modeButtons_[i] = button;
    }

    randomCountGroup_ = new QGroupBox(Q(texts::kRandomCountLabel), page);
    randomCountGroup_->setObjectName("GroupBox7");
    randomCountGroup_->setGeometry(8, 106, 439, 74);
    randomCount_ = MakeCount(randomCountGroup_, "UpDown1", kNumHands.min, kNumHands.max);
    randomCount_->setGeometry(14, 24, 72, 24);
    connect(randomCount_, &QSpinBox::valueChanged, this,
            [this](int value) { core_->UpDown1Change(value); });
    dealToPlan_ = new QCheckBox(Q(texts::kDealToPlan), randomCountGroup_);
    dealToPlan_->setObjectName("PlanCheckBox");
    dealToPlan_->setGeometry(110, 25, 170, 22);
    auto* planBtn = new QPushButton(Q(texts::kPlanButton), randomCountGroup_);
    planBtn->setObjectName("PlanBtn");
    planBtn->setGeometry(330, 23, 95, 26);
    planLine_ = new QLabel(randomCountGroup_);
    planLine_->setObjectName("PlanLine");
    planLine_->setGeometry(110, 50, 315, 18);
    connect(dealToPlan_, &QCheckBox::clicked, this,
            [this](bool checked) { core_->PlanCheckBoxClick(checked); });
    connect(planBtn, &QPushButton::clicked, this, [this] {
        if (const auto chosen =
                RunPlanDialog(this, core_->CurrentPlan(), core_->RandomDealCount())) {
            core_->PlanDlgOk(*chosen);
        }
    });

    headerGroup_ = new QGroupBox(Q(texts::kHeaderGroup), page);
    headerGroup_->setObjectName("HeaderGroup");
    headerGroup_->setGeometry(8, 188, 439, 124);
    line1_ = new QLineEdit(headerGroup_);
    line1_->setObjectName("Edit17");
    line1_->setGeometry(70, 26, 355, 24);
    MakeLabel(headerGroup_, texts::kLine1, line1_, QRect(14, 28, 54, 20));
    line2_ = new QLineEdit(headerGroup_);
    line2_->setObjectName("Edit18");
    line2_->setGeometry(70, 58, 355, 24);
    MakeLabel(headerGroup_, texts::kLine2, line2_, QRect(14, 60, 54, 20));
    useDate_ = new QCheckBox(Q(texts::kUseDate), headerGroup_);
    useDate_->setObjectName("CheckBox3");
    useDate_->setGeometry(14, 94, 300, 22);
    connect(line1_, &QLineEdit::textChanged, this,
            [this](const QString& text) { core_->Edit17Change(FromQString(text)); });
    connect(line2_, &QLineEdit::textChanged, this,
            [this](const QString& text) { core_->Edit18Change(FromQString(text)); });
    connect(useDate_, &QCheckBox::clicked, this,
            [this](bool checked) { core_->CheckBox3Click(checked); });
    randomCount_->installEventFilter(this);
    return page;
}

QWidget* MainWindow::BuildEnterHandPage() {
    auto* page = new QWidget;
    page->setObjectName("EnterHandTab");

    dealNumber_ = MakeCount(page, "UpDown2", 1, kMaxDealNumber);
    dealNumber_->setGeometry(46, 8, 60, 24);
    dealNumber_->installEventFilter(this);  // read-only: only the arrows change it
    dealNumber_->setContextMenuPolicy(Qt::NoContextMenu);
    // The mouse reaches the spin box's own text field, not the spin box: a read-only field
    // takes neither a middle-click paste of the selection nor a drop, and the up-down
    // control still steps the number.
    if (auto* text = dealNumber_->findChild<QLineEdit*>()) {
        text->setReadOnly(true);
        text->setAcceptDrops(false);
    }
    MakeLabel(page, texts::kDealLabel, nullptr, QRect(8, 10, 36, 20));
    connect(dealNumber_, &QSpinBox::valueChanged, this,
            [this](int value) { core_->Edit20Change(value); });

    // The bridge table: North top centre, West left, East right, South bottom centre.
    const QPoint where[] = {{157, 0}, {307, 74}, {157, 150}, {8, 74}};
    const char* titles[] = {"North", "East", "South", "West"};
    QWidget* previous = nullptr;
    for (Seat seat : kClockwise) {
        const int s = static_cast<int>(seat);
        auto* group = new QGroupBox(titles[s], page);
        group->setObjectName(QString("Group") + kSeatLetters[s]);
        group->setGeometry(where[s].x(), where[s].y(), 140, 142);
        for (Suit suit : kAllSuits) {
            const int u = static_cast<int>(suit);
            const int y = 20 + u * 24;
            auto* symbol = new QLabel(SuitSymbol(suit), group);
            symbol->setObjectName(QString("SuitLabel%1%2").arg(kSeatLetters[s]).arg(u + 1));
            symbol->setGeometry(8, y, 16, 22);
            QFont symbolFont = symbol->font();
            symbolFont.setPixelSize(16);
            symbol->setFont(symbolFont);
            symbol->setStyleSheet(SuitIsRed(suit) ? "color: #d00000;" : "color: black;");
            auto* field = new QLineEdit(group);
            field->setObjectName(QString("Suit%1%2").arg(kSeatLetters[s]).arg(u + 1));
            field->setGeometry(26, y, 82, 22);
            QFont arial("Arial");
            arial.setPixelSize(kSuitFontPixels);
            field->setFont(arial);
            field->setProperty(kSeatProperty, s);
            field->setProperty(kSuitProperty, u);
            field->setContextMenuPolicy(Qt::NoContextMenu);
            field->setAcceptDrops(false);
            field->installEventFilter(this);
            suitFields_[s][u] = field;
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, field);
            }
            previous = field;
        }
        countLabels_[s] = new QLabel("0", group);
        countLabels_[s]->setObjectName(QString("Count%1").arg(kSeatLetters[s]));
        countLabels_[s]->setGeometry(110, 20, 24, 22);
        countLabels_[s]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fillIn_[s] = new QPushButton(Q(texts::kFillIn), group);
        fillIn_[s]->setObjectName(QString("FillIn%1").arg(kSeatLetters[s]));
        fillIn_[s]->setGeometry(26, 116, 82, 22);
        fillIn_[s]->setDefault(true);  // Enter on the button presses it too
        fillIn_[s]->hide();
        connect(fillIn_[s], &QPushButton::clicked, this,
                [this, seat] { core_->Button1Click(seat); });
        QWidget::setTabOrder(previous, fillIn_[s]);
        previous = fillIn_[s];
    }
    QWidget::setTabOrder(previous, dealNumber_);

    clearDeal_ = new QPushButton(Q(texts::kClearDeal), page);
    clearDeal_->setObjectName("ClearDealBtn");
    clearDeal_->setGeometry(8, 262, 88, 25);
    clearDeal_->setFocusPolicy(Qt::NoFocus);  // the Tab key skips it
    connect(clearDeal_, &QPushButton::clicked, this, [this] { core_->Button5Click(); });
    return page;
}

QWidget* MainWindow::BuildPrintPage() {
    auto* page = new QWidget;
    page->setObjectName("PrintTab");

    copies_ = MakeCount(page, "UpDown3", kNumCopies.min, kNumCopies.max);
    copies_->setGeometry(330, 10, 72, 24);
    copiesLabel_ = MakeLabel(page, texts::CopiesLabel(0), copies_, QRect(8, 12, 318, 20));
    copiesLabel_->setObjectName("CopiesLabel");
    sets_ = MakeCount(page, "UpDown4", kNumIndividualSets.min, kNumIndividualSets.max);
    sets_->setGeometry(330, 40, 72, 24);
    MakeLabel(page, "Number of sets of &individual deal sheets", sets_, QRect(8, 42, 318, 20));
    statSheets_ = MakeCount(page, "UpDown5", kNumStatSheets.min, kNumStatSheets.max);
    statSheets_->setGeometry(330, 70, 72, 24);
    MakeLabel(page, "Nu&mber of statistic sheets", statSheets_, QRect(8, 72, 318, 20));
    curtains_ = new QCheckBox("Print cu&rtain cards", page);
    curtains_->setObjectName("CurtainsCheck");
    curtains_->setGeometry(8, 102, 250, 22);
    printBtn_ = new QPushButton("Prin&t", page);
    printBtn_->setObjectName("PrintBtn");
    printBtn_->setGeometry(330, 104, 72, 26);
    printBtn_->setDefault(true);

    auto* saveGroup = new QGroupBox("Save To File", page);
    saveGroup->setGeometry(8, 150, 150, 66);
    saveBtn_ = new QPushButton("&Save", saveGroup);
    saveBtn_->setObjectName("SaveBtn");
    saveBtn_->setGeometry(14, 26, 80, 26);

    auto* htmlGroup = new QGroupBox("Create HTML Document", page);
    htmlGroup->setGeometry(170, 150, 277, 92);
    createBtn_ = new QPushButton("&Create", htmlGroup);
    createBtn_->setObjectName("CreateBtn");
    createBtn_->setGeometry(14, 26, 80, 26);
    statsWithHtml_ = new QCheckBox("Inc&lude statistics in HTML", htmlGroup);
    statsWithHtml_->setObjectName("StatsWithHtmlCheck");
    statsWithHtml_->setGeometry(14, 60, 250, 22);

    // Shown only while the makeable contracts are being worked out.
    analysisLabel_ = new QLabel(kAnalysisWaitText, page);
    analysisLabel_->setObjectName("AnalysisLabel");
    analysisLabel_->setGeometry(8, 252, 439, 20);
    analysisBar_ = new QProgressBar(page);
    analysisBar_->setObjectName("AnalysisProgress");
    analysisBar_->setGeometry(8, 274, 439, 20);
    analysisLabel_->hide();
    analysisBar_->hide();
    boardViewer_ = new BoardViewer(page);
    boardViewer_->setGeometry(kBoardViewer);
    connect(boardViewer_, &BoardViewer::BoardChosen, this,
            [this](int position) { core_->BoardListClick(position); });

    analysisPoll_ = new QTimer(this);
    analysisPoll_->setInterval(kAnalysisPollMs);
    connect(analysisPoll_, &QTimer::timeout, this, [this] { ShowAnalysis(); });

    ConnectPrintPage(page);
    return page;
}

void MainWindow::ConnectPrintPage(QWidget* page) {
    for (QSpinBox* box : {copies_, sets_, statSheets_}) {
        box->installEventFilter(this);
    }
    connect(copies_, &QSpinBox::valueChanged, this, [this](int v) { core_->UpDown3Change(v); });
    connect(sets_, &QSpinBox::valueChanged, this,
            [this](int v) { core_->UpDown4Change(std::to_string(v)); });
    connect(statSheets_, &QSpinBox::valueChanged, this, [this](int v) { core_->UpDown5Change(v); });
    connect(curtains_, &QCheckBox::toggled, this, [this](bool on) { core_->CurtainsClick(on); });
    connect(statsWithHtml_, &QCheckBox::toggled, this,
            [this](bool on) { core_->StatsWithHtmlClick(on); });
    connect(printBtn_, &QPushButton::clicked, this, [this] { core_->PrintBtnClick(); });
    connect(saveBtn_, &QPushButton::clicked, this, [this] { core_->SaveBtnClick(); });
    connect(createBtn_, &QPushButton::clicked, this, [this] {
        if (options_ == nullptr) {
            return;
        }
        QtHtmlExportView view(*this, this, [this] { ShowOptions(OptionDialogWidget::kOtherPage); });
        core_->CreateBtnClick(view, HtmlOptionsOf(options_->Options()));
    });

    // "Prin&t" is the page's default button: Enter presses it, unless another button of
    // the page has the focus, which Enter then presses as Windows does.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), page);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
        connect(enter, &QShortcut::activated, this, [this, page] {
            auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
            QPushButton* pressed =
                focused != nullptr && page->isAncestorOf(focused) ? focused : printBtn_;
            if (pressed->isEnabled()) {
                pressed->animateClick();
            }
        });
    }
}

bool MainWindow::FormCreate() {
    core_->FormCreate();
    if (core_->TerminateRequested()) {
        return false;
    }
    place_ = std::make_unique<WindowPlace>();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(place_->Where(screen->availableGeometry(), rect()));
    }
    return true;
}

void MainWindow::ShowAnalysis() {
    if (!core_) {
        return;  // start-up, before the core is there
    }
    const BackgroundAnalysis* analysis = core_->Analysis();
    const BackgroundAnalysis::Progress progress =
        analysis != nullptr ? analysis->Current() : BackgroundAnalysis::Progress{};
    const bool running =
        progress.state == BackgroundAnalysis::State::Running && core_->CurrentPage() == Page::Print;
    analysisLabel_->setVisible(running);
    analysisBar_->setVisible(running);
    // The viewer's board takes its makeable contracts as the analysis reaches it.
    if (core_->CurrentPage() == Page::Print) {
        boardViewer_->ShowBoard(core_->ViewedBoard());
    }
    if (running) {
        ShowAnalysisProgress(*analysisBar_, progress);
        if (!analysisPoll_->isActive()) {
            analysisPoll_->start();
        }
    } else {
        analysisPoll_->stop();
    }
}

bool MainWindow::WaitForPlanDealing(const BackgroundPlanDealing& dealing) {
    return WaitForPlanDealingDialog(this, dealing);
}

bool MainWindow::WaitForAnalysis(const BackgroundAnalysis& analysis) {
    const bool finished = WaitForAnalysisDialog(this, analysis);
    ShowAnalysis();
    return finished;
}

void MainWindow::ShowDisplay(const MainWindowDisplay& d) {
    setWindowTitle(MessageToQString(d.caption));  // the caption may name the boards' file
    // The button's caption first: a page never shows beside the caption of another.
    nextBtn_->setText(Q(d.nextCaption));
    FitClient(d.page == Page::Print ? kPrintClientWidth : kClientWidth);
    pages_->setCurrentIndex(static_cast<int>(d.page));
    prevBtn_->setEnabled(d.prevEnabled);
    saveAction_->setEnabled(d.saveEnabled);
    printAction_->setEnabled(d.printEnabled);

    Quietly(modeButtons_[static_cast<int>(d.mode)], [&](auto* w) { w->setChecked(true); });
    randomCountGroup_->setVisible(d.randomCountVisible);
    if (randomCount_->value() != d.randomCount) {
        Quietly(randomCount_, [&](auto* w) { w->setValue(d.randomCount); });
    }
    randomCount_->setEnabled(d.randomCountEnabled);
    planLine_->setText(ToQString(d.planLine));
    headerGroup_->setEnabled(d.headerEnabled);
    for (auto [edit, text] : {std::pair{line1_, &d.line1}, std::pair{line2_, &d.line2}}) {
        const QString shown = ToQString(*text);
        if (edit->text() != shown) {
            Quietly(edit, [&](auto* w) { w->setText(shown); });
        }
    }
    Quietly(useDate_, [&](auto* w) { w->setChecked(d.useDateInHeader); });
    Quietly(dealToPlan_, [&](auto* w) { w->setChecked(d.dealToPlan); });

    if (dealNumber_->value() != d.dealNumber) {
        Quietly(dealNumber_, [&](auto* w) { w->setValue(d.dealNumber); });
    }
    for (int s = 0; s < 4; ++s) {
        for (int u = 0; u < 4; ++u) {
            const QString shown = ToQString(d.suitTexts[s][u]);
            if (suitFields_[s][u]->text() != shown) {
                suitFields_[s][u]->setText(shown);
                FitSuitText(suitFields_[s][u]);
            }
        }
        countLabels_[s]->setText(ToQString(d.countLabels[s]));
        fillIn_[s]->setVisible(d.fillInVisible[s]);
    }

    copiesLabel_->setText(ToQString(d.copiesLabel));
    // Setting a spin box's value rewrites its text and drops a selection: only a change does.
    for (auto [box, value] : {std::pair{copies_, d.copies}, std::pair{sets_, d.sets},
                              std::pair{statSheets_, d.statSheets}}) {
        if (box->value() != value) {
            Quietly(box, [&](auto* w) { w->setValue(value); });
        }
    }
    Quietly(curtains_, [&](auto* w) { w->setChecked(d.curtains); });
    Quietly(statsWithHtml_, [&](auto* w) { w->setChecked(d.statsWithHtml); });
    createBtn_->setEnabled(d.createEnabled);
    boardViewer_->ShowList(d.boardList, d.viewedBoard);
    ShowAnalysis();
}

void MainWindow::PlaceCaret(SuitField field, int position, bool focus) {
    QLineEdit* edit = suitFields_[static_cast<int>(field.seat)][static_cast<int>(field.suit)];
    if (focus) {
        edit->setFocus(Qt::OtherFocusReason);
    }
    edit->setCursorPosition(position);
    edit->deselect();
}

std::optional<int> MainWindow::TDateDlg(const std::vector<std::string>& entries) {
    return RunDateDialog(this, entries);
}

ZeroCardsChoice MainWindow::TZeroCardsDlg(const std::string& text) {
    return RunZeroCardsDialog(this, text);
}

bool MainWindow::TDuplicateCardForm(const DuplicateCardMessage& message) {
    return RunDuplicateCardDialog(this, message);
}

void MainWindow::CloseMainWindow() {
    close();
}

SaveAnswer MainWindow::TSaveQuestionDlg(const SaveQuestion& question) {
    return RunSaveQuestionDialog(this, question);
}

void MainWindow::SetOptionsDialog(OptionDialogWidget* options) {
    options_ = options;
    core_->SetOptions(options != nullptr ? &options->Options() : nullptr);
}

MultipleSetAnswer MainWindow::TMultipleSetWarningDlg() {
    return RunMultipleSetWarningDialog(this);
}

void MainWindow::FocusCopiesField() {
    copies_->setFocus();
    copies_->selectAll();
}

void MainWindow::PrintoutsSavedIn(const std::string& folder) {
    ShowMessage(MessageKind::Information,
                "The printouts were saved as PDF files in the folder " + folder + ".");
}

Answer MainWindow::ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) {
    return ShowQtMessage(isVisible() ? this : nullptr, kind, text, buttons);
}

void MainWindow::Beep() {
    QtBeep();
}

FileDialogResult MainWindow::OpenFileDialog(const FileDialogRequest& request) {
    return ShowQtFileDialog(this, request, false);
}

FileDialogResult MainWindow::SaveFileDialog(const FileDialogRequest& request) {
    return ShowQtFileDialog(this, request, true);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        if (!core_->MayClose()) {
            event->ignore();
            return;
        }
        closing_ = true;
        core_->FormClose();
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    core_->FormShow();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QVariant seat = watched->property(kSeatProperty);
    if (seat.isValid()) {
        const SuitField field{static_cast<Seat>(seat.toInt()),
                              static_cast<Suit>(watched->property(kSuitProperty).toInt())};
        return SuitFieldEvent(field, static_cast<QLineEdit*>(watched), event);
    }
    if (watched == copies_ && event->type() == QEvent::FocusIn) {
        // However the copies field gets the focus, a typed number replaces the one shown.
        static_cast<QObject*>(copies_)->event(event);
        copies_->selectAll();
        return true;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::AltModifier) {
        return false;  // accelerators
    }
    if (watched == dealNumber_) {
        return DealNumberKey(key);
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        return false;
    }
    // The count fields take the digits and backspace of all typed characters; editing
    // keys (Delete, Enter, Esc) are no typed characters.
    for (char c : FromQString(key->text())) {
        const bool typed = static_cast<unsigned char>(c) >= 0x20 && c != '\x7f';
        if (typed && !TKestoMain::CountKeyPress(c)) {
            return true;
        }
    }
    return false;
}

bool MainWindow::SuitFieldEvent(SuitField field, QLineEdit* edit, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return SuitFieldKey(field, static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
            // Let the field take the focus first (it would select its text), then put
            // the caret where the page says.
            static_cast<QObject*>(edit)->event(event);
            FitSuitText(edit);
            core_->Edit1Enter(field);
            return true;
        case QEvent::FocusOut:
            static_cast<QObject*>(edit)->event(event);
            FitSuitText(edit);
            return true;
        case QEvent::InputMethod:
        case QEvent::Drop:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            // The middle button would paste the selection.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            return false;
    }
}

bool MainWindow::DealNumberKey(QKeyEvent* key) {
    // Read-only: only the up-down keys change it. Enter presses the "F&ill in" shown, as it
    // does in the suit fields.
    const int pressed = key->key();
    if (pressed == Qt::Key_Return || pressed == Qt::Key_Enter) {
        for (QPushButton* fillIn : fillIn_) {
            if (!fillIn->isHidden()) {
                fillIn->animateClick();
                break;
            }
        }
        return true;
    }
    return !(IsMoveKey(pressed) || pressed == Qt::Key_PageUp || pressed == Qt::Key_PageDown);
}

bool MainWindow::SuitFieldKey(SuitField field, QKeyEvent* event) {
    auto* edit = suitFields_[static_cast<int>(field.seat)][static_cast<int>(field.suit)];
    if (IsMoveKey(event->key())) {
        return false;
    }
    switch (event->key()) {
        case Qt::Key_Delete:
            core_->Edit1KeyDown(field, TKestoMain::EditKey::Delete, edit->cursorPosition());
            return true;
        case Qt::Key_Backspace:
            core_->Edit1KeyDown(field, TKestoMain::EditKey::Backspace, edit->cursorPosition());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            core_->EnterKeyPress(field);
            return true;
        default:
            break;
    }
    if (event->modifiers() & Qt::AltModifier) {
        return false;  // menu and label accelerators
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        // Copying and selecting are harmless; pasting, cutting and undo never reach the field.
        return !(event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll));
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        return true;
    }
    for (char c : FromQString(text)) {
        core_->Edit1KeyPress(field, c);
    }
    return true;
}

}  // namespace kesto::gui
