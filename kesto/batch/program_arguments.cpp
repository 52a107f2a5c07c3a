#include "kesto/batch/program_arguments.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "kesto/batch/batch_options.h"
#include "kesto/platform/program_version.h"

namespace kesto {

namespace {

constexpr std::string_view kProgramUsage =
    "usage: kesto [FILE | --help | --version | batch [options]]; see kesto --help";

ProgramCommand UsageError(std::ostream& err, const std::string& what) {
    err << "kesto: " << what << "\n" << kProgramUsage << "\n";
    return {.kind = ProgramCommand::Kind::UsageError};
}

bool IsExistingFile(const std::string& name) {
    std::error_code error;
    return std::filesystem::is_regular_file(name, error);
}

}  // namespace

ProgramCommand ReadProgramArguments(const std::vector<std::string>& args, std::ostream& err) {
    if (args.empty()) {
        return {};
    }
    const std::string& first = args.front();
    if (first == "batch") {
        return {.kind = ProgramCommand::Kind::Batch, .batchArgs = {args.begin() + 1, args.end()}};
    }
    if ((first == "--help" || first == "-h") && args.size() == 1) {
        return {.kind = ProgramCommand::Kind::Help};
    }
    if (first == "--version" && args.size() == 1) {
        return {.kind = ProgramCommand::Kind::Version};
    }
    // The window's one option, for the screenshots of the manual and the README.
    if (first == "--screenshot-dir" && args.size() == 2 && !args[1].empty()) {
        return {.kind = ProgramCommand::Kind::Window, .screenshotFolder = args[1]};
    }
    // A file the file manager opens in Kesto; a name with a leading dash is an option even
    // when a file has that name.
    const bool isFile = !first.starts_with('-') && IsExistingFile(first);
    if (isFile && args.size() == 1) {
        return {.kind = ProgramCommand::Kind::Window, .dealFile = first};
    }
    if (isFile || first == "--help" || first == "-h" || first == "--version" ||
        first == "--screenshot-dir") {
        return UsageError(err, "unexpected arguments after " + first);
    }
    if (IsBatchOption(first)) {
        return UsageError(
            err, first + " is an option of the batch command: kesto batch " + first + " ...");
    }
    if (!first.starts_with('-')) {
        return UsageError(err, first + " is neither a file nor an option");
    }
    return UsageError(err, "unknown option " + first);
}

std::string ProgramVersionLine() {
    return "kesto " + std::string(kProgramVersion) + "\n";
}

}  // namespace kesto
