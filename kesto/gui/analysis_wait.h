#pragma once
// The window's wait for the analysis of the makeable contracts: a modal progress dialog that
// follows the background analysis and closes when it finishes, with Cancel.

#include <QWidget>
#include <functional>

class QProgressBar;
class QProgressDialog;

#include "kesto/workflow/background_analysis.h"

namespace kesto::gui {

// The dialog's title and text, and how often it looks at the analysis.
inline constexpr const char* kAnalysisWaitTitle = "Makeable contracts";
inline constexpr const char* kAnalysisWaitText = "Working out the makeable contracts and par...";
inline constexpr int kAnalysisPollMs = 100;

// Shows the dialog (object name "AnalysisWaitDialog") until the analysis is no longer running;
// the window stays responsive meanwhile. False when the user pressed Cancel (or closed it).
bool WaitForAnalysisDialog(QWidget* parent, const BackgroundAnalysis& analysis);

// A modal progress dialog with Cancel (object name and title given) that asks look every
// kAnalysisPollMs, and at once, whether the work still runs; look updates the dialog meanwhile.
// It closes when the work has ended. False when the user pressed Cancel (or closed it).
bool RunProgressDialog(QWidget* parent, const char* objectName, const QString& title,
                       const QString& text, const std::function<bool(QProgressDialog&)>& look);

// The bar's range and value for a progress: a busy bar until the total is known.
void ShowAnalysisProgress(QProgressBar& bar, const BackgroundAnalysis::Progress& progress);

}  // namespace kesto::gui
