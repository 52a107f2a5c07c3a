// The makeable contracts in the main window: the analysis of the board set in the background,
// and the wait for it before printing or writing.

#include "kesto/analysis/dds_solver.h"
#include "kesto/options/option_dialog.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/texts.h"

namespace kesto {

bool TKestoMain::ShowMakeableContracts() const {
    return options_ != nullptr && options_->ShowMakeableContracts();
}

void TKestoMain::StartAnalysis() {
    if (!analysis_) {
        analyser_ = solver_ != nullptr ? std::make_unique<DealAnalyser>(*solver_)
                                       : std::make_unique<DealAnalyser>();
        analysis_ = std::make_unique<BackgroundAnalysis>(*analyser_);
    }
    StoreTricksRead(*analyser_);
    analysis_->Start(boardSet);
}

void TKestoMain::StoreTricksRead(DealAnalyser& analyser) {
    for (const auto& [deal, tricks] : tricksRead_) {
        analyser.Store(deal, tricks);
    }
    tricksRead_.clear();
}

const DealAnalyser* TKestoMain::AwaitAnalysis() {
    // Not started yet (the option was ticked on the print page), stopped, failed before, or
    // started on other deals: start it now.
    if (!analysis_ || !analysis_->Covers(boardSet) ||
        analysis_->Current().state == BackgroundAnalysis::State::Failed) {
        StartAnalysis();
    }
    if (!analysis_->Finished() && !view_.WaitForAnalysis(*analysis_)) {
        analysis_->Cancel();
        return nullptr;
    }
    const BackgroundAnalysis::Progress progress = analysis_->Current();
    if (progress.state != BackgroundAnalysis::State::Done) {
        view_.ShowMessage(MessageKind::Error, texts::AnalysisFailedText(progress.status.Reason()));
        return nullptr;
    }
    return &analysis_->Analyser();
}

}  // namespace kesto
