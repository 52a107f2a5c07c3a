#pragma once
// What the program's own command line asks for: the window (no argument), a batch job
// ("batch ..."), the help ("--help"); anything else is a usage error, so that a mistyped or
// forgotten "batch" never opens the window by surprise.

#include <iosfwd>
#include <string>
#include <vector>

namespace kesto {

struct ProgramCommand {
    enum class Kind { Window, Batch, Help, UsageError };
    Kind kind = Kind::Window;
    std::vector<std::string> batchArgs;  // Batch: the arguments after "batch"
    std::string screenshotFolder;        // Window: where --screenshot-dir puts its pictures
};

// Reads the arguments after the program's name. A usage error has been written to err (one
// line saying what is wrong, one line of usage hint); its exit status is kBatchUsageError.
ProgramCommand ReadProgramArguments(const std::vector<std::string>& args, std::ostream& err);

}  // namespace kesto
