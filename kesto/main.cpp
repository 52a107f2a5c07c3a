// The program entry: "kesto batch ..." runs one job without a window; anything else starts
// the desktop program.

#include <sys/stat.h>
#include <unistd.h>
#include <QGuiApplication>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "kesto/batch/batch.h"
#include "kesto/gui/gui_app.h"
#include "kesto/gui/print_dialogs.h"
#include "kesto/options/settings_store.h"

namespace {

// Batch needs Qt only for the fonts and the printer of its printouts; it runs on the
// offscreen platform, so it works on a machine with no display.
int RunBatchWithQt(int argc, char** argv, std::vector<std::string> args, std::string settingsPath) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        // Qt wants a private runtime folder and complains on every run without one.
        const std::string folder = "/tmp/kesto-runtime-" + std::to_string(::getuid());
        struct stat info {};
        if ((::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) &&
            ::stat(folder.c_str(), &info) == 0 && info.st_uid == ::getuid()) {
            ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
        }
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName("Kesto");
    kesto::BatchServices services;
    services.settingsPath = std::move(settingsPath);
    services.printOutput = kesto::gui::MakePrintOutput;
    return kesto::RunBatch(args, std::cout, std::cerr, services);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kesto::BatchHelpText();
        return 0;
    }
    if (!args.empty() && args[0] == "batch") {
        args.erase(args.begin());
        return RunBatchWithQt(argc, argv, std::move(args), kesto::SettingsFilePath());
    }
    return kesto::gui::RunGui(argc, argv, kesto::SettingsFilePath());
}
