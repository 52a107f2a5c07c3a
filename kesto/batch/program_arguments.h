#pragma once
// What the program's own command line asks for: the window (no argument, or the one name of a
// deal file to read in it, as the file manager gives it), a batch job ("batch ..."), the help
// ("--help"), the version ("--version"); anything else is a usage error, so that a mistyped or
// forgotten "batch" never opens the window by surprise.

#include <iosfwd>
#include <string>
#include <vector>

namespace kesto {

struct ProgramCommand {
    enum class Kind { Window, Batch, Help, Version, UsageError };
    Kind kind = Kind::Window;
    std::vector<std::string> batchArgs{};  // Batch: the arguments after "batch"
    std::string screenshotFolder{};        // Window: where --screenshot-dir puts its pictures
    std::string dealFile{};                // Window: the deal file to read once it shows
};

// Reads the arguments after the program's name. A usage error has been written to err (one
// line saying what is wrong, one line of usage hint); its exit status is kBatchUsageError.
ProgramCommand ReadProgramArguments(const std::vector<std::string>& args, std::ostream& err);

// "kesto 3.26\n"
std::string ProgramVersionLine();

}  // namespace kesto
