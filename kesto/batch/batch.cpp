#include "kesto/batch/batch.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "kesto/analysis/deal_analyser.h"
#include "kesto/batch/batch_options.h"
#include "kesto/batch/batch_view.h"
#include "kesto/deal/deal_notation.h"
#include "kesto/files/write_deal_file.h"
#include "kesto/html/html_export.h"
#include "kesto/options/language_table.h"
#include "kesto/options/no_option_window.h"
#include "kesto/options/option_dialog.h"
#include "kesto/options/settings_store.h"
#include "kesto/plan/plan_file.h"
#include "kesto/plan/plan_reader.h"
#include "kesto/platform/clock.h"
#include "kesto/platform/error_report.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/text_encoding.h"
#include "kesto/print/print_options.h"
#include "kesto/print/print_without_window.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/texts.h"

namespace kesto {

namespace {

constexpr int kGoOn = 0;
constexpr int kFailed = 1;

// The boards of a plan that is one dealer script without "produce", when --generate does not
// give their number: as many as dealer itself produces then.
constexpr int kScriptBoards = 40;

// Saving or printing with neither --generate nor --read (the HTML page has its own message).
constexpr std::string_view kNoDealsToSave =
    "There are no deals to save: deal them with --generate or read them with --read.";
constexpr std::string_view kNoDealsToPrint =
    "There are no deals to print: deal them with --generate or read them with --read.";

std::string LanguageNames(const LanguageTable& languages) {
    std::string names;
    for (int language = 1; language <= kLanguageCount; ++language) {
        names +=
            (language > 1 ? ", " : "") + Windows1252ToUtf8(languages.LanguageWord(language, 0));
    }
    return names;
}

// When no deal of the board set holds a card, the text that names them all; "" otherwise.
std::string NoDealHasCards(const tBoardSet& boardSet) {
    std::vector<int> boardNumbers;
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        if (boardSet[i].CardCount() > 0) {
            return "";
        }
        boardNumbers.push_back(static_cast<int>(i) + 1);
    }
    return boardNumbers.empty() ? "" : texts::DealsWithoutCardsText(boardNumbers);
}

// One run of the batch command: the core objects the window has, driven by the command line
// one step after the other. Each step gives kGoOn, or the exit status to end with.
class BatchJob {
  public:
    BatchJob(const BatchOptions& options, std::ostream& out, std::ostream& err,
             const BatchServices& services)
        : options_(options), out_(out), err_(err), services_(services) {}

    int Run() {
        using Step = int (BatchJob::*)();
        for (const Step step :
             {&BatchJob::StartOptions, &BatchJob::StartMainWindow, &BatchJob::ReadBoards,
              &BatchJob::SetHeaders, &BatchJob::SolveFirst, &BatchJob::List, &BatchJob::Analyse,
              &BatchJob::Save, &BatchJob::WriteHtml, &BatchJob::Print}) {
            if (const int status = (this->*step)(); status != kGoOn) {
                return status;
            }
        }
        return kGoOn;
    }

  private:
    int StartOptions();
    int StartMainWindow();
    int ReadBoards();
    int DealToPlan();
    int SetHeaders();
    int SolveFirst();
    int List();
    int Analyse();
    int Save();
    int WriteHtml();
    int Print();
    // With --analyse or the stored "Show makeable contracts and par": the analysis the
    // outputs carry, solved once, in analysis; null otherwise. False when the solver failed
    // (said why).
    bool OutputAnalysis(const DealAnalyser*& analysis);
    // Solves the board set once for the whole job, telling which boards' makeable contracts the
    // file read gives otherwise; false after reporting the solver's failure.
    bool Analysed();
    // A --save of a kind that carries the makeable contracts (PBN).
    bool SavesPbn() const {
        return std::any_of(
            options_.saves.begin(), options_.saves.end(),
            [](const std::string& file) { return SaveKindOfFileName(file) == DealFileKind::Pbn; });
    }
    // Writes the message (Windows-1252) and gives kFailed.
    int Failure(std::string_view message);
    // Flushes standard output: kGoOn when all of what (written since errno was cleared)
    // reached it, else the failure with the system's reason.
    int Written(std::string_view what);

