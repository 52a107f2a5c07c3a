#include "kesto/workflow/kesto_main.h"

#include <algorithm>

#include "kesto/deal/generate.h"
#include "kesto/deal/secure_random.h"
#include "kesto/options/language_table.h"
#include "kesto/options/option_dialog.h"
#include "kesto/options/settings_store.h"
#include "kesto/plan/plan_reader.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/clock.h"
#include "kesto/platform/file_io.h"
#include "kesto/workflow/background_plan_dealing.h"
#include "kesto/workflow/date_format.h"
#include "kesto/workflow/texts.h"

namespace kesto {

namespace {

constexpr int kTenWordSlot = 5;
static_assert(kDateFormat.min == 0 && kDateFormat.max == kDateFormatCount - 1);
// A generating run never deals more boards than a deal file may hold.
static_assert(kNumHands.max <= kMaxBoards);

std::string Text(std::string_view text) {
    return std::string(text);
}

std::string BaseName(const std::string& fileName) {
    return fileName.substr(DirectoryOf(fileName).size());
}

}  // namespace

TKestoMain::TKestoMain(MainWindowView& view, const Clock& clock, const LanguageTable& languages,
                       SettingsFile settings, LibraryLoader loader, DoubleDummySolver* solver)
    : view_(view),
      clock_(clock),
      languages_(languages),
      settings_(std::move(settings)),
      loader_(std::move(loader)),
      solver_(solver) {}

TKestoMain::~TKestoMain() {
    FormDestroy();
}

void TKestoMain::FormCreate() {
    BindLibraries();  // steps 1 and 2

    // 3. The first page, with the counts' presets.
    page_ = Page::First;
    randomCount_ = kNumHands.defaultValue;
    copies_ = kNumCopies.defaultValue;
    sets_ = kNumIndividualSets.defaultValue;

    ReadSettings();  // 4, and 5: the store reads an unknown date format as the first one

    // 6. The suit labels are the window's own: their symbols never change.

    // 7. The header.
    headerEnabled_ = true;
    line1_.clear();
    CheckBox3Click(UseDateInHeader);
    if (UseDateInHeader) {
        PutDateInLine2();
    }

    // 8. The file dialogs start where the user last chose a file of their kind, which they
    // read from the settings as they open: nobody's files live in the program's folder.

    boardSet.clear();               // 9
    random_.SeedFromClock(clock_);  // 10

    ShowPage(Page::First);
    for (const std::string& notice : TakeSettingsNotices()) {
        view_.ShowMessage(MessageKind::Warning, notice);
    }
}

namespace {

// Loads one library for start-up, saying why not: the loader's sentence, then, as for a library
// without its entries, that it cannot be used. The name the second message gives: the file
// loaded, or the library's file name.
template <typename Library>
std::unique_ptr<Library> BindLibrary(const LibraryLoader& loader, const char* logicalName,
                                     MainWindowView& view, MessageKind kind,
                                     std::string (*notFound)(std::string_view),
                                     std::string (*interface)(std::string_view)) {
    LibraryLoad load = loader(logicalName);
    std::string library = PlatformLibraryFileName(logicalName);
    if (!load.status.Ok()) {
        view.ShowMessage(kind, notFound(load.status.Reason()));
    } else if (load.value) {
        library = load.value->Path();
    }
    std::unique_ptr<Library> bound = Library::Bind(std::move(load.value));
    if (!bound) {
        view.ShowMessage(kind, interface(library));
    }
    return bound;
}

}  // namespace

void TKestoMain::BindLibraries() {
    printing_ = BindLibrary<PrintingLibrary>(loader_, kPrintingLibraryName, view_,
                                             MessageKind::Error, texts::PrintingLibraryNotFoundText,
                                             texts::PrintingLibraryInterfaceText);
    terminateRequested_ = printing_ == nullptr;
    html_ =
        BindLibrary<HtmlLibrary>(loader_, kHtmlLibraryName, view_, MessageKind::Warning,
                                 texts::HtmlLibraryNotFoundText, texts::HtmlLibraryInterfaceText);
    createEnabled_ = html_ != nullptr;
}

void TKestoMain::ReadSettings() {
    const SettingsStore store(settings_);
    // The store gives only numbers the count fields can show.
    randomCount_ = store.Read(kNumHands);
    copies_ = store.Read(kNumCopies);
    sets_ = store.Read(kNumIndividualSets);
    statSheets_ = store.Read(kNumStatSheets);
    statsWithHtml_ = store.Read(kStatsWithHtml);
    curtains_ = store.Read(kCurtains);
    DateFormatIndex = store.Read(kDateFormat);
    UseDateInHeader = store.Read(kUseDateInHeader);
    SuppressSetWarning = store.Read(kSuppressSetWarning);
    SuppressHTMLAlert = store.Read(kSuppressHtmlAlert);
    RememberedIndividualSets = store.Read(kNumberOfIndividualSets);
    plan_.text = store.Read(kPlan);
    plan_.mix = store.Read(kPlanMix);
    plan_.fixedSeats = store.Read(kPlanFixedSeats);
}

void TKestoMain::FormShow() {
    shown_ = true;
}

bool TKestoMain::MayClose() {
    return AskToSaveBoards(
        {Text(texts::kSaveBeforeClosing), Text(texts::kCloseWithoutSaving), std::string()});
}

bool TKestoMain::AskToSaveBoards(const SaveQuestion& question) {
    if (!BoardsChanged()) {
        return true;
    }
    SaveQuestion asked = question;
    asked.detail =
        texts::UnsavedBoardsText(static_cast<int>(FilledCount(boardSet)), BaseName(fileName_));
    switch (view_.TSaveQuestionDlg(asked)) {
        case SaveAnswer::Save:
            return SaveBtnClick();
        case SaveAnswer::Discard:
            return true;
        case SaveAnswer::Cancel:
            break;
    }
    return false;
}

std::size_t TKestoMain::FilledCount(const tBoardSet& boards) const {
    const std::size_t read = std::min(boardsRead_, boards.size());
    std::size_t count = boards.size();
    while (count > read && boards[count - 1].CardCount() == 0) {
        --count;
    }
    return count;
}

bool TKestoMain::BoardsChanged() const {
    const auto filled = static_cast<std::ptrdiff_t>(FilledCount(boardSet));
    const auto saved = static_cast<std::ptrdiff_t>(FilledCount(savedBoards_));
    return filled > 0 && !std::equal(boardSet.begin(), boardSet.begin() + filled,
                                     savedBoards_.begin(), savedBoards_.begin() + saved);
}

void TKestoMain::NewMenuClick() {
    if (!AskToSaveBoards(
            {Text(texts::kSaveBeforeNew), Text(texts::kStartWithoutSaving), std::string()})) {
        return;
    }
    boardSet.clear();
    StartNewBoards();
    Printed = false;
    ShowPage(Page::First);
}

void TKestoMain::StartNewBoards() {
    boardsRead_ = 0;
    fileName_.clear();
    savedBoards_.clear();
    CurrentDeal = 0;
}

void TKestoMain::FormClose() {
    {
        SettingsStore store(settings_);
        store.Write(kDateFormat, DateFormatIndex);
        store.Write(kUseDateInHeader, UseDateInHeader);
        store.Write(kStatsWithHtml, statsWithHtml_);
        store.Write(kSuppressSetWarning, SuppressSetWarning);
        store.Write(kSuppressHtmlAlert, SuppressHTMLAlert);
    }
    for (const std::string& notice : TakeSettingsNotices()) {
        view_.ShowMessage(MessageKind::Warning, notice);
    }
}

void TKestoMain::FormDestroy() {
    boardSet.clear();
    html_.reset();
    printing_.reset();
}

std::string TKestoMain::HandTenText() const {
    return TenText(languages_.LanguageWord(languages_.CurrentLanguage(), kTenWordSlot));
}

// Page entry: run after every change of page.
void TKestoMain::ShowPage(Page page) {
    page_ = page;
    switch (page) {
        case Page::First:
            break;
        case Page::EnterHand:
            if (boardSet.empty()) {
                boardSet.emplace_back();
                CurrentDeal = 0;
            }
            // A deal number left from before may lie beyond a board set that has since
            // shrunk: show the last deal rather than invent empty ones.
            CurrentDeal = std::clamp(CurrentDeal, 0, static_cast<int>(boardSet.size()) - 1);
            break;
        case Page::Print:
            // The viewer shows the deal the hand-entry page showed last, if it is still there.
            CurrentDeal =
                std::clamp(CurrentDeal, 0, std::max(0, static_cast<int>(boardSet.size()) - 1));
            sets_ = (mode_ == DealSource::ReadFromFile) ? 0 : RememberedIndividualSets;
            RememberedIndividualSets = sets_;
            // The board set is complete now: its analysis runs while the user reads the page.
            if (ShowMakeableContracts()) {
                StartAnalysis();
            }
            break;
    }
    Refresh();
    if (page == Page::EnterHand) {
        const SuitField northSpades{Seat::North, Suit::Spades};
        view_.PlaceCaret(northSpades, static_cast<int>(display_.suitTexts[0][0].size()), true);
    }
}

void TKestoMain::NextBtnClick() {
    switch (page_) {
        case Page::First:
            NextOnFirstPage();
            break;
        case Page::EnterHand:
            NextOnEnterHandPage();
            break;
        case Page::Print:
            // Boards not saved are asked about as the window closes; here only boards that are
            // safe in a file but not printed.
            if (Printed || BoardsChanged() ||
                view_.ShowMessage(MessageKind::Warning, Text(texts::kNotPrintedExit),
                                  MessageButtons::YesNo) == Answer::Yes) {
                view_.CloseMainWindow();
            }
            break;
    }
}

GeneratingRun TKestoMain::ChosenGenerator(SecureRandom& secure) {
    const bool useSecure = options_ != nullptr && options_->SecureDealing();
    return useSecure ? GeneratingRun(secure) : GeneratingRun(random_);
}

bool TKestoMain::GenerateDeals() {
    SecureRandom secure;
    GeneratingRun generator = ChosenGenerator(secure);
    const Status dealt = kesto::GenerateDeals(boardSet, randomCount_, generator);
    if (!dealt.Ok()) {
        view_.ShowMessage(MessageKind::Error, texts::SecureDealingFailedText(dealt.Reason()));
    }
    return dealt.Ok();
}

bool TKestoMain::DealPlan() {
    const PlanReading reading = ReadChosenPlan(plan_);
    if (reading.error) {
        view_.ShowMessage(MessageKind::Error,
                          texts::PlanUnreadableText(PlanErrorText(*reading.error)));
        return false;
    }
    SecureRandom secure;
    GeneratingRun generator = ChosenGenerator(secure);
    tBoardSet boards;
    BackgroundPlanDealing run([&](const PlanProgressReport& progress) {
        PlanDealingOptions options{.dealsAsked = randomCount_, .mix = plan_.mix};
        options.progress = progress;
        return kesto::DealToPlan(boards, reading.plan, options, generator);
    });
    if (!view_.WaitForPlanDealing(run)) {
        run.Cancel();
    }
    const Status& dealt = run.Result().status;
    if (dealt.Ok()) {
        boardSet = std::move(boards);
    } else if (dealt.IsTooRare()) {
        view_.ShowMessage(MessageKind::Warning, dealt.Reason());
    } else if (!dealt.IsCancelled()) {
        view_.ShowMessage(MessageKind::Error, texts::SecureDealingFailedText(dealt.Reason()));
    }
    return dealt.Ok();
}

void TKestoMain::NextOnFirstPage() {
    switch (mode_) {
        case DealSource::Generate:
            boardSet.clear();
            StartNewBoards();
            if (!(plan_.ticked ? DealPlan() : GenerateDeals())) {
                Refresh();
                return;
            }
            ShowPage(Page::Print);
            break;
        case DealSource::Record:
            // Boards in hand stay, so that they can be corrected; without any, new ones start.
            if (FilledCount(boardSet) == 0) {
                boardSet.clear();
                StartNewBoards();
            }
            ShowPage(Page::EnterHand);
            break;
        case DealSource::ReadFromFile:
            ReadDealsFromFile();
            break;
    }
}

void TKestoMain::NextOnEnterHandPage() {
    // Empty deals after the last one typed in are dropped; a file's own boards are all kept,
    // and the checks below name those without cards.
    boardSet.resize(FilledCount(boardSet));
    if (boardSet.empty()) {
        view_.ShowMessage(MessageKind::Information, Text(texts::kNothingToPrint));
        boardSet.emplace_back();
        ShowDeal(0);
        return;
    }
    std::vector<int> withoutCards;
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        const int count = boardSet[i].CardCount();
        const int boardNumber = static_cast<int>(i) + 1;
        if (count != 0 && count != kCardsInDeck) {
            view_.ShowMessage(MessageKind::Warning, texts::DealHasOnlyText(boardNumber, count));
            ShowDeal(static_cast<int>(i));
            return;
        }
        if (count == 0) {
            withoutCards.push_back(boardNumber);
        }
    }
    if (!withoutCards.empty()) {
        const ZeroCardsChoice choice =
            view_.TZeroCardsDlg(texts::DealsWithoutCardsText(withoutCards));
        if (choice == ZeroCardsChoice::AddCards) {
            ShowDeal(withoutCards.front() - 1);
            return;
        }
        PrintEmptyDeals = (choice == ZeroCardsChoice::PrintAllDeals);
    }
    ShowPage(Page::Print);
}

