#pragma once
// A fresh temporary folder per test, a settings file path inside it, and helpers to put bytes
// into files. Tests never touch the user's own settings file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/options/settings_store.h"
#include "kesto/platform/file_io.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {

class TempSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TakeSettingsNotices();  // notices of earlier tests are theirs
    }

    static void WriteRaw(const std::string& path, std::string_view bytes) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string FileBytes() const {
        const StatusOr<std::string> file = ReadWholeFile(path_);
        return file.status.Ok() ? file.value : "<no file>";
    }
    std::vector<std::string> FilesInSettingsFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_ + "/Tarnwick")) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder scratch_;
    std::string folder_ = scratch_.Folder().string();
    std::string path_ = folder_ + "/Tarnwick/Kesto.reg";
};

inline constexpr std::string_view kKeyLine =
    "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n";

inline std::string HiveText(std::string_view values) {
    return "REGEDIT4\r\n\r\n" + std::string(kKeyLine) + std::string(values) + "\r\n";
}

}  // namespace kesto::test
