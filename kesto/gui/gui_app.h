#pragma once
// Starts the desktop program: the Qt application, the settings and language table, the main
// window and the message loop.

#include <string>

namespace kesto::gui {

// Every part of the program works on the settings file at settingsPath. With a
// screenshotFolder ("kesto --screenshot-dir DIR", not in the help) it saves pictures of the
// three pages there and ends. With a dealFile ("kesto FILE") the shown window reads it as
// "Read deals fro&m file" does.
int RunGui(int argc, char** argv, const std::string& settingsPath,
           const std::string& screenshotFolder = {}, const std::string& dealFile = {});

}  // namespace kesto::gui