void TKestoMain::ShowDeal(int position) {
    CurrentDeal = position;
    Refresh();
}

void TKestoMain::PrevBtnClick() {
    switch (page_) {
        case Page::First:
            break;  // the button is disabled here
        case Page::EnterHand: {
            const bool anyCards = std::any_of(boardSet.begin(), boardSet.end(),
                                              [](const tDeal& d) { return d.CardCount() > 0; });
            if (anyCards && view_.ShowMessage(MessageKind::Confirmation, Text(texts::kBackingUp),
                                              MessageButtons::OkCancel) != Answer::Ok) {
                return;
            }
            ShowPage(Page::First);
            break;
        }
        case Page::Print:
            if (mode_ == DealSource::Generate ||
                (mode_ == DealSource::ReadFromFile && DealsComplete)) {
                ShowPage(Page::First);
                return;
            }
            if (Printed && view_.ShowMessage(MessageKind::Confirmation, Text(texts::kClearPrinted),
                                             MessageButtons::YesNo) == Answer::Yes) {
                boardSet.clear();
                StartNewBoards();
            }
            ShowPage(Page::EnterHand);
            break;
    }
}

void TKestoMain::RadioGroup1Click(DealSource mode) {
    mode_ = mode;
    Printed = false;
    Refresh();
}

