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
    analysis_->Start(boardSet);
}

std::string TKestoMain::TakeFileAnalysisNotice(const DealAnalyser& analyser) {
    std::vector<int> differing;
    for (std::size_t i = 0; i < tricksRead_.size() && i < boardSet.size(); ++i) {
        const auto& [deal, tricks] = tricksRead_[i];
        const int boardNumber = static_cast<int>(i) + 1;
        const auto analysis = boardSet[i] == deal ? analyser.Find(deal, boardNumber) : nullptr;
        if (analysis == nullptr) {
            continue;
        }
        bool differs = false;
        for (std::size_t seat = 0; seat < tricks.size(); ++seat) {
            for (std::size_t strain = 0; strain < tricks[seat].size(); ++strain) {
                const int given = tricks[seat][strain];
                differs = differs || (given >= 0 && given != analysis->tricks[seat][strain]);
            }
        }
        if (differs) {
            differing.push_back(boardNumber);
        }
    }
    tricksRead_.clear();
    return differing.empty() ? "" : texts::FileAnalysisDiffersText(differing);
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
    if (const std::string notice = TakeFileAnalysisNotice(analysis_->Analyser()); !notice.empty()) {
        view_.ShowMessage(MessageKind::Information, notice);
    }
    return &analysis_->Analyser();
}

}  // namespace kesto
