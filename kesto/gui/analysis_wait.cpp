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

bool RunProgressDialog(QWidget* parent, const char* objectName, const QString& title,
                       const QString& text, const std::function<bool(QProgressDialog&)>& look) {
    QProgressDialog dialog(text, "Cancel", 0, 0, parent);
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);

    bool finished = false;
    QTimer poll;
    const auto update = [&] {
        if (!look(dialog)) {
            finished = true;
            dialog.accept();
        }
    };
    QObject::connect(&poll, &QTimer::timeout, &dialog, update);
    poll.start(kAnalysisPollMs);
    update();
    if (finished) {
        return true;
    }
    dialog.exec();
    poll.stop();
    return finished;
}

bool WaitForAnalysisDialog(QWidget* parent, const BackgroundAnalysis& analysis) {
    QProgressBar* bar = nullptr;
    return RunProgressDialog(parent, "AnalysisWaitDialog", kAnalysisWaitTitle, kAnalysisWaitText,
                             [&](QProgressDialog& dialog) {
                                 if (bar == nullptr) {
                                     bar = new QProgressBar(&dialog);
                                     dialog.setBar(bar);
                                 }
                                 const BackgroundAnalysis::Progress progress = analysis.Current();
                                 if (progress.state != BackgroundAnalysis::State::Running) {
                                     return false;
                                 }
                                 ShowAnalysisProgress(*bar, progress);
                                 return true;
                             });
}

}  // namespace kesto::gui
