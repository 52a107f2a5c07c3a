#include "kesto/print/print_job.h"

#include <exception>
#include <new>

#include "kesto/deal/deal_notation.h"
#include "kesto/options/settings_store.h"
#include "kesto/print/curtain_cards.h"
#include "kesto/print/print_arguments.h"
#include "kesto/stats/statistics.h"
#include "kesto/stats/statistics_sheet.h"
#include "kestprt3/kestprt3.h"

namespace kesto {

namespace {

// Empties the library's list when the job ends, however it ends.
class ClearDealsOnExit {
  public:
    explicit ClearDealsOnExit(const PrintingLibrary& library) : library_(library) {}
    ~ClearDealsOnExit() { library_.ClearDeals(); }
    ClearDealsOnExit(const ClearDealsOnExit&) = delete;
    ClearDealsOnExit& operator=(const ClearDealsOnExit&) = delete;

  private:
    const PrintingLibrary& library_;
};

std::string PrintoutName(std::int32_t kind) {
    switch (kind) {
        case kPrintIndividualSheets:
            return "the individual deal sheets";
        case kPrintCopy:
            return "the copy with all hands";
        default:
            return "the curtain cards";
    }
}

void RememberCounts(const PrintJobRequest& request, const std::string& settingsPath) {
    SettingsStore store(settingsPath);
    store.Write(kNumCopies, request.copies);
    if (request.mode == DealSource::Generate) {
        store.Write(kNumHands, request.randomDealCount);
    }
    store.Write(kNumIndividualSets, request.sets);
    store.Write(kNumStatSheets, request.statSheets);
    store.Write(kCurtains, request.curtains);
}

class Job {
  public:
    Job(const PrintJobRequest& request, const PrintJobServices& services)
        : request_(request), services_(services), library_(*services.library) {}

    // Steps 5 to 11, with the analysis when one is given. False when a printout or a sheet
    // failed (the user has been told).
    bool Run(const DealAnalyser* analysis) {
        const PrintTexts texts{request_.header1, request_.header2,
                               FooterLine(request_.mode, request_.dealsComplete)};
        const std::vector<std::size_t> positions =
            PrintedPositions(*request_.boardSet, request_.printEmptyDeals);
        const auto analyses = analysis != nullptr
                                  ? analysis->FindAll(*request_.boardSet)
                                  : std::vector<std::shared_ptr<const DealAnalysis>>{};
        {
            // A job that failed before leaves nothing behind for this one.
            library_.ClearDeals();
            ClearDealsOnExit clear(library_);
            for (const std::size_t position : positions) {
                const int boardNumber = static_cast<int>(position) + 1;
                const tDeal& deal = (*request_.boardSet)[position];
                std::string record = DealRecord(boardNumber, deal);
                if (!analyses.empty() && analyses[position] != nullptr) {
                    record += "|" + AnalysisTags(*analyses[position]);
                }
                library_.AddDeal(record);
            }
            if (analysis != nullptr) {
                library_.SetAnalysisWords(Options().analysisWords);
            }
            for (int set = 0; set < request_.sets; ++set) {
                if (!Print(HandRecordArguments(kPrintIndividualSheets, texts, Options()))) {
                    return false;
                }
            }
            for (int copy = 0; copy < request_.copies; ++copy) {
                if (!Print(HandRecordArguments(kPrintCopy, texts, Options()))) {
                    return false;
                }
            }
            if (request_.curtains) {
                for (const std::int32_t kind : CurtainCardKinds(Options().curtainCollation)) {
                    if (!Print(CurtainCardArguments(kind, texts, Options()))) {
                        return false;
                    }
                }
            }
        }
        if (request_.statSheets > 0) {
            return PrintStatisticsSheets(positions);
        }
        return true;
    }

    bool PrintedAnything() const { return printedAnything_; }

  private:
    PrintOptions Options() const { return services_.options(); }

    bool Print(const PrintCustomArguments& arguments) {
        const std::int32_t status = library_.PrintCustom(arguments);
        if (status != kKestPrt3Ok) {
            Fail("Printing stopped: " + PrintoutName(arguments.kind) + " could not be printed. " +
                 PrintStatusText(status));
            return false;
        }
        printedAnything_ = true;
        return true;
    }

