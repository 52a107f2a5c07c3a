// The program entry: "kesto batch ..." runs one job without a window; anything else starts
// the desktop program. Both start their Qt application in kesto/gui.

#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "kesto/batch/batch.h"
#include "kesto/gui/batch_app.h"
#include "kesto/gui/gui_app.h"
#include "kesto/options/settings_store.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kesto::BatchHelpText();
        return 0;
    }
    if (!args.empty() && args[0] == "batch") {
        args.erase(args.begin());
        return kesto::gui::RunBatchWithQt(argc, argv, std::move(args), kesto::SettingsFilePath());
    }
    return kesto::gui::RunGui(argc, argv, kesto::SettingsFilePath());
}
