#pragma once
// Whether the window can be shown here. Without a display Qt ends the program at once (status
// 134, with a message about its platform plugin), so the program asks first and says so in
// words a director understands.

#include <functional>
#include <optional>
#include <string>

namespace kesto {

// Reads one environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// Why no window can be opened, or nullopt when a display seems to be there: QT_QPA_PLATFORM
// chosen by the user, a Wayland display, or an X display that is remote or whose local socket
// exists.
std::optional<std::string> MissingDisplayReason(const EnvironmentLookup& getenv);

}  // namespace kesto