    bool PrintStatisticsSheets(const std::vector<std::size_t>& positions) {
        // The statistics count the boards that were printed.
        tBoardSet printedDeals;
        printedDeals.reserve(positions.size());
        for (const std::size_t position : positions) {
            printedDeals.push_back((*request_.boardSet)[position]);
        }
        const tStatistics statistics = ComputeStatistics(printedDeals);

        PrinterCanvas* canvas = services_.statisticsCanvas ? services_.statisticsCanvas() : nullptr;
        if (canvas == nullptr) {
            Fail(
                "Printing stopped: the statistics sheet could not be printed, because no "
                "printer or PDF file could be prepared for it.");
            return false;
        }
        for (int sheet = 0; sheet < request_.statSheets; ++sheet) {
            const Status result =
                PrintStatisticsSheet(*canvas, statistics, request_.header1, request_.header2);
            if (!result.Ok()) {
                Fail("Printing stopped: the statistics sheet could not be printed. " +
                     result.Reason());
                return false;
            }
            printedAnything_ = true;
        }
        return true;
    }

    void Fail(const std::string& text) const {
        services_.view->ShowMessage(MessageKind::Error, text);
    }

    const PrintJobRequest& request_;
    const PrintJobServices& services_;
    const PrintingLibrary& library_;
    bool printedAnything_ = false;
};

}  // namespace

std::string PrintStatusText(std::int32_t status) {
    switch (status) {
        case kKestPrt3UnknownKind:
            return "The printing library does not know this kind of printout.";
        case kKestPrt3BadCardSize:
            return "The curtain cards do not fit on the page.";
        case kKestPrt3NoOutputFolder:
            return "The folder for the PDF files is missing and could not be created. Choose "
                   "another folder in File, Printer setup.";
        case kKestPrt3CannotOpen:
            return "The printer or the PDF file could not be opened. Check the choice in File, "
                   "Printer setup.";
        case kKestPrt3PrintFailed:
            return "A page could not be printed or the print job could not be finished.";
        case kKestPrt3NoGuiApplication:
            return "The printing library could not draw its text.";
        case kKestPrt3InternalError:
            return "The printing library ran out of memory or met an unexpected failure.";
        default:
            return "The printing library reported error " + std::to_string(status) + ".";
    }
}

std::vector<std::size_t> PrintedPositions(const tBoardSet& boardSet, bool printEmptyDeals) {
    std::vector<std::size_t> positions;
    positions.reserve(boardSet.size());
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        if (printEmptyDeals || boardSet[i].CardCount() > 0) {
            positions.push_back(i);
        }
    }
    return positions;
}

PrintJobOutcome PrintBtnClick(const PrintJobRequest& givenRequest, PrintJobState& state,
                              const PrintJobServices& services) {
    static const tBoardSet noBoards;
    PrintJobRequest request = givenRequest;
    if (request.boardSet == nullptr) {
        request.boardSet = &noBoards;
    }
    PrintJobView& view = *services.view;
    // 1. The statistic sheets play no part here: a job of sheets alone ends too.
    if (request.copies == 0 && request.sets == 0 && !request.curtains) {
        view.ShowMessage(MessageKind::Warning, std::string(kNothingToPrintMessage));
        view.FocusCopiesField();
        return PrintJobOutcome::NothingToPrint;
    }
    // 2.
    if (request.sets > 1 && !state.suppressSetWarning) {
        const MultipleSetAnswer answer = view.TMultipleSetWarningDlg();
        state.suppressSetWarning = answer.dontShowAgain;
        if (!answer.ok) {
            view.FocusCopiesField();
            return PrintJobOutcome::Cancelled;
        }
    }
    // Hand records and deal sheets wait for the analysis; curtain cards never show it.
    const DealAnalyser* analysis = nullptr;
    if (services.awaitAnalysis && (request.copies > 0 || request.sets > 0)) {
        analysis = services.awaitAnalysis();
        if (analysis == nullptr) {
            view.FocusCopiesField();
            return PrintJobOutcome::Cancelled;
        }
    }
    // 3, 4.
    state.printed = true;
    try {
        if (services.rememberCounts) {
            RememberCounts(request, services.settingsPath);
        }
        Job job(request, services);
        const bool ok = job.Run(analysis);
        if (job.PrintedAnything() && !services.pdfFolder.empty()) {
            view.PrintoutsSavedIn(services.pdfFolder);
        }
        return ok ? PrintJobOutcome::Printed : PrintJobOutcome::Failed;
    } catch (const std::bad_alloc&) {
        view.ShowMessage(MessageKind::Error, "Printing stopped: there is not enough memory.");
    } catch (const std::exception& error) {
        view.ShowMessage(MessageKind::Error, std::string("Printing stopped: ") + error.what());
    }
    return PrintJobOutcome::Failed;
}

}  // namespace kesto