void TKestoMain::CheckBox3Click(bool checked) {
    UseDateInHeader = checked;
    if (checked && shown_) {
        if (const std::optional<int> chosen = view_.TDateDlg(TodayInEveryFormat(clock_))) {
            DateFormatIndex = std::clamp(*chosen, 0, kDateFormatCount - 1);
        }
        PutDateInLine2();
    } else {
        line2_.clear();
    }
    Refresh();
}

void TKestoMain::PutDateInLine2() {
    line2_ = FormatDate(DateFormatIndex, clock_.Today(), clock_);
}

void TKestoMain::Edit17Change(const std::string& text) {
    line1_ = text;
}
void TKestoMain::Edit18Change(const std::string& text) {
    line2_ = text;
}

void TKestoMain::UpDown1Change(int count) {
    randomCount_ = kNumHands.Clamp(count);
}
void TKestoMain::PlanCheckBoxClick(bool checked) {
    plan_.ticked = checked;
    Refresh();
}

void TKestoMain::PlanDlgOk(const PlanChoice& chosen) {
    plan_ = chosen;
    plan_.ticked = true;  // a plan just written is the one to deal
    {
        SettingsStore store(settings_);
        store.Write(kPlan, plan_.text);
        store.Write(kPlanMix, plan_.mix);
        store.Write(kPlanFixedSeats, plan_.fixedSeats);
    }
    // A dealer script's "produce N" becomes the number of boards, which stays the teacher's
    // to change before Next.
    if (const PlanReading reading = ReadChosenPlan(plan_);
        !reading.error && reading.plan.DealsEveryBoard() && reading.plan.produce) {
        randomCount_ = kNumHands.Clamp(*reading.plan.produce);
    }
    Refresh();
}

