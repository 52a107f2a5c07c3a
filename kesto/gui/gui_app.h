#pragma once
// Starts the desktop program: the Qt application, the settings and language table, the main
// window and the message loop.

namespace kesto::gui {

// Also understands "--screenshot-dir DIR" (not in the help): saves pictures of the three
// pages there and ends.
int RunGui(int argc, char** argv);

}  // namespace kesto::gui
