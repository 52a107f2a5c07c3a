#pragma once
// Starts the desktop program: the Qt application, the main window, the message loop.

namespace kesto::gui {

int RunGui(int argc, char** argv);

}  // namespace kesto::gui
