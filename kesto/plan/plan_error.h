#pragma once
// Where a plan cannot be read, and what was expected there.

#include <string>

namespace kesto {

struct PlanError {
    int line = 0;      // from 1
    int column = 0;    // in characters from 1; one past the line's last at its end
    std::string what;  // what was expected there, without the full stop
    // The message names the line alone ("Line 4: Kesto does not deal to ..."): what is wrong is
    // the line's as a whole. The column still places the mark in the text.
    bool wholeLine = false;
};

// "Line 2, column 17: a seat (N, E, S, W, dealer, lho, partner, rho) was expected.", or with
// wholeLine "Line 4: Kesto does not deal to "tricks" (double-dummy tricks during dealing)."
std::string PlanErrorText(const PlanError& error);

}  // namespace kesto
