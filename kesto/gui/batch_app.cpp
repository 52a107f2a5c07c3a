#include "kesto/gui/batch_app.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QGuiApplication>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <utility>

#include "kesto/batch/batch.h"
#include "kesto/gui/print_dialogs.h"

namespace kesto::gui {

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
    // The application object only for a job that prints: it costs more than a quick job's
    // dealing, and nothing else of the batch needs Qt.
    std::unique_ptr<QGuiApplication> app;
    BatchServices services;
    services.settingsPath = std::move(settingsPath);
    services.printOutput = [&](const std::string& path) {
        if (!app) {
            app = std::make_unique<QGuiApplication>(argc, argv);
            QGuiApplication::setApplicationName("Kesto");
        }
        return MakePrintOutput(path);
    };
    return RunBatch(args, std::cout, std::cerr, services);
}

}  // namespace kesto::gui
