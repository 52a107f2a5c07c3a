#include "kesto/platform/display.h"

#include <fcntl.h>
#include <linux/fb.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace kesto {

namespace {

constexpr const char* kNoXDisplay = "there is no X display (DISPLAY is not set)";

bool IsSet(const char* value) {
    return value != nullptr && *value != '\0';
}

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
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

// Fails with why the X display named in DISPLAY cannot be used; Ok when it may be.
Status XDisplayStatus(const char* display) {
    if (!IsSet(display)) {
        return Status::Failure(kNoXDisplay);
    }
    const std::string number = LocalDisplayNumber(display);
    if (number.empty()) {
        return {};  // a remote display: Qt will say whether it answers
    }
    if (!Exists("/tmp/.X11-unix/X" + number)) {
        return Status::Failure("the display " + std::string(display) + " is not running");
    }
    return {};
}

// The same for the Wayland display in WAYLAND_DISPLAY: a socket name in XDG_RUNTIME_DIR, or a
// full path.
Status WaylandDisplayStatus(const EnvironmentLookup& getenv) {
    const char* display = getenv("WAYLAND_DISPLAY");
    if (!IsSet(display)) {
        return Status::Failure("there is no Wayland display (WAYLAND_DISPLAY is not set)");
    }
    const std::filesystem::path socket(display);
    const char* runtime = getenv("XDG_RUNTIME_DIR");
    if (socket.is_absolute() ? Exists(socket) : IsSet(runtime) && Exists(runtime / socket)) {
        return {};
    }
    return Status::Failure("the Wayland display " + std::string(display) + " is not running");
}

// The same for the frame buffer the linuxfb platform draws on: the device its options name
// ("fb=/dev/fb1"), else the first of the two it looks for. Without one, Qt crashes.
Status FrameBufferStatus(std::string_view options, const EnvironmentLookup& getenv) {
    if (IsSet(getenv("QT_QPA_FB_DRM"))) {
        return {};  // drawn through DRM instead: Qt judges
    }
    std::string device;
    while (!options.empty()) {
        const std::string_view option = options.substr(0, options.find(':'));
        if (option.starts_with("fb=")) {
            device = option.substr(3);
        }
        options.remove_prefix(std::min(options.size(), option.size() + 1));
    }
    if (device.empty()) {
        const bool other = !Exists("/dev/fb0") && Exists("/dev/graphics/fb0");
        device = other ? "/dev/graphics/fb0" : "/dev/fb0";
    }
    if (!Exists(device)) {
        return Status::Failure("there is no frame buffer (" + device + " does not exist)");
    }
    // Qt maps the frame buffer to draw on it.
    const int fd = ::open(device.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return Status::Failure("the frame buffer " + device + " cannot be opened (" +
                               std::strerror(errno) + ")");
    }
    fb_fix_screeninfo fixed{};
    fb_var_screeninfo variable{};
    const bool frameBuffer = ::ioctl(fd, FBIOGET_FSCREENINFO, &fixed) == 0 &&
                             ::ioctl(fd, FBIOGET_VSCREENINFO, &variable) == 0;
    ::close(fd);
    if (!frameBuffer) {
        return Status::Failure(device + " is no frame buffer");
    }
    return {};
}

// Whether one platform of QT_QPA_PLATFORM ("xcb", "linuxfb:fb=/dev/fb1") may start; a platform
// not judged here is left to Qt.
Status PlatformStatus(std::string_view platform, const EnvironmentLookup& getenv) {
    const std::size_t colon = platform.find(':');
    const std::string_view name = platform.substr(0, colon);
    const std::string_view options =
        colon == std::string_view::npos ? std::string_view() : platform.substr(colon + 1);
    if (name.starts_with("xcb")) {
        return XDisplayStatus(getenv("DISPLAY"));
    }
    if (name.starts_with("wayland")) {
        return WaylandDisplayStatus(getenv);
    }
    if (name == "linuxfb") {
        return FrameBufferStatus(options, getenv);
    }
    return {};  // offscreen, vnc, ...: Qt judges its own platforms
}

}  // namespace

Status CheckDisplay(const EnvironmentLookup& getenv) {
    const char* chosen = getenv("QT_QPA_PLATFORM");
    if (IsSet(chosen)) {
        // "wayland;xcb": Qt tries each in turn, so one that may start is enough.
        std::string_view platforms = chosen;
        std::string reasons;
        while (!platforms.empty()) {
            const std::string_view platform = platforms.substr(0, platforms.find(';'));
            platforms.remove_prefix(std::min(platforms.size(), platform.size() + 1));
            if (platform.empty()) {
                continue;
            }
            const Status status = PlatformStatus(platform, getenv);
            if (status.Ok()) {
                return status;
            }
            reasons += (reasons.empty() ? "" : "; ") + status.Reason();
        }
        if (!reasons.empty()) {
            return Status::Failure(reasons);
        }
    }
    // Qt takes Wayland or X, whichever answers.
    const char* display = getenv("DISPLAY");
    if (IsSet(getenv("WAYLAND_DISPLAY"))) {
        const Status wayland = WaylandDisplayStatus(getenv);
        if (wayland.Ok() || !IsSet(display)) {
            return wayland;
        }
    } else if (!IsSet(display)) {
        return Status::Failure("there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)");
    }
    return XDisplayStatus(display);
}

std::string QtStartFailureReason(const std::vector<std::string>& messages) {
    constexpr std::string_view kNoConnection = "could not connect to display";
    std::string reason;
    for (const std::string& message : messages) {
        std::string_view said(message);
        said = said.substr(0, said.find('\n'));
        std::string clause;
        if (said.starts_with(kNoConnection)) {
            said.remove_prefix(kNoConnection.size());
            const std::size_t start = said.find_first_not_of(' ');
            clause = start == std::string_view::npos
                         ? kNoXDisplay
                         : "the display " + std::string(said.substr(start)) + " does not answer";
        } else if (said.starts_with("Could not find the Qt platform plugin")) {
            const std::size_t open = said.find('"');
            const std::size_t close = said.find('"', open + 1);
            clause = close == std::string_view::npos
                         ? std::string(said)
                         : "Qt has no platform " + std::string(said.substr(open, close - open + 1));
        } else if (!said.starts_with("Could not load the Qt platform plugin") &&
                   !said.starts_with("This application failed to start")) {
            clause = std::string(said);  // words of a platform not known here, as Qt gave them
        }
        while (!clause.empty() && (clause.back() == '.' || clause.back() == '!')) {
            clause.pop_back();
        }
        if (!clause.empty()) {
            reason += (reason.empty() ? "" : "; ") + clause;
        }
    }
    return reason.empty() ? "Qt could not start its window system" : reason;
}

std::string NoWindowLine(std::string_view reason) {
    return "kesto: the window cannot be opened: " + std::string(reason) +
           ". To work without a window, use kesto batch (see kesto --help).";
}

}  // namespace kesto
