#include "kesto/platform/registry_hive.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "kesto/platform/ascii_text.h"
#include "kesto/platform/file_io.h"

namespace kesto {

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kLineEnd = "\r\n";

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

int HexDigit(char c) {
    if (IsAsciiDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

const char kHexDigits[] = "0123456789abcdef";

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    out += '"';
    return out;
}

std::string ValueData(const RegistryValue& value) {
    if (value.type == RegistryValueType::Dword) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value.number));
        return std::string("dword:") + digits;
    }
    if (!HasLineBreakOrNul(value.text)) {
        return Quoted(value.text);
    }
    // The registry's own way to write a string that would break the line: its bytes in hex
    // with the terminating zero.
    std::string out = "hex(1):";
    for (const char c : value.text) {
        const auto byte = static_cast<unsigned char>(c);
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0xF];
        out += ',';
    }
    out += "00";
    return out;
}

// Reads a quoted text starting at text[pos] == '"'; pos ends after the closing quote. Only
// \\ and \" are escapes, as in the registry's own files.
Status ReadQuoted(std::string_view text, std::size_t& pos, std::string& out) {
    ++pos;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c == '"') {
            return {};
        }
        if (c == '\\') {
            if (pos >= text.size() || (text[pos] != '\\' && text[pos] != '"')) {
                return Status::Failure("a backslash that is not followed by \\ or \"");
            }
            out += text[pos++];
        } else {
            out += c;
        }
    }
    return Status::Failure("a text without its closing quote");
}

Status ReadDword(std::string_view data, std::uint32_t& number) {
    data = TrimRight(data, IsSpaceOrTab);
    if (data.empty() || data.size() > 8) {
        return Status::Failure("a dword that is not one to eight hex digits");
    }
    std::uint32_t result = 0;
    for (const char c : data) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return Status::Failure("a dword that is not one to eight hex digits");
        }
        result = (result << 4) | static_cast<std::uint32_t>(digit);
    }
    number = result;
    return {};
}

Status ReadHexString(std::string_view data, std::string& text) {
    data = TrimRight(data, IsSpaceOrTab);
    std::string bytes;
    while (!data.empty()) {
        const std::size_t comma = data.find(',');
        const std::string_view item = Trim(data.substr(0, comma), IsSpaceOrTab);
        if (item.empty() || item.size() > 2 || HexDigit(item[0]) < 0 ||
            (item.size() == 2 && HexDigit(item[1]) < 0)) {
            return Status::Failure("a hex(1) list that is not bytes in hex separated by commas");
        }
        int byte = HexDigit(item[0]);
        if (item.size() == 2) {
            byte = byte * 16 + HexDigit(item[1]);
        }
        bytes += static_cast<char>(byte);
        if (comma == std::string_view::npos) {
            break;
        }
        data.remove_prefix(comma + 1);
        if (data.empty()) {
            return Status::Failure("a hex(1) list that ends in a comma");
        }
    }
    // A registry string ends at its first zero byte.
    text = bytes.substr(0, bytes.find('\0'));
    return {};
}

std::string LineError(std::size_t lineNumber, std::string_view what) {
    return "line " + std::to_string(lineNumber) + ": " + std::string(what);
}

std::string AsideStamp() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(now - day)};
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02u%02u-%02d%02d%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return stamp;
}

std::string NotAFileReason(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
        case file_type::directory:
            return "it is a folder";
        case file_type::fifo:
            return "it is a named pipe, not a file";
        case file_type::character:
        case file_type::block:
            return "it is a device, not a file";
        case file_type::socket:
            return "it is a socket, not a file";
        default:
            return "it is not a file";
    }
}

}  // namespace

RegistryValue RegistryValue::String(std::string_view text) {
    RegistryValue value;
    value.type = RegistryValueType::String;
    value.text = std::string(text.substr(0, text.find('\0')));
    return value;
}

RegistryValue RegistryValue::Dword(std::uint32_t number) {
    RegistryValue value;
    value.type = RegistryValueType::Dword;
    value.number = number;
    return value;
}

