#include "kesto/platform/display.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

namespace kesto::test {
namespace {

std::optional<std::string> ReasonWith(const std::map<std::string, std::string>& environment) {
    const Status display = CheckDisplay([&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
    return display.Ok() ? std::nullopt : std::optional(display.Reason());
}

TEST(Display, MissingOrDeadDisplaysAreToldApart) {
    const struct {
        std::map<std::string, std::string> environment;
        std::optional<std::string> reason;
    } cases[] = {
        {{}, "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {{{"DISPLAY", ""}}, "there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"},
        {{{"DISPLAY", ":4711"}}, "the display :4711 is not running"},
        {{{"DISPLAY", "unix:4711.0"}}, "the display unix:4711.0 is not running"},
        {{{"DISPLAY", "club-pc:0"}}, std::nullopt},          // remote: Qt answers for it
        {{{"WAYLAND_DISPLAY", "/dev/null"}}, std::nullopt},  // any file stands in for the socket
        {{{"WAYLAND_DISPLAY", "wayland-9"}, {"DISPLAY", "club-pc:0"}}, std::nullopt},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, std::nullopt},
        {{{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", ":4711"}}, std::nullopt},
        // Qt tries each platform of a list in turn.
        {{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", "club-pc:0"}}, std::nullopt},
        {{{"QT_QPA_PLATFORM", "wayland;xcb"}},
         "there is no Wayland display (WAYLAND_DISPLAY is not set); there is no X display "
         "(DISPLAY is not set)"},
        {{{"QT_QPA_PLATFORM", "linuxfb:fb=/nonexistent/fb9"}},
         "there is no frame buffer (/nonexistent/fb9 does not exist)"},
        {{{"QT_QPA_PLATFORM", "linuxfb:size=800x600:fb=/dev/null"}},
         "/dev/null is no frame buffer"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReasonWith(c.environment), c.reason);
    }
}

}  // namespace
}  // namespace kesto::test
