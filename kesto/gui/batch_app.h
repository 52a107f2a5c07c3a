#pragma once
// Runs "kesto batch ...": the batch command needs Qt only for the fonts and the printer of its
// printouts, so a job that prints makes a Qt application on the offscreen platform (and works on
// a machine with no display); any other job makes none.

#include <string>
#include <vector>

namespace kesto::gui {

// argc and argv are the program's own, for the Qt application; args are the batch command's
// arguments (after "batch"); settingsPath is the settings file the batch reads. Returns the
// batch command's exit status.
int RunBatchWithQt(int argc, char** argv, std::vector<std::string> args, std::string settingsPath);

}  // namespace kesto::gui
