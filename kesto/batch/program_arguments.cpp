#include "kesto/batch/program_arguments.h"

#include <ostream>

#include "kesto/batch/batch_options.h"

namespace kesto {

namespace {

constexpr std::string_view kProgramUsage =
    "usage: kesto [--help | batch [options]]; see kesto --help";

ProgramCommand UsageError(std::ostream& err, const std::string& what) {
    err << "kesto: " << what << "\n" << kProgramUsage << "\n";
    return {ProgramCommand::Kind::UsageError, {}, {}};
}

}  // namespace

ProgramCommand ReadProgramArguments(const std::vector<std::string>& args, std::ostream& err) {
    if (args.empty()) {
        return {};
    }
    const std::string& first = args.front();
    if (first == "batch") {
        return {ProgramCommand::Kind::Batch, {args.begin() + 1, args.end()}, {}};
    }
    if ((first == "--help" || first == "-h") && args.size() == 1) {
        return {ProgramCommand::Kind::Help, {}, {}};
    }
    // The window's one option, for the screenshots of the manual and the README.
    if (first == "--screenshot-dir" && args.size() == 2 && !args[1].empty()) {
        return {ProgramCommand::Kind::Window, {}, args[1]};
    }
    if (first == "--help" || first == "-h" || first == "--screenshot-dir") {
        return UsageError(err, "unexpected arguments after " + first);
    }
    if (IsBatchOption(first)) {
        return UsageError(
            err, first + " is an option of the batch command: kesto batch " + first + " ...");
    }
    return UsageError(err, "unknown option " + first);
}

}  // namespace kesto
