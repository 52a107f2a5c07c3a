#include "kesto/batch/program_arguments.h"
#include "kesto/platform/display.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace kesto::test {
namespace {

using Kind = ProgramCommand::Kind;

TEST(ProgramArguments, OnlyBatchHelpVersionAFileOrNothingAreTaken) {
    const std::string file = KESTO_TEST_DATA "/pbn/y_comments.pbn";
    const struct {
        std::vector<std::string> args;
        Kind kind;
        std::string firstLine;  // of the usage error
    } cases[] = {
        {{}, Kind::Window, ""},
        {{"--screenshot-dir", "shots"}, Kind::Window, ""},
        {{"--help"}, Kind::Help, ""},
        {{"-h"}, Kind::Help, ""},
        {{"batch"}, Kind::Batch, ""},
        {{"batch", "--bogus"}, Kind::Batch, ""},  // the batch command judges its own options
        {{"--bogus"}, Kind::UsageError, "kesto: unknown option --bogus"},
        {{"--version"}, Kind::Version, ""},
        {{file}, Kind::Window, ""},
        {{"bogus"}, Kind::UsageError, "kesto: bogus is neither a file nor an option"},
        {{KESTO_TEST_DATA},
         Kind::UsageError,
         "kesto: " KESTO_TEST_DATA " is neither a file nor an option"},
        {{file, file}, Kind::UsageError, "kesto: unexpected arguments after " + file},
        {{"--generate", "5"},
         Kind::UsageError,
         "kesto: --generate is an option of the batch command: kesto batch --generate ..."},
        {{"--help", "batch"}, Kind::UsageError, "kesto: unexpected arguments after --help"},
        {{"--screenshot-dir"},
         Kind::UsageError,
         "kesto: unexpected arguments after --screenshot-dir"},
        {{"Batch"}, Kind::UsageError, "kesto: Batch is neither a file nor an option"},
    };
    for (const auto& c : cases) {
        std::ostringstream err;
        const ProgramCommand command = ReadProgramArguments(c.args, err);
        const std::string label = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(command.kind, c.kind) << label;
        if (c.kind == Kind::UsageError) {
            EXPECT_EQ(err.str(), c.firstLine +
                                     "\nusage: kesto [FILE | --help | --version | batch "
                                     "[options]]; see kesto --help\n")
                << label;
        } else {
            EXPECT_EQ(err.str(), "") << label;
        }
    }
    std::ostringstream err;
    EXPECT_EQ(ReadProgramArguments({"batch", "--list", "x"}, err).batchArgs,
              (std::vector<std::string>{"--list", "x"}));
    EXPECT_EQ(ReadProgramArguments({"--screenshot-dir", "shots"}, err).screenshotFolder, "shots");
    EXPECT_EQ(ReadProgramArguments({file}, err).dealFile, file);
}

// The built program, run as a user would: exit status and standard error.
struct ProgramRun {
    int status;
    std::string err;
};
ProgramRun RunKesto(const std::string& environment, const std::string& args) {
    // A clean environment, but for the sanitizers' options when the suite runs under them.
    std::string kept;
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"}) {
        if (const char* value = std::getenv(name)) {
            kept += std::string(name) + "='" + value + "' ";
        }
    }
    const std::string command = "env -i PATH=/usr/bin:/bin " + kept + environment +
                                " " KESTO_BIN_DIR "/kesto " + args + " 2>&1 >/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string err;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        err += buffer;
    }
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), err};
}

TEST(ProgramArguments, TheProgramRefusesStrayArgumentsAndAMissingDisplayInWords) {
    const ProgramRun bogus = RunKesto("", "--bogus");
    EXPECT_EQ(bogus.status, 2);
    EXPECT_EQ(bogus.err.substr(0, bogus.err.find('\n')), "kesto: unknown option --bogus");

    const ProgramRun forgotten = RunKesto("", "--generate 5");
    EXPECT_EQ(forgotten.status, 2);

    // No display to open the window on, foreseen or found by Qt: one line that says why and
    // status 1, never Qt's abort.
    const struct {
        const char* environment;
        const char* reason;
    } cases[] = {
        {"", "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {"DISPLAY=:4711", "the display :4711 is not running"},
        {"DISPLAY=localhost:55.0", "the display localhost:55.0 does not answer"},
        {"WAYLAND_DISPLAY=wayland-9", "the Wayland display wayland-9 is not running"},
        {"QT_QPA_PLATFORM=xcb", "there is no X display (DISPLAY is not set)"},
        {"QT_QPA_PLATFORM=xcb DISPLAY=localhost:55.0",
         "the display localhost:55.0 does not answer"},
        {"QT_QPA_PLATFORM=xbc", "Qt has no platform \"xbc\""},  // a typing error
        // Qt's frame buffer platform without a frame buffer ends in a crash.
        {"QT_QPA_PLATFORM=linuxfb:fb=/dev/null", "/dev/null is no frame buffer"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunKesto(c.environment, "");
        EXPECT_EQ(run.status, 1) << c.environment;
        EXPECT_EQ(run.err, NoWindowLine(c.reason) + "\n") << c.environment;
    }
}

}  // namespace
}  // namespace kesto::test
