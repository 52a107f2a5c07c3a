#pragma once
// The first page's plan: what the plan dialog keeps, and whether Next deals to it.

#include <string>

namespace kesto {

struct PlanChoice {
    std::string text;     // Windows-1252, lines separated by '\n'
    bool mix = false;     // "Mix the &themes"
    bool ticked = false;  // "Deal to a p&lan"
};

}  // namespace kesto
