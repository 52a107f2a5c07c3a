#include "kesto/gui/analysis_wait.h"

#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace kesto::gui {

void ShowAnalysisProgress(QProgressBar& bar, const BackgroundAnalysis::Progress& progress) {
    const int total =
        static_cast<int>(std::min<std::size_t>(progress.total, std::numeric_limits<int>::max()));
    bar.setRange(0, total);  // 0..0: the busy bar
    bar.setValue(static_cast<int>(std::min<std::size_t>(progress.done, progress.total)));
}

bool WaitForAnalysisDialog(QWidget* parent, const BackgroundAnalysis& analysis) {
    QProgressDialog dialog(kAnalysisWaitText, "Cancel", 0, 0, parent);
    dialog.setObjectName("AnalysisWaitDialog");
    dialog.setWindowTitle(kAnalysisWaitTitle);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    auto* bar = new QProgressBar(&dialog);
    dialog.setBar(bar);

    bool finished = false;
    QTimer poll;
    const auto look = [&] {
        const BackgroundAnalysis::Progress progress = analysis.Current();
        if (progress.state != BackgroundAnalysis::State::Running) {
            finished = true;
            dialog.accept();
            return;
        }
        ShowAnalysisProgress(*bar, progress);
    };
    QObject::connect(&poll, &QTimer::timeout, &dialog, look);
    poll.start(kAnalysisPollMs);
    look();
    if (finished) {
        return true;
    }
    dialog.exec();
    poll.stop();
    return finished;
}

}  // namespace kesto::gui
