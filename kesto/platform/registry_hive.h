#pragma once
// The per-user registry hive, kept in one file in the registry export format (REGEDIT4 text):
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Tarnwick\Kesto\3.2]
//   "NumHands"=dword:0000001e
//   "UserLanguage"="English"
//
// Lines end in CR LF; texts are Windows-1252 bytes, written as they are. Key paths are full
// paths from the hive's root ("HKEY_CURRENT_USER\..."). As in the registry, key paths and value
// names are found without regard to letter case (ASCII letters) and keep the case they were
// created with. A RegistryHive is a plain value: loading and saving are separate functions.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "kesto/platform/status.h"

namespace kesto {

inline constexpr std::string_view kHiveRoot = "HKEY_CURRENT_USER";

enum class RegistryValueType { String, Dword };

struct RegistryValue {
    RegistryValueType type = RegistryValueType::String;
    std::string text;          // a String's bytes (never holds a NUL)
    std::uint32_t number = 0;  // a Dword's number

    static RegistryValue String(std::string_view text);
    static RegistryValue Dword(std::uint32_t number);
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

struct RegistryNamedValue {
    std::string name;  // "" is the key's default value, written "@"
    RegistryValue value;
};

class RegistryHive {
  public:
    // Nullptr when the key or the value is missing.
    const RegistryValue* FindValue(std::string_view keyPath, std::string_view name) const;
    // Creates the key when missing. A String's text ends at its first NUL byte, as a registry
    // string does. False only for a name holding a line break or NUL, or a path that is no
    // valid key path under kHiveRoot (empty parts, line breaks, NUL bytes).
    bool SetValue(std::string_view keyPath, std::string_view name, RegistryValue value);

    // The whole file's bytes. Strings holding a CR or LF are written in the registry's hex(1)
    // form, so every line stays one line.
    std::string Serialise() const;

    // Fails as Broken when the text is not a well-formed hive file; the reason says where and why
    // ("line 4: ..."). Accepts LF as well as CR LF line ends, blank lines, ";" comment lines,
    // repeated sections (merged) and hex(1) strings continued over lines with "\". Takes time
    // in proportion to the text's length.
    static StatusOr<RegistryHive> Parse(std::string_view text);

  private:
    // Keys and values stay in vectors for their order; the maps find them by their names in
    // lower case, so a lookup does not grow with the number of keys or values.
    struct Key {
        std::string path;
        std::vector<RegistryNamedValue> values;
        std::unordered_map<std::string, std::size_t> valueIndex;
    };
    Key* FindKey(std::string_view keyPath);
    const Key* FindKey(std::string_view keyPath) const;
    // The key's place in keys_, created when missing; the path must be valid.
    std::size_t KeyIndexFor(std::string_view keyPath);
    static void SetValueIn(Key& key, std::string_view name, RegistryValue value);

    std::vector<Key> keys_;
    std::unordered_map<std::string, std::size_t> keyIndex_;
};

// True when the path is a valid key path under kHiveRoot.
bool IsValidKeyPath(std::string_view keyPath);

// A settings file holds a few kilobytes; anything bigger is not one.
inline constexpr std::size_t kMaxHiveFileBytes = std::size_t{1} << 20;

// Reads a hive file. Fails as NotFound when there is no file (an empty hive for the caller);
// as Unreadable when something is there but could not be read, or is no regular file (a
// folder, a pipe, a device), which is never read at all; as Broken for a regular file that is
// not well-formed or is bigger than kMaxHiveFileBytes. The reason says why.
StatusOr<RegistryHive> LoadHiveFile(const std::string& path);

// Writes the hive with ReplaceFileAtomically (a symbolic link is followed: its target is
// replaced, the link kept), creating the folder when missing.
Status SaveHiveFile(const std::string& path, const RegistryHive& hive);

// Renames a file to "<path>.broken-<UTC yyyymmdd-hhmmss>" (with "-2", "-3", ... when that
// name is taken), never overwriting anything. A symbolic link is followed: the file it leads
// to is renamed, beside itself, and the link stays. The value is the new path.
StatusOr<std::string> KeepFileAside(const std::string& linkOrPath);

}  // namespace kesto
