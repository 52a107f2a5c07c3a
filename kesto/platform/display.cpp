#include "kesto/platform/display.h"

#include <filesystem>
#include <string_view>

namespace kesto {

namespace {

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

// The display number of a local X display (":0", ":1.0", "unix:2"), or "" for any other form.
std::string LocalDisplayNumber(std::string_view display) {
    if (display.starts_with("unix:")) {
        display.remove_prefix(4);
    }
    if (!display.starts_with(':')) {
        return {};
    }
    display.remove_prefix(1);
    const std::size_t end = display.find_first_not_of("0123456789");
    return std::string(display.substr(0, end));
}

}  // namespace

std::optional<std::string> MissingDisplayReason(const EnvironmentLookup& getenv) {
    if (IsSet(getenv("QT_QPA_PLATFORM")) || IsSet(getenv("WAYLAND_DISPLAY"))) {
        return std::nullopt;
    }
    const char* display = getenv("DISPLAY");
    if (!IsSet(display)) {
        return "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    }
    const std::string number = LocalDisplayNumber(display);
    if (number.empty()) {
        return std::nullopt;  // a remote display: Qt will say whether it answers
    }
    std::error_code error;
    if (!std::filesystem::exists("/tmp/.X11-unix/X" + number, error)) {
        return "the display " + std::string(display) + " is not running";
    }
    return std::nullopt;
}

}  // namespace kesto
