#pragma once
// The settings store: the program's per-user settings key and its language subkeys, kept in
// one hive file (see kesto/platform/registry_hive.h). Each user creates a store, opens a key,
// reads or writes values, closes the key and lets the store go; nothing lives between those
// moments but the file.
//
// Reads never fail: a missing key, a missing value or a value of another type than the one
// asked for gives the default. Problems with the file itself never stop the program; they
// become notices (TakeSettingsNotices) and the program goes on with defaults:
// - a file that cannot be parsed is renamed to "<file>.broken-<UTC time>" and never
//   overwritten or deleted;
// - a file that exists but cannot be read, or cannot be moved aside, is left alone and not
//   written over for the rest of the run;
// - a file or folder that cannot be written leaves the settings of this run unsaved.
//
// Opening a key with create makes it in memory only; the file is written by CloseKey (or the
// destructor) and only when a value was written, so a run that only reads leaves no file
// behind and a missing key reads exactly as an empty one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/platform/registry_hive.h"

namespace kesto {

inline constexpr std::string_view kSettingsKey = "Software\\Tarnwick\\Kesto\\3.2";

class SettingsStore {
  public:
    SettingsStore();  // the file of SettingsFilePath()
    explicit SettingsStore(std::string filePath);
    ~SettingsStore();  // closes the key
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // keyPath is relative to HKEY_CURRENT_USER, e.g. kSettingsKey or kSettingsKey + "\\Deutsch".
    // Closes any key open before. Reads the file afresh. False when the key does not exist and
    // canCreate is false, or when the path is not a valid key path.
    bool OpenKey(std::string_view keyPath, bool canCreate);
    // Writes the file back (atomically) when something was written since the key was opened.
    void CloseKey();

    bool ValueExists(std::string_view name) const;
    std::string ReadStringDef(std::string_view name, std::string_view def) const;
    std::int32_t ReadIntegerDef(std::string_view name, std::int32_t def) const;
    // Any non-zero number is true.
    bool ReadBoolDef(std::string_view name, bool def) const;

    // With no key open, writes do nothing. A string ends at its first NUL byte.
    void WriteString(std::string_view name, std::string_view value);
    void WriteInteger(std::string_view name, std::int32_t value);
    void WriteBool(std::string_view name, bool value);  // dword 0 or 1

    const std::string& FilePath() const { return filePath_; }
    bool KeyIsOpen() const { return keyOpen_; }

  private:
    struct PendingWrite {
        std::string keyPath;
        std::string name;
        RegistryValue value;
    };
    const RegistryValue* Find(std::string_view name) const;
    void Write(std::string_view name, RegistryValue value);

    std::string filePath_;
    RegistryHive hive_;    // the file as read at OpenKey, plus this store's writes
    std::string keyPath_;  // full path of the open key
    bool keyOpen_ = false;
    std::vector<PendingWrite> pending_;
};

// KESTO_SETTINGS when set, else $XDG_CONFIG_HOME/Tarnwick/Kesto.reg, else
// $HOME/.config/Tarnwick/Kesto.reg.
std::string SettingsFilePath();

// With read-only on, stores of this process read as usual but never write the file: what a
// store is told to write lives only until it is closed. The batch command runs this way.
void SetSettingsReadOnly(bool readOnly);

// The notices gathered so far (each one complete English sentence naming the file), in the
// order they arose; the list is empty afterwards. The same notice is never queued twice.
std::vector<std::string> TakeSettingsNotices();

// The values of the settings key that are read with a default: their names, types and
// defaults. The main window reads the first list at start-up, the options dialog the second
// when it is created. (SymbolsMultiFont, SymbolsSingleFont and SymbolsCurtainFont are written
// as "Symbol" and never read; the language subkeys hold strings "1".."19".)
enum class SettingKind { Integer, Boolean, String };

struct SettingDefault {
    std::string_view name;
    SettingKind kind;
    std::int32_t number;    // Integer default; Boolean default as 0 or 1
    std::string_view text;  // String default
};

inline constexpr SettingDefault kMainWindowSettings[] = {
    {"NumHands", SettingKind::Integer, 30, ""},
    {"NumCopies", SettingKind::Integer, 1, ""},
    {"NumIndividualSets", SettingKind::Integer, 1, ""},
    {"NumStatSheets", SettingKind::Integer, 0, ""},
    {"Curtains", SettingKind::Boolean, 0, ""},
    {"StatsWithHTML", SettingKind::Boolean, 0, ""},
    {"DateFormat", SettingKind::Integer, 0, ""},
    {"UseDateInHeader", SettingKind::Boolean, 0, ""},
    {"SuppressSetWarning", SettingKind::Boolean, 0, ""},
    {"SuppressHTMLAlert", SettingKind::Boolean, 0, ""},
    {"NumberOfIndividualSets", SettingKind::Integer, 1, ""},
    {"FileType", SettingKind::Integer, 1, ""},
};

inline constexpr SettingDefault kOptionsDialogSettings[] = {
    {"PrintVulDeal", SettingKind::Boolean, 1, ""},
    {"UserWantsColor", SettingKind::Boolean, 1, ""},
    {"GIFDirectory", SettingKind::String, 0, ""},
    {"CurtainCollation", SettingKind::Integer, 0, ""},
    {"CurtainDimensions", SettingKind::Integer, 1, ""},
    {"CurtainOrientation", SettingKind::Integer, 0, ""},
    {"Header1Font", SettingKind::String, 0, "Arial"},
    {"Header1Size", SettingKind::Integer, 14, ""},
    {"Header1Style", SettingKind::Integer, 1, ""},
    {"Header2Font", SettingKind::String, 0, "Arial"},
    {"Header2Size", SettingKind::Integer, 10, ""},
    {"Header2Style", SettingKind::Integer, 0, ""},
    {"CardsMultiFont", SettingKind::String, 0, "Arial"},
    {"CardsMultiSize", SettingKind::Integer, 10, ""},
    {"CardsMultiStyle", SettingKind::Integer, 0, ""},
    {"CardsSingleFont", SettingKind::String, 0, "Arial"},
    {"CardsSingleSize", SettingKind::Integer, 12, ""},
    {"CardsSingleStyle", SettingKind::Integer, 0, ""},
    {"CardsCurtainFont", SettingKind::String, 0, "Arial"},
    {"CardsCurtainSize", SettingKind::Integer, 14, ""},
    {"CardsCurtainStyle", SettingKind::Integer, 0, ""},
    {"SubHead1Font", SettingKind::String, 0, "Arial"},
    {"SubHead1Size", SettingKind::Integer, 10, ""},
    {"SubHead1Style", SettingKind::Integer, 0, ""},
    {"SubHead2Font", SettingKind::String, 0, "Arial"},
    {"SubHead2Size", SettingKind::Integer, 14, ""},
    {"SubHead2Style", SettingKind::Integer, 1, ""},
    {"UserLanguage", SettingKind::String, 0, "English"},
};

// The entry of either list, or nullptr for a name in neither.
const SettingDefault* FindSettingDefault(std::string_view name);

}  // namespace kesto
