#pragma once
// The plan dialog of the first page ("Pl&an..."), and the wait while Next deals to the plan.

#include <QString>
#include <QWidget>
#include <optional>

#include "kesto/workflow/background_plan_dealing.h"
#include "kesto/workflow/plan_choice.h"

namespace kesto::gui {

// How long after the last key the odds of the plan's lines are worked out again, and how
// long each step of their sample may keep the window busy.
inline constexpr int kPlanOddsDelayMs = 300;
inline constexpr int kPlanOddsStepMs = 30;

// The plan (object name "PlanEdit"; while empty it shows a worked plan), what the reader says
// of it as it is typed ("PlanError": the place it cannot be read, which the text marks with a
// wavy underline, or how many boards it deals for dealsAsked), how often a random deal meets
// each line ("PlanOdds", more exact as its sample grows for a few seconds), "Mix the &themes"
// ("MixCheckBox"), "Keep the script's seats as written" ("FixedSeatsCheckBox", enabled while
// the plan holds a dealer script), OK ("OkBtn", enabled only while the plan can be read),
// Cancel ("CancelBtn") and Help ("HelpBtn": the manual's "Dealing to a plan"). Ctrl+Enter
// presses OK; while the plan cannot be read it moves the cursor to the marked place instead,
// where the dialog also opens. Script files are read from current's folder. Nullopt after
// Cancel; otherwise the plan's text and boxes, ticked.
std::optional<PlanChoice> RunPlanDialog(QWidget* parent, const PlanChoice& current, int dealsAsked);

// The documentation's picture of the dialog on a plan it cannot read, the place marked; false
// when the picture could not be saved.
bool SavePlanDialogScreenshot(QWidget* parent, const QString& path);

// Shows a progress dialog (object name "PlanDealingDialog") with Cancel until the dealing has
// ended; none for a plan dealt at once. False when the user pressed Cancel (or closed it).
bool WaitForPlanDealingDialog(QWidget* parent, const BackgroundPlanDealing& dealing);

}  // namespace kesto::gui
