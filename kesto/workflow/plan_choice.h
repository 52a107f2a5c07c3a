#pragma once
// The first page's plan: what the plan dialog keeps, and whether Next deals to it.

#include <string>

#include "kesto/plan/plan_reader.h"

namespace kesto {

struct PlanChoice {
    std::string text{};       // Windows-1252, lines separated by '\n'
    bool mix = false;         // "Mix the &themes"
    bool ticked = false;      // "Deal to a p&lan"
    bool fixedSeats = false;  // "Keep the script's seats as written"
    // Where the files of "script FILE" lines are read: the plan file's folder (the batch's
    // --plan-file), or "" for the current folder.
    std::string scriptFolder{};
};

// The plan as chosen: its dealer scripts' seats turned or as written, the files of its script
// lines read from the choice's folder.
PlanReading ReadChosenPlan(const PlanChoice& choice);

}  // namespace kesto
