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
    const HiveFileLoad load = LoadHiveFile(path);
    const RegistryValue* value =
        load.hive.FindValue(std::string(kHiveRoot) + "\\" + std::string(kSettingsKey), name);
    return value == nullptr ? std::nullopt : std::optional(*value);
}

}  // namespace kesto::test
