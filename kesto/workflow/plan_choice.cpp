#include "kesto/workflow/plan_choice.h"

#include "kesto/plan/plan_file.h"

namespace kesto {

PlanReading ReadChosenPlan(const PlanChoice& choice) {
    return ReadPlan(choice.text,
                    {.seats = choice.fixedSeats ? ScriptSeats::AsWritten : ScriptSeats::Turned,
                     .readScript = ScriptFilesIn(choice.scriptFolder)});
}

}  // namespace kesto
