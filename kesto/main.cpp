// The program entry: "kesto batch ..." runs one job without a window, "kesto --help" describes
// both, no argument starts the desktop program and "kesto FILE" starts it reading that deal
// file; anything else is a usage error. Both Qt start-ups live in kesto/gui.

#include <cstdlib>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "kesto/batch/batch.h"
#include "kesto/batch/batch_options.h"
#include "kesto/batch/program_arguments.h"
#include "kesto/gui/batch_app.h"
#include "kesto/gui/gui_app.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/display.h"

int main(int argc, char** argv) {
    kesto::ProgramCommand command = kesto::ReadProgramArguments({argv + 1, argv + argc}, std::cerr);
    switch (command.kind) {
        case kesto::ProgramCommand::Kind::UsageError:
            return kesto::kBatchUsageError;
        case kesto::ProgramCommand::Kind::Help:
            std::cout << kesto::BatchHelpText();
            return 0;
        case kesto::ProgramCommand::Kind::Version:
            std::cout << kesto::ProgramVersionLine();
            return 0;
        case kesto::ProgramCommand::Kind::Batch:
            return kesto::gui::RunBatchWithQt(argc, argv, std::move(command.batchArgs),
                                              kesto::SettingsFilePath());
        case kesto::ProgramCommand::Kind::Window:
            break;
    }
    if (const kesto::Status display = kesto::CheckDisplay(std::getenv); !display.Ok()) {
        std::cerr << kesto::NoWindowLine(display.Reason()) << "\n";
        return 1;
    }
    return kesto::gui::RunGui(argc, argv, kesto::SettingsFilePath(), command.screenshotFolder,
                              command.dealFile);
}
