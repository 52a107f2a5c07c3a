#pragma once
// The plan dialog of the first page ("Pl&an..."), and the wait while Next deals to the plan.

#include <QWidget>
#include <optional>
#include <string>

#include "kesto/workflow/background_plan_dealing.h"

namespace kesto::gui {

struct PlanChoice {
    std::string plan;  // Windows-1252, lines separated by '\n'
    bool mix = false;
};

// How long after the last key the odds of the plan's lines are worked out again.
inline constexpr int kPlanOddsDelayMs = 300;

// The plan (object name "PlanEdit"), what the reader says of it as it is typed ("PlanError":
// the place it cannot be read, or how many boards it deals for dealsAsked), how often a
// random deal meets each line ("PlanOdds"), "Mix the &themes" ("MixCheckBox"), OK ("OkBtn",
// enabled only while the plan can be read) and Cancel ("CancelBtn"). Nullopt after Cancel.
std::optional<PlanChoice> RunPlanDialog(QWidget* parent, const PlanChoice& current, int dealsAsked);

// Shows a progress dialog (object name "PlanDealingDialog") with Cancel until the dealing has
// ended; none for a plan dealt at once. False when the user pressed Cancel (or closed it).
bool WaitForPlanDealingDialog(QWidget* parent, const BackgroundPlanDealing& dealing);

}  // namespace kesto::gui
