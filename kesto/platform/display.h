#pragma once
// Whether the window can be shown here. Without a display Qt ends the program at once (status
// 134, with a page about its platform plugin), so the program asks first and says so in words
// a director understands; what it cannot foresee, Qt's failed start, it words the same way.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/platform/status.h"

namespace kesto {

// Reads one environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// Ok when a display seems to be there: an X display that is remote or whose local socket
// exists, a Wayland display whose socket exists, or a frame buffer device; otherwise fails with
// why no window can be opened. The platforms chosen in QT_QPA_PLATFORM ("wayland;xcb": Qt tries
// them in turn) are judged when they are X ("xcb"), Wayland or the frame buffer ("linuxfb"), and
// one that may start is enough.
Status CheckDisplay(const EnvironmentLookup& getenv);

// Why Qt could not start its window system, from what it said while it tried (its platform
// messages and its last, fatal one): one clause, such as "the display localhost:55.0 does not
// answer".
std::string QtStartFailureReason(const std::vector<std::string>& messages);

// The one line on standard error when the window cannot be opened for that reason.
std::string NoWindowLine(std::string_view reason);

}  // namespace kesto
