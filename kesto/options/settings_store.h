#pragma once
// The settings store: the program's per-user settings key and its language subkeys, kept in
// one hive file (see kesto/platform/registry_hive.h). A part of the program that reads or
// writes settings makes a SettingsStore for one key, reads and writes its values and lets it
// go; nothing lives between those moments but the file (and, for a run that only reads, the
// file as ReadSettingsOnce read it).
//
// Reads never fail: a missing key, a missing value or a value of another type than the one
// asked for gives the default. Problems with the file itself never stop the program; they
// become notices (TakeSettingsNotices) and the program goes on with defaults:
// - a file that cannot be parsed, or is bigger than a settings file can be (kMaxHiveFileBytes),
//   is renamed to "<file>.broken-<UTC time>" and never overwritten or deleted (through a
//   symbolic link, the file it leads to is renamed and the link stays); a run that only reads
//   leaves it where it is;
// - a file that exists but cannot be read, or cannot be moved aside, is left alone and not
//   written over for the rest of the run; so is anything that is not a regular file (a folder,
//   a named pipe, a device), which is never read at all;
// - a file or folder that cannot be written leaves the settings of this run unsaved.
//
// Several windows may work on one file. Each writes back only what it changed: the values a
// store was told to write are put into the file as it stands when the store goes, and a value
// written as this part of the program last read it (or wrote it) is no change and is left as
// the file has it, so a value another window saved meanwhile is kept. Nothing is written when
// nothing changed, so a run that only reads leaves no file behind.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/options/settings_table.h"
#include "kesto/platform/registry_hive.h"

namespace kesto {

inline constexpr std::string_view kSettingsKey = "Software\\Tarnwick\\Kesto\\3.2";

// A read-only store reads as usual but never writes its file: what it is told to write lives
// only as long as the store. The batch command reads the settings this way.
enum class SettingsAccess { ReadWrite, ReadOnly };

// The settings file a part of the program works on, and how. Copies share what was seen.
struct SettingsFile {
    std::string path;
    SettingsAccess access = SettingsAccess::ReadWrite;
    // Set by ReadSettingsOnce: the file as it was read then, which every store made from this
    // SettingsFile (or a copy of it) reads instead of the file. Null: each store reads the
    // file afresh, so a value another store wrote a moment ago is seen.
    std::shared_ptr<const RegistryHive> snapshot = nullptr;
    // Each value as the stores made from this SettingsFile (or a copy) last read it from the
    // file (or its default, when the file had none) or wrote it.
    std::shared_ptr<RegistryHive> seen = std::make_shared<RegistryHive>();
};

// A read-only SettingsFile for a run that reads the settings and writes none (the batch
// command): the file is read and parsed here, once, and every store made from the result
// reads what was read here. Problems with the file become notices, as for any store.
SettingsFile ReadSettingsOnce(std::string path);

class SettingsStore {
  public:
    // Opens the key keyPath, relative to HKEY_CURRENT_USER (kSettingsKey, or a language subkey
    // kSettingsKey + "\\Deutsch"), reading the file as it stands (or the snapshot). A key that
    // does not exist reads as empty and reaches the file with the first value written into it;
    // a path that is no valid key path reads as empty and takes no writes.
    explicit SettingsStore(SettingsFile file, std::string_view keyPath = kSettingsKey);
    explicit SettingsStore(std::string filePath);  // read-write, kSettingsKey
    // Puts the values written into the file as it stands now (atomically), when any changed.
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The values of the settings key (settings_table.h), each read with its own default. A
    // number outside its entry's range reads as the entry says (IntegerSetting::FromStored), so
    // it is always one its control can show. A boolean is written as dword 0 or 1 and any
    // non-zero number reads as true.
    std::int32_t Read(const IntegerSetting& setting) const;
    bool Read(const BoolSetting& setting) const;
    std::string Read(const StringSetting& setting) const;
    // A string ends at its first NUL byte.
    void Write(const IntegerSetting& setting, std::int32_t value);
    void Write(const BoolSetting& setting, bool value);
    void Write(const StringSetting& setting, std::string_view value);

    // By name, for the values outside the table: the language subkeys' words.
    std::string ReadStringDef(std::string_view name, std::string_view def) const;
    void WriteString(std::string_view name, std::string_view value);

  private:
    struct PendingWrite {
        std::string name;
        RegistryValue value;
    };
    const RegistryValue* Find(std::string_view name) const;
    // Notes a value read: as stored, or, when none is, as taken (the default). A later write
    // of the same is no change; one of a stored value outside its range puts it right.
    void Saw(std::string_view name, const RegistryValue* stored, const RegistryValue& taken) const;
    void WriteValue(std::string_view name, RegistryValue value);
    void Save();

    SettingsFile file_;
    RegistryHive hive_;  // the file as read when the store was made, plus this store's writes
    // What the key reads: hive_, or the run's snapshot until this store writes a value (the
    // snapshot is then copied into hive_ and stays as it was read).
    const RegistryHive* reading_ = &hive_;
    std::string keyPath_;  // full path of the key; "" when the path given was no key path
    std::vector<PendingWrite> pending_;
};

// Where the settings file is looked for, as the program finds it when it starts.
struct SettingsEnvironment {
    std::string kestoSettings;  // KESTO_SETTINGS ("" when unset, as for each of these)
    std::string configHome;     // XDG_CONFIG_HOME
    std::string home;           // HOME
    std::string accountHome;    // the account's home folder in the password database
    std::string currentFolder;  // the folder the program was started in
};

struct SettingsLocation {
    std::string path;
    std::string notice;  // for the user when the path is not where settings usually go
};

// KESTO_SETTINGS when set, else $XDG_CONFIG_HOME/Tarnwick/Kesto.reg (an absolute one), else
// <home>/.config/Tarnwick/Kesto.reg with HOME or, without it, the account's home folder. With
// no home folder at all, Kesto.reg in the current folder, with a notice that says so.
SettingsLocation ChooseSettingsFile(const SettingsEnvironment& environment);

// The settings file of this run (ChooseSettingsFile on the process's environment); its notice,
// if any, joins the settings notices. The program asks once, when it starts, and hands the
// path down.
std::string SettingsFilePath();

// The notices gathered so far (each one complete English sentence naming the file), in the
// order they arose; the list is empty afterwards. The same notice is never queued twice.
std::vector<std::string> TakeSettingsNotices();

}  // namespace kesto