void TKestoMain::UpDown3Change(int copies) {
    copies_ = kNumCopies.Clamp(copies);
}
void TKestoMain::UpDown5Change(int statSheets) {
    statSheets_ = kNumStatSheets.Clamp(statSheets);
}
void TKestoMain::CurtainsClick(bool checked) {
    curtains_ = checked;
}
void TKestoMain::StatsWithHtmlClick(bool checked) {
    statsWithHtml_ = checked;
}

void TKestoMain::UpDown4Change(const std::string& text) {
    const std::optional<int> value = ParseWholeNumber<int>(text);
    if (!value) {
        view_.ShowMessage(MessageKind::Error, texts::NotAWholeNumberText(text));
        return;
    }
    sets_ = kNumIndividualSets.Clamp(*value);
    RememberedIndividualSets = sets_;
}

bool TKestoMain::CountKeyPress(char key) {
    return IsAsciiDigit(key) || key == '\b';
}

void TKestoMain::BoardListClick(int position) {
    if (position >= 0 && position < static_cast<int>(boardSet.size())) {
        CurrentDeal = position;
        Refresh();
    }
}

BoardDiagram TKestoMain::ViewedBoard() const {
    if (CurrentDeal < 0 || CurrentDeal >= static_cast<int>(boardSet.size())) {
        return {};
    }
    const tDeal& deal = boardSet[CurrentDeal];
    const int board = CurrentDeal + 1;
    BoardDiagram diagram = BoardDiagramOf(deal, board, languages_);
    if (!ShowMakeableContracts() || deal.CardCount() != kCardsInDeck) {
        return diagram;
    }
    if (const auto found = analysis_ ? analysis_->Analyser().Find(deal, board) : nullptr) {
        diagram.makeable = MakeableTableOf(*found, languages_);
        return diagram;
    }
    const BackgroundAnalysis::State state =
        analysis_ ? analysis_->Current().state : BackgroundAnalysis::State::Idle;
    const bool failed =
        state == BackgroundAnalysis::State::Failed || state == BackgroundAnalysis::State::Cancelled;
    diagram.analysisNote = Text(failed ? texts::kMakeableMissing : texts::kMakeablePending);
    return diagram;
}

