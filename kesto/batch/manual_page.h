#pragma once
// The manual page, kesto.1, in the man(7) macros: the synopsis, every batch option from the
// one option table, the exit statuses, the settings file, the environment and examples. It is
// made when the program is built, so it says what `kesto batch --help` says.

#include <string>

namespace kesto {

// dataFolder: where the installed program keeps its manual and images (/usr/share/kesto).
std::string ManualPageText(const std::string& dataFolder);

}  // namespace kesto