bool IsValidKeyPath(std::string_view keyPath) {
    if (HasLineBreakOrNul(keyPath)) {
        return false;
    }
    std::size_t start = 0;
    bool first = true;
    while (true) {
        const std::size_t slash = keyPath.find('\\', start);
        const std::string_view part = keyPath.substr(start, slash - start);
        if (part.empty()) {
            return false;
        }
        if (first && !EqualsIgnoringCase(part, kHiveRoot)) {
            return false;
        }
        first = false;
        if (slash == std::string_view::npos) {
            return true;
        }
        start = slash + 1;
    }
}

RegistryHive::Key* RegistryHive::FindKey(std::string_view keyPath) {
    const auto found = keyIndex_.find(LowerAscii(keyPath));
    return found == keyIndex_.end() ? nullptr : &keys_[found->second];
}

const RegistryHive::Key* RegistryHive::FindKey(std::string_view keyPath) const {
    return const_cast<RegistryHive*>(this)->FindKey(keyPath);
}

std::size_t RegistryHive::KeyIndexFor(std::string_view keyPath) {
    const auto [found, added] = keyIndex_.try_emplace(LowerAscii(keyPath), keys_.size());
    if (added) {
        keys_.push_back(Key{std::string(keyPath), {}, {}});
    }
    return found->second;
}

void RegistryHive::SetValueIn(Key& key, std::string_view name, RegistryValue value) {
    if (value.type == RegistryValueType::String) {
        value.text.resize(std::min(value.text.size(), value.text.find('\0')));
    }
    const auto [found, added] = key.valueIndex.try_emplace(LowerAscii(name), key.values.size());
    if (added) {
        key.values.push_back(RegistryNamedValue{std::string(name), std::move(value)});
    } else {
        key.values[found->second].value = std::move(value);
    }
}

const RegistryValue* RegistryHive::FindValue(std::string_view keyPath,
                                             std::string_view name) const {
    const Key* key = FindKey(keyPath);
    if (key == nullptr) {
        return nullptr;
    }
    const auto found = key->valueIndex.find(LowerAscii(name));
    return found == key->valueIndex.end() ? nullptr : &key->values[found->second].value;
}

bool RegistryHive::SetValue(std::string_view keyPath, std::string_view name, RegistryValue value) {
    if (HasLineBreakOrNul(name) || !IsValidKeyPath(keyPath)) {
        return false;
    }
    SetValueIn(keys_[KeyIndexFor(keyPath)], name, std::move(value));
    return true;
}

std::string RegistryHive::Serialise() const {
    std::string out(kHeader);
    out += kLineEnd;
    for (const Key& key : keys_) {
        out += kLineEnd;
        out += '[';
        out += key.path;
        out += ']';
        out += kLineEnd;
        for (const RegistryNamedValue& named : key.values) {
            out += named.name.empty() ? std::string("@") : Quoted(named.name);
            out += '=';
            out += ValueData(named.value);
            out += kLineEnd;
        }
    }
    out += kLineEnd;
    return out;
}

