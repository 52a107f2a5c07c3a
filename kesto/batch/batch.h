#pragma once
// The batch command: one job without a window, for scripts and end-to-end tests. It drives
// the same core as the window and never writes the settings.

#include <iosfwd>
#include <string>
#include <vector>

#include "kesto/print/print_destination.h"

namespace kesto {

// What the program hands the batch from outside the core.
struct BatchServices {
    // The settings file (SettingsFilePath() in the program); read, never written.
    std::string settingsPath;
    // Where the statistics sheets of --print go (the program's printer canvas). Without it a
    // job that asks for statistics sheets fails with a message.
    PrintOutputFactory printOutput;
};

// Exit status: 0 done; 1 a failure (its message on err; also for running out of memory and
// any other error no step caught); 2 a usage error (a one-line hint).
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const BatchServices& services = {});

std::string BatchHelpText();

}  // namespace kesto
