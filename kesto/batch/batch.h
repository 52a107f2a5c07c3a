#pragma once
// The batch command: one job without a window, for scripts and end-to-end tests. It drives
// the same core as the window and never writes the settings.

#include <iosfwd>
#include <string>
#include <vector>

namespace kesto {

// Exit status: 0 done; 1 a failure (its message on err); 2 a usage error (a one-line hint).
int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string BatchHelpText();

}  // namespace kesto
