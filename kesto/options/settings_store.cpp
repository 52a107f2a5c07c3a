#include "kesto/options/settings_store.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>
#include <utility>

namespace kesto {

namespace {

// What the program learnt about settings files during this run: notices not yet shown,
// every notice ever queued (each is told once), and files that must not be written over.
struct SettingsNoticeBoard {
    std::mutex mutex;
    std::vector<std::string> pending;
    std::set<std::string> told;
    std::set<std::string> protectedFiles;
};

SettingsNoticeBoard& NoticeBoard() {
    static SettingsNoticeBoard board;
    return board;
}

void AddNotice(std::string notice) {
    SettingsNoticeBoard& board = NoticeBoard();
    const std::lock_guard lock(board.mutex);
    if (board.told.insert(notice).second) {
        board.pending.push_back(std::move(notice));
    }
}

void ProtectFile(const std::string& path) {
    SettingsNoticeBoard& board = NoticeBoard();
    const std::lock_guard lock(board.mutex);
    board.protectedFiles.insert(path);
}

bool IsProtected(const std::string& path) {
    SettingsNoticeBoard& board = NoticeBoard();
    const std::lock_guard lock(board.mutex);
    return board.protectedFiles.count(path) != 0;
}

// The hive of the file as it stands, or an empty hive when the file is missing or unusable.
// An unusable file is never written over in this run; a damaged one is moved aside first, but
// for a run that only reads, which leaves it where it is.
RegistryHive LoadForUse(const std::string& path, SettingsAccess access) {
    StatusOr<RegistryHive> load = LoadHiveFile(path);
    if (load.status.Ok()) {
        return std::move(load.value);
    }
    if (load.status.IsNotFound()) {
        return RegistryHive{};
    }
    if (load.status.IsUnreadable()) {
        ProtectFile(path);
        AddNotice("The settings file " + path + " could not be read (" + load.status.Reason() +
                  "), so Kesto uses its default settings and will not save settings over "
                  "that file during this run.");
        return RegistryHive{};
    }
    if (access == SettingsAccess::ReadOnly) {
        AddNotice("The settings file " + path + " is damaged (" + load.status.Reason() +
                  "), so Kesto uses its default settings.");
        return RegistryHive{};
    }
    const StatusOr<std::string> aside = KeepFileAside(path);
    if (aside.status.Ok()) {
        AddNotice("The settings file " + path + " is damaged (" + load.status.Reason() +
                  "); it was kept as " + aside.value +
                  " and Kesto starts with its default settings.");
    } else {
        ProtectFile(path);
        AddNotice("The settings file " + path + " is damaged (" + load.status.Reason() +
                  ") and could not be moved aside (" + aside.status.Reason() +
                  "), so Kesto uses its default settings and will not save settings over that "
                  "file during this run.");
    }
    return RegistryHive{};
}

std::string FullKeyPath(std::string_view keyPath) {
    while (!keyPath.empty() && keyPath.front() == '\\') {
        keyPath.remove_prefix(1);
    }
    return std::string(kHiveRoot) + "\\" + std::string(keyPath);
}

std::string NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// The home folder the password database gives the account running the program, or "".
std::string AccountHome() {
    long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(bufferSize > 0 ? static_cast<std::size_t>(bufferSize) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < (std::size_t{1} << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return {};
    }
    return found->pw_dir;
}

}  // namespace

SettingsStore::SettingsStore(SettingsFile file, std::string_view keyPath) : file_(std::move(file)) {
    const std::string fullPath = FullKeyPath(keyPath);
    if (!IsValidKeyPath(fullPath)) {
        return;
    }
    keyPath_ = fullPath;
    if (file_.snapshot) {
        reading_ = file_.snapshot.get();
    } else {
        hive_ = LoadForUse(file_.path, file_.access);
    }
}

SettingsStore::SettingsStore(std::string filePath)
    : SettingsStore(SettingsFile{std::move(filePath)}) {}

SettingsStore::~SettingsStore() {
    Save();
}

void SettingsStore::Save() {
    if (pending_.empty() || file_.access == SettingsAccess::ReadOnly || IsProtected(file_.path)) {
        return;
    }
    // Apply this store's writes to the file as it is now, so that what others wrote since this
    // store read it is kept too.
    RegistryHive current = LoadForUse(file_.path, file_.access);
    if (IsProtected(file_.path)) {
        return;
    }
    for (PendingWrite& write : pending_) {
        current.SetValue(keyPath_, write.name, std::move(write.value));
    }
    if (const Status saved = SaveHiveFile(file_.path, current); !saved.Ok()) {
        AddNotice("Kesto could not save its settings in " + file_.path + " (" + saved.Reason() +
                  "), so the settings changed during this run are not kept.");
    }
}

const RegistryValue* SettingsStore::Find(std::string_view name) const {
    return keyPath_.empty() ? nullptr : reading_->FindValue(keyPath_, name);
}

void SettingsStore::Saw(std::string_view name, const RegistryValue* stored,
                        const RegistryValue& taken) const {
    if (!keyPath_.empty()) {
        file_.seen->SetValue(keyPath_, name, stored != nullptr ? *stored : taken);
    }
}

std::string SettingsStore::ReadStringDef(std::string_view name, std::string_view def) const {
    const RegistryValue* value = Find(name);
    std::string text(value == nullptr || value->type != RegistryValueType::String ? def
                                                                                  : value->text);
    Saw(name, value, RegistryValue::String(text));
    return text;
}

void SettingsStore::WriteValue(std::string_view name, RegistryValue value) {
    if (keyPath_.empty()) {
        return;
    }
    // A value as it was last seen, or, never seen, as the file holds it, is no change.
    const RegistryValue* before = file_.seen->FindValue(keyPath_, name);
    if (before == nullptr) {
        before = Find(name);
    }
    if (before != nullptr && *before == value) {
        return;
    }
    if (reading_ != &hive_) {
        hive_ = *reading_;
        reading_ = &hive_;
    }
    if (hive_.SetValue(keyPath_, name, value)) {
        file_.seen->SetValue(keyPath_, name, value);
        pending_.push_back(PendingWrite{std::string(name), std::move(value)});
    }
}

void SettingsStore::WriteString(std::string_view name, std::string_view value) {
    WriteValue(name, RegistryValue::String(value));
}

std::int32_t SettingsStore::Read(const IntegerSetting& setting) const {
    const RegistryValue* value = Find(setting.name);
    // A hand-edited or foreign file may hold any number; the program uses what it shows.
    const std::int32_t number = value == nullptr || value->type != RegistryValueType::Dword
                                    ? setting.defaultValue
                                    : setting.FromStored(static_cast<std::int32_t>(value->number));
    Saw(setting.name, value, RegistryValue::Dword(static_cast<std::uint32_t>(number)));
    return number;
}

bool SettingsStore::Read(const BoolSetting& setting) const {
    const RegistryValue* value = Find(setting.name);
    const bool on = value == nullptr || value->type != RegistryValueType::Dword
                        ? setting.defaultValue
                        : value->number != 0;
    Saw(setting.name, value, RegistryValue::Dword(on ? 1U : 0U));
    return on;
}

std::string SettingsStore::Read(const StringSetting& setting) const {
    return ReadStringDef(setting.name, setting.defaultValue);
}

void SettingsStore::Write(const IntegerSetting& setting, std::int32_t value) {
    WriteValue(setting.name, RegistryValue::Dword(static_cast<std::uint32_t>(value)));
}

void SettingsStore::Write(const BoolSetting& setting, bool value) {
    WriteValue(setting.name, RegistryValue::Dword(value ? 1U : 0U));
}

void SettingsStore::Write(const StringSetting& setting, std::string_view value) {
    WriteString(setting.name, value);
}

SettingsFile ReadSettingsOnce(std::string path) {
    auto snapshot =
        std::make_shared<const RegistryHive>(LoadForUse(path, SettingsAccess::ReadOnly));
    return SettingsFile{std::move(path), SettingsAccess::ReadOnly, std::move(snapshot)};
}

SettingsLocation ChooseSettingsFile(const SettingsEnvironment& environment) {
    if (!environment.kestoSettings.empty()) {
        return {environment.kestoSettings, {}};
    }
    // A relative XDG_CONFIG_HOME is to be ignored, as the base directory rules say.
    if (!environment.configHome.empty() && environment.configHome.front() == '/') {
        return {environment.configHome + "/Tarnwick/Kesto.reg", {}};
    }
    for (const std::string* home : {&environment.home, &environment.accountHome}) {
        if (!home->empty()) {
            return {*home + "/.config/Tarnwick/Kesto.reg", {}};
        }
    }
    std::string folder = environment.currentFolder.empty() ? "." : environment.currentFolder;
    if (folder.back() != '/') {
        folder += '/';
    }
    std::string path = folder + "Kesto.reg";
    std::string notice =
        "Kesto found no home folder for your settings (HOME is not set and the "
        "account has none), so it keeps them in " +
        path + ".";
    return {std::move(path), std::move(notice)};
}

std::string SettingsFilePath() {
    SettingsEnvironment environment{
        NonEmptyEnv("KESTO_SETTINGS"), NonEmptyEnv("XDG_CONFIG_HOME"), NonEmptyEnv("HOME"), {}, {}};
    // The password database and the current folder are asked only when they are needed.
    if (environment.kestoSettings.empty() && environment.home.empty()) {
        environment.accountHome = AccountHome();
        std::error_code error;
        environment.currentFolder = std::filesystem::current_path(error).string();
    }
    SettingsLocation location = ChooseSettingsFile(environment);
    if (!location.notice.empty()) {
        AddNotice(std::move(location.notice));
    }
    return std::move(location.path);
}

std::vector<std::string> TakeSettingsNotices() {
    SettingsNoticeBoard& board = NoticeBoard();
    const std::lock_guard lock(board.mutex);
    std::vector<std::string> notices = std::move(board.pending);
    board.pending.clear();
    return notices;
}

}  // namespace kesto
