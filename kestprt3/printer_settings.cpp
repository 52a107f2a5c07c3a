#include "kestprt3/printer_settings.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace kesto::prt3 {

namespace {

constexpr std::string_view kKeyPath = "HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2";
constexpr std::size_t kMaxSettingsFile = 4u << 20;

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

// A quoted text starting at text[0] == '"', with the registry's \\ and \" escapes; rest gets
// what follows the closing quote. Nullopt when the quote is not closed.
std::optional<std::string> ReadQuoted(std::string_view text, std::string_view& rest) {
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
            out += text[i + 1];
            ++i;
        } else if (c == '"') {
            rest = text.substr(i + 1);
            return out;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ReadDword(std::string_view text) {
    constexpr std::string_view prefix = "dword:";
    if (text.size() <= prefix.size() || !EqualsIgnoringCase(text.substr(0, 6), prefix)) {
        return std::nullopt;
    }
    text.remove_prefix(prefix.size());
    if (text.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (const char c : text) {
        const char l = Lower(c);
        int digit = 0;
        if (l >= '0' && l <= '9') {
            digit = l - '0';
        } else if (l >= 'a' && l <= 'f') {
            digit = l - 'a' + 10;
        } else {
            return std::nullopt;
        }
        number = number * 16u + static_cast<std::uint32_t>(digit);
    }
    return number;
}

}  // namespace

PrinterSettings ParsePrinterSettings(std::string_view fileText) {
    PrinterSettings settings;
    bool inKey = false;
    while (!fileText.empty()) {
        const std::size_t end = fileText.find('\n');
        const std::string_view line = Trim(fileText.substr(0, end));
        fileText = end == std::string_view::npos ? std::string_view() : fileText.substr(end + 1);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            inKey =
                line.back() == ']' && EqualsIgnoringCase(line.substr(1, line.size() - 2), kKeyPath);
            continue;
        }
        if (!inKey || line.front() != '"') {
            continue;
        }
        std::string_view afterName;
        const std::optional<std::string> name = ReadQuoted(line, afterName);
        afterName = Trim(afterName);
        if (!name || afterName.empty() || afterName.front() != '=') {
            continue;
        }
        const std::string_view data = Trim(afterName.substr(1));
        if (data.empty()) {
            continue;
        }
        if (EqualsIgnoringCase(*name, "PrintVulDeal")) {
            if (const std::optional<std::uint32_t> number = ReadDword(data)) {
                settings.printVulDeal = *number != 0;
            }
            continue;
        }
        if (data.front() != '"') {
            continue;
        }
        std::string_view ignored;
        std::optional<std::string> text = ReadQuoted(data, ignored);
        if (!text) {
            continue;
        }
        if (EqualsIgnoringCase(*name, "PrinterName")) {
            settings.printerName = std::move(*text);
        } else if (EqualsIgnoringCase(*name, "PdfFolder")) {
            settings.pdfFolder = std::move(*text);
        }
    }
    return settings;
}

std::string SettingsFilePath() {
    if (const char* path = std::getenv("KESTO_SETTINGS"); path != nullptr && *path != '\0') {
        return path;
    }
    // A relative XDG_CONFIG_HOME is ignored, as the base directory rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/') {
        return std::string(config) + "/Tarnwick/Kesto.reg";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::string(home) + "/.config/Tarnwick/Kesto.reg";
    }
    // The program looks in the account's home folder then; so does the library.
    if (const passwd* account = ::getpwuid(::getuid());
        account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] == '/') {
        return std::string(account->pw_dir) + "/.config/Tarnwick/Kesto.reg";
    }
    return {};
}

PrinterSettings ReadPrinterSettings() {
    const std::string path = SettingsFilePath();
    if (path.empty()) {
        return {};
    }
    // Only a regular file is read: opening never waits on a named pipe, and a device is never
    // read from.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {};
    }
    std::string text;
    char buffer[65536];
    while (text.size() < kMaxSettingsFile) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ::close(fd);
            return {};
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return ParsePrinterSettings(text);
}

}  // namespace kesto::prt3
