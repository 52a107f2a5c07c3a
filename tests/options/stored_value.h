#pragma once
// What a settings file holds under the settings key, for tests that must tell a value written
// from one never written: the program itself reads the default for both.

#include <optional>
#include <string>
#include <string_view>

#include "kesto/options/settings_store.h"
#include "kesto/platform/registry_hive.h"

namespace kesto::test {

// The value named in the settings key of the file at path; nullopt when the file holds none.
inline std::optional<RegistryValue> StoredValue(const std::string& path, std::string_view name) {
    const StatusOr<RegistryHive> load = LoadHiveFile(path);
    const RegistryValue* value =
        load.value.FindValue(std::string(kHiveRoot) + "\\" + std::string(kSettingsKey), name);
    return value == nullptr ? std::nullopt : std::optional(*value);
}

// The lines a settings file's bytes hold under the key (a full path), as written and in their
// order; "" when the key holds no value or is missing.
inline std::string KeyLines(std::string_view file, std::string_view keyPath) {
    const std::string head = "[" + std::string(keyPath) + "]\r\n";
    const std::size_t start = file.find(head);
    if (start == std::string_view::npos) {
        return {};
    }
    std::size_t end = start + head.size();
    // A section ends at its blank line.
    while (end < file.size() && file.substr(end, 2) != "\r\n") {
        end = file.find("\r\n", end);
        end = end == std::string_view::npos ? file.size() : end + 2;
    }
    return std::string(file.substr(start + head.size(), end - start - head.size()));
}

}  // namespace kesto::test