    const BatchOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    const BatchServices& services_;
    const std::unique_ptr<Clock> clock_ = MakeSystemClock();
    // Batch runs read the settings, once, and never write them.
    const SettingsFile settings_ = ReadSettingsOnce(services_.settingsPath);
    LanguageTable languages_;
    NoOptionWindow optionWindow_;
    TOptionDlg optionDlg_{optionWindow_, languages_, settings_};
    BatchView view_{err_};
    TKestoMain main_{view_, *clock_, languages_, settings_};
    // Filled by --analyse before the boards are saved, written or printed: with
    // options_.analyse set, --save x.pbn, --html and --print are to take each board's
    // analysis from here, as the window's outputs do with "Show makeable contracts and par".
    DealAnalyser analyser_;
    bool analysed_ = false;
};

// The options dialog's logic reads the stored options and language as at start-up; with no
// window it is never shown and, the settings being read-only, writes nothing.
int BatchJob::StartOptions() {
    optionDlg_.FormCreate();
    if (options_.gifLocation) {
        optionDlg_.GIFLocationEditChange(*options_.gifLocation);
    }
    // --secure deals securely whatever is stored; a seed asks for the classic generator.
    if (options_.secure || options_.seed) {
        optionDlg_.OptionBoxClick(kSecureDealing, options_.secure);
    }
    for (const std::string& notice : TakeSettingsNotices()) {
        err_ << "kesto batch: " << MessageToUtf8(notice) << "\n";
    }
    if (options_.language) {
        const int language = languages_.FindLanguage(*options_.language);
        if (language == 0) {
            return BatchUsageError(err_, "--language takes one of " + LanguageNames(languages_));
        }
        languages_.SetCurrentLanguage(language);
    }
    return kGoOn;
}

int BatchJob::StartMainWindow() {
    main_.SetOptions(&optionDlg_);
    main_.FormCreate();
    if (main_.TerminateRequested()) {
        return kFailed;
    }
    view_.TakeMessageCount();  // start-up warnings are shown, not failures
    if (options_.seed) {
        main_.SeedGenerator(*options_.seed);
    }
    return kGoOn;
}

// --plan, --generate or --read: the first page's choice and Next, as in the window.
int BatchJob::ReadBoards() {
    if (options_.plan || options_.planFile) {
        if (const int status = DealToPlan(); status != kGoOn) {
            return status;
        }
    } else if (options_.generate) {
        main_.RadioGroup1Click(DealSource::Generate);
        main_.UpDown1Change(*options_.generate);
        main_.NextBtnClick();
        if (main_.CurrentPage() != Page::Print) {
            return kFailed;  // the secure source failed, and the generating run has said why
        }
    } else if (options_.read) {
        main_.RadioGroup1Click(DealSource::ReadFromFile);
        view_.SetOpenFile(*options_.read);
        main_.NextBtnClick();
        if (main_.CurrentPage() == Page::First) {
            return kFailed;  // the reader has said why
        }
        // Deals to review go through the hand-entry page's Next, as in the window, unless
        // reading has run those checks and said why it stopped; where the window would stop
        // on that page to have cards added, the batch stops.
        if (main_.CurrentPage() == Page::EnterHand && view_.TakeMessageCount() == 0) {
            // That Next says "Nothing to print" when no deal has a card, as for a page where
            // nothing was typed; of a file's deals the batch says which they are.
            if (const std::string withoutCards = NoDealHasCards(main_.boardSet);
                !withoutCards.empty()) {
                return Failure(withoutCards);
            }
            main_.NextBtnClick();
        }
        if (main_.CurrentPage() != Page::Print) {
            return kFailed;  // the hand-entry checks have said why
        }
    }
    view_.TakeMessageCount();
    return kGoOn;
}

// --plan or --plan-file: the plan dialog's OK with the plan, "Deal to a plan" ticked, and Next
// in generate mode. A plan that cannot be read is a usage error.
int BatchJob::DealToPlan() {
    PlanChoice choice{.mix = options_.mix, .fixedSeats = options_.fixedSeats};
    if (options_.planFile) {
        StatusOr<std::string> file = ReadPlanFile(*options_.planFile);
        if (!file.status.Ok()) {
            return Failure(file.status.Reason());
        }
        choice.text = std::move(file.value);
        choice.scriptFolder = DirectoryOf(*options_.planFile);
    } else {
        choice.text = *options_.plan;
    }
    const PlanReading reading = ReadChosenPlan(choice);
    if (reading.error) {
        return BatchUsageError(
            err_, "the plan cannot be read: " + MessageToUtf8(PlanErrorText(*reading.error)));
    }
    const Plan& plan = reading.plan;
    std::optional<int> boards = options_.generate;
    if (plan.DealsEveryBoard() && !boards) {
        if (!plan.HoldsScript()) {
            return BatchUsageError(
                err_, "a plan of one condition without a count needs --generate N for its boards");
        }
        boards = plan.produce.value_or(kScriptBoards);
    }
    if (!plan.DealsEveryBoard() && options_.generate) {
        const int counted = plan.BoardCount(0);
        err_ << "kesto batch: warning: --generate is ignored: the plan's counts give " << counted
             << (counted == 1 ? " board.\n" : " boards.\n");
    }
    main_.PlanDlgOk(choice);
    main_.RadioGroup1Click(DealSource::Generate);
    if (boards) {
        main_.UpDown1Change(*boards);
    }
    main_.NextBtnClick();
    // Anything else has been said: too rare a plan, or the secure source failed.
    return main_.CurrentPage() == Page::Print ? kGoOn : kFailed;
}

int BatchJob::SetHeaders() {
    if (options_.header1) {
        main_.Edit17Change(*options_.header1);
    }
    if (options_.header2) {
        main_.Edit18Change(*options_.header2);
    }
    return kGoOn;
}

int BatchJob::List() {
    if (!options_.list) {
        return kGoOn;
    }
    errno = 0;
    for (std::size_t i = 0; i < main_.boardSet.size(); ++i) {
        out_ << DealRecord(static_cast<int>(i) + 1, main_.boardSet[i]) << "\n";
    }
    return Written("the list of deals");
}

// When any output carries the analysis, the board set is solved before anything is written:
// a solver that fails leaves no output half made.
int BatchJob::SolveFirst() {
    const bool carried = options_.analyse || (optionDlg_.ShowMakeableContracts() &&
                                              (SavesPbn() || options_.html || options_.print));
    return !carried || Analysed() ? kGoOn : kFailed;
}

// --analyse: every complete board's analysis, one line each; incomplete boards have none.
int BatchJob::Analyse() {
    if (!options_.analyse) {
        return kGoOn;
    }
    const auto analyses = analyser_.FindAll(main_.boardSet);
    errno = 0;
    for (std::size_t i = 0; i < analyses.size(); ++i) {
        if (analyses[i]) {
            out_ << AnalysisRecord(static_cast<int>(i) + 1, *analyses[i]) << "\n";
        }
    }
    return Written("the makeable contracts");
}

bool BatchJob::Analysed() {
    if (!analysed_) {
        if (const Status solved = analyser_.Analyse(main_.boardSet); !solved.Ok()) {
            Failure(solved.Reason());
            return false;
        }
        // A notice, not a failure: what is written is the solver's.
        if (const std::string notice = main_.TakeFileAnalysisNotice(analyser_); !notice.empty()) {
            err_ << "kesto batch: " << MessageToUtf8(notice) << "\n";
        }
        analysed_ = true;
    }
    return true;
}

bool BatchJob::OutputAnalysis(const DealAnalyser*& analysis) {
    analysis = nullptr;
    if (!options_.analyse && !optionDlg_.ShowMakeableContracts()) {
        return true;
    }
    if (!Analysed()) {
        return false;
    }
    analysis = &analyser_;
    return true;
}

int BatchJob::Failure(std::string_view message) {
    err_ << "kesto batch: " << MessageToUtf8(message) << "\n";
    return kFailed;
}

int BatchJob::Written(std::string_view what) {
    if (out_.flush()) {
        return kGoOn;
    }
    const int error = errno;
    return Failure("Kesto could not write " + std::string(what) + " to standard output" +
                   (error != 0 ? " (" + std::string(std::strerror(error)) + ")." : "."));
}

int BatchJob::Save() {
    if (!options_.saves.empty() && main_.boardSet.empty()) {
        return Failure(kNoDealsToSave);
    }
    const DealAnalyser* analysis = nullptr;
    if (SavesPbn() && !OutputAnalysis(analysis)) {
        return kFailed;
    }
    for (const std::string& file : options_.saves) {
        view_.SetSaveFile(file);
        main_.SaveBtnClick(analysis);
        // A save that succeeds says nothing; any message is its failure.
        if (view_.TakeMessageCount() > 0) {
            return kFailed;
        }
    }
    return kGoOn;
}

int BatchJob::WriteHtml() {
    if (!options_.html) {
        return kGoOn;
    }
    if (main_.Html() == nullptr) {
        return kFailed;  // start-up has said why
    }
    const DealAnalyser* analysis = nullptr;
    if (!OutputAnalysis(analysis)) {
        return kFailed;
    }
    const Status page =
        WriteHtmlPage(*options_.html, main_.boardSet, main_.HeaderLine1(), main_.HeaderLine2(),
                      options_.stats, HtmlOptionsOf(optionDlg_), *main_.Html(), analysis);
    if (!page.Ok()) {
        return Failure(page.Reason());
    }
    return kGoOn;
}

// --print: the print page's counts from the command line, then the print job without a
// window, never asking, never writing the settings.
int BatchJob::Print() {
    if (!options_.print) {
        return kGoOn;
    }
    if (main_.boardSet.empty()) {
        return Failure(kNoDealsToPrint);
    }
    main_.UpDown3Change(options_.copies);
    main_.UpDown4Change(std::to_string(options_.sets));
    main_.UpDown5Change(options_.statSheets);
    main_.CurtainsClick(options_.curtains);

    WindowlessPrint print;
    print.request = main_.PrintRequest();
    print.library = main_.Printing();
    print.options = [this] { return PrintOptionsOf(optionDlg_); };
    if (services_.printOutput) {
        print.output = [this] { return services_.printOutput(settings_.path); };
    }
    print.chosenPrinter = ReadPrintDestination(settings_).printerName;
    print.outputFolder = options_.outputFolder;
    if (!OutputAnalysis(print.analysis)) {
        return kFailed;
    }
    return PrintWithoutWindow(print, out_, err_) == PrintJobOutcome::Printed ? kGoOn : kFailed;
}

}  // namespace

std::string BatchHelpText() {
    return "Kesto prepares the boards of a duplicate bridge game.\n"
           "\n"
           "  kesto                 start the desktop program\n"
           "  kesto FILE            start it reading the deal file FILE\n"
           "  kesto batch [options] run one job without a window\n"
           "  kesto --version       show the version\n"
           "\n"
           "Batch options:\n" +
           BatchOptionLines() +
           "\n"
           "Batch reads the settings like the window and never writes them.\n"
           "Exit status: 0 done, 1 a failure (message on standard error), 2 a usage error.\n";
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const BatchServices& services) {
    // No failure ends the program unreported: running out of memory (a huge file, a tight
    // limit) or any other error the job did not catch ends it with status 1 and the report.
    try {
        const std::optional<BatchOptions> options = ParseBatchOptions(args, err);
        if (!options) {
            return kBatchUsageError;
        }
        if (options->help) {
            out << BatchHelpText();
            return kGoOn;
        }
        BatchJob job(*options, out, err, services);
        return job.Run();
    } catch (...) {
        err << "kesto batch: " << ErrorReportText(std::current_exception()) << "\n";
        return kFailed;
    }
}

}  // namespace kesto