std::string TKestoMain::Caption() const {
    const std::string mark = BoardsChanged() ? Text(texts::kChangedMark) : std::string();
    if (!fileName_.empty()) {
        return mark + texts::FileCaption(BaseName(fileName_));
    }
    return mark + Text(page_ == Page::First       ? texts::kCaptionFirst
                       : page_ == Page::EnterHand ? texts::kCaptionRecord
                                                  : texts::kCaptionPrint);
}

void TKestoMain::Refresh() {
    FillDisplay();
    view_.ShowDisplay(display_);
}

// The display refresh: every control from the model.
void TKestoMain::FillDisplay() {
    MainWindowDisplay& d = display_;
    d.page = page_;
    d.prevEnabled = page_ != Page::First;
    d.nextCaption = Text(page_ == Page::Print ? texts::kDone : texts::kNext);
    d.caption = Caption();
    d.mode = mode_;
    d.randomCountVisible = mode_ == DealSource::Generate;
    d.randomCount = randomCount_;
    d.dealToPlan = plan_.ticked;
    // A plan with counts says how many boards there are; the count field has no say then.
    const std::optional<PlanReading> reading =
        plan_.ticked && page_ == Page::First ? std::optional(ReadChosenPlan(plan_)) : std::nullopt;
    d.planLine = reading ? texts::PlanLineText(*reading, randomCount_, plan_.mix) : "";
    d.randomCountEnabled = !reading || reading->error || reading->plan.DealsEveryBoard();
    d.headerEnabled = headerEnabled_;
    d.line1 = line1_;
    d.line2 = line2_;
    d.useDateInHeader = UseDateInHeader;

    const bool haveDeal = CurrentDeal >= 0 && CurrentDeal < static_cast<int>(boardSet.size());
    const tDeal empty;
    const tDeal& deal = haveDeal ? boardSet[CurrentDeal] : empty;
    const std::string ten = HandTenText();
    int complete = 0;
    for (Seat seat : kClockwise) {
        const int s = static_cast<int>(seat);
        const tHand& hand = deal.Hand(seat);
        for (Suit suit : kAllSuits) {
            d.suitTexts[s][static_cast<int>(suit)] = SuitText(hand.Holding(suit), ten);
        }
        const int count = hand.CardCount();
        d.countLabels[s] = std::to_string(count);
        if (count == kCardsInHand) {
            ++complete;
        }
    }
    for (Seat seat : kClockwise) {
        d.fillInVisible[static_cast<int>(seat)] =
            complete == 3 && deal.Hand(seat).CardCount() != kCardsInHand;
    }
    d.dealNumber = CurrentDeal + 1;

    d.copiesLabel = texts::CopiesLabel(static_cast<int>(boardSet.size()));
    d.copies = copies_;
    d.sets = sets_;
    d.statSheets = statSheets_;
    d.curtains = curtains_;
    d.statsWithHtml = statsWithHtml_;
    d.createEnabled = createEnabled_;
    d.boardList = page_ == Page::Print ? BoardList(boardSet) : std::vector<BoardListRow>();
    d.viewedBoard = CurrentDeal;
    d.saveEnabled = FilledCount(boardSet) > 0;
    d.printEnabled = page_ == Page::Print;
}

}  // namespace kesto
