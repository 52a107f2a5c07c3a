#pragma once
// The manual page, kesto.1, in the man(7) macros: the synopsis, every batch option from the
// one option table, the exit statuses, the settings file, the environment and examples. It is
// made when the program is installed, so it says what `kesto batch --help` says and names the
// folders of that install.

#include <string>

namespace kesto {

// prefix: the folder Kesto is installed under (/usr), so that the page names the folders the
// install really made: prefix/share/kesto for the manual and images, prefix/lib/kesto for the
// two libraries.
std::string ManualPageText(const std::string& prefix);

}  // namespace kesto