StatusOr<RegistryHive> RegistryHive::Parse(std::string_view text) {
    const auto fail = [](std::size_t lineNumber, std::string_view what) -> StatusOr<RegistryHive> {
        return {{}, Status::Broken(LineError(lineNumber, what))};
    };
    if (text.find('\0') != std::string_view::npos) {
        return fail(1, "the file holds zero bytes; it is not a text file");
    }

    // Physical lines, each without its line end.
    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty() || TrimRight(lines[0], IsSpaceOrTab) != kHeader) {
        return fail(1, "the file does not begin with the line REGEDIT4");
    }

    RegistryHive hive;
    // An index, not a reference: the vector of keys may move when a key is added.
    std::size_t currentKey = 0;
    bool inKey = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t lineNumber = i + 1;
        const std::string_view line = TrimRight(lines[i], IsSpaceOrTab);
        if (line.find('\r') != std::string_view::npos) {
            return fail(lineNumber, "a carriage return inside a line");
        }
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') {
                return fail(lineNumber, "a key line without its closing ]");
            }
            const std::string_view path = line.substr(1, line.size() - 2);
            if (!IsValidKeyPath(path)) {
                return fail(lineNumber, "a key that is not a valid path under HKEY_CURRENT_USER");
            }
            currentKey = hive.KeyIndexFor(path);
            inKey = true;
            continue;
        }
        if (!inKey) {
            return fail(lineNumber, "a value before the first key");
        }

        std::string name;
        std::size_t pos = 0;
        if (line.front() == '@') {
            pos = 1;
        } else if (line.front() == '"') {
            if (const Status read = ReadQuoted(line, pos, name); !read.Ok()) {
                return fail(lineNumber, "a value name with " + read.Reason());
            }
            if (name.empty()) {
                return fail(lineNumber, "an empty value name");
            }
        } else {
            return fail(lineNumber, "a line that is neither a key nor a value");
        }
        while (pos < line.size() && IsSpaceOrTab(line[pos])) {
            ++pos;
        }
        if (pos >= line.size() || line[pos] != '=') {
            return fail(lineNumber, "a value name without =");
        }
        std::string_view data = TrimLeft(line.substr(pos + 1), IsSpaceOrTab);

        RegistryValue value;
        if (!data.empty() && data.front() == '"') {
            std::size_t dataPos = 0;
            if (const Status read = ReadQuoted(data, dataPos, value.text); !read.Ok()) {
                return fail(lineNumber, read.Reason());
            }
            if (dataPos != data.size()) {
                return fail(lineNumber, "text after the closing quote");
            }
        } else if (StartsWithIgnoringCase(data, "dword:")) {
            value.type = RegistryValueType::Dword;
            if (const Status read = ReadDword(data.substr(6), value.number); !read.Ok()) {
                return fail(lineNumber, read.Reason());
            }
        } else if (StartsWithIgnoringCase(data, "hex(1):")) {
            // A long hex list goes on over lines ending in a backslash.
            std::string list(data.substr(7));
            while (!list.empty() && list.back() == '\\') {
                list.pop_back();
                if (++i >= lines.size()) {
                    return fail(lineNumber, "a hex(1) list continued past the end of the file");
                }
                list += Trim(lines[i], IsSpaceOrTab);
            }
            if (const Status read = ReadHexString(list, value.text); !read.Ok()) {
                return fail(lineNumber, read.Reason());
            }
        } else {
            return fail(lineNumber, "a value of a kind this program does not keep");
        }
        // The name was checked above: it holds no line break, and no NUL in the whole text.
        SetValueIn(hive.keys_[currentKey], name, std::move(value));
    }
    return {std::move(hive), {}};
}

StatusOr<RegistryHive> LoadHiveFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        return {{}, Status::NotFound(path + " does not exist", ENOENT)};
    }
    if (ec) {
        return {{}, Status::Unreadable(ec.message(), ec.value())};
    }
    // A pipe or a device is nobody's settings: it is neither read (a pipe would wait for a
    // writer forever, /dev/zero never ends) nor moved aside, only left alone.
    if (status.type() != fs::file_type::regular) {
        return {{}, Status::Unreadable(NotAFileReason(status.type()))};
    }
    if (const std::uintmax_t size = fs::file_size(path, ec); !ec && size > kMaxHiveFileBytes) {
        return {{},
                Status::Broken("it holds " + std::to_string(size) + " bytes, more than the " +
                               std::to_string(kMaxHiveFileBytes) + " a settings file may hold")};
    }
    // Read through the descriptor as well: the file may have been swapped or grown since.
    const StatusOr<std::string> contents = ReadRegularFile(path, kMaxHiveFileBytes);
    if (!contents.status.Ok()) {
        return {{}, contents.status};
    }
    return RegistryHive::Parse(contents.value);
}

Status SaveHiveFile(const std::string& path, const RegistryHive& hive) {
    const std::string folder = DirectoryOf(path);
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            return Status::Failure(
                "the folder " + folder + " could not be created (" + ec.message() + ")",
                ec.value());
        }
    }
    return ReplaceFileAtomically(path, hive.Serialise());
}

StatusOr<std::string> KeepFileAside(const std::string& linkOrPath) {
    // Through a symbolic link, the file itself goes aside and the link stays.
    const StatusOr<std::string> file = FileBehindLinks(linkOrPath);
    if (!file.status.Ok()) {
        return {{}, file.status};
    }
    const std::string& path = file.value;
    const std::string base = path + ".broken-" + AsideStamp();
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string target = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        std::error_code ec;
        if (std::filesystem::exists(target, ec) || ec) {
            continue;
        }
        std::filesystem::rename(path, target, ec);
        if (ec) {
            return {{}, Status::Failure(ec.message(), ec.value())};
        }
        return {target, {}};
    }
    return {{}, Status::Failure("no free name was found beside it")};
}

}  // namespace kesto
