// Parses a settings file of the largest size the store accepts (1 MiB), filled with values in
// three keys as a hand-edited or foreign file might be, and loads it from disk; then reads the
// options as a run of the batch command starts, with the file read at every key opened (ten
// keys) and read once for the run. Prints milliseconds per round, the median of several; the
// parse should stay well under 100 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "kesto/options/language_table.h"
#include "kesto/options/no_option_window.h"
#include "kesto/options/option_dialog.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/file_io.h"
#include "kesto/platform/registry_hive.h"

namespace {

using namespace kesto;
using bench::Check;
using bench::MedianMilliseconds;

const std::string kKeys[] = {"HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2",
                             "HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Deutsch",
                             "HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Dansk"};
constexpr int kValuesPerSection = 500;

// Values of every kind, spread over the three keys in turn, until the text is nearly
// kMaxHiveFileBytes.
std::string LargestSettingsText(int& values) {
    std::string text = "REGEDIT4\r\n";
    values = 0;
    for (int section = 0; text.size() < kMaxHiveFileBytes - 4096; ++section) {
        text += "\r\n[" + kKeys[section % 3] + "]\r\n";
        for (int i = 0; i < kValuesPerSection && text.size() < kMaxHiveFileBytes - 4096;
             ++i, ++values) {
            const std::string name = "\"Value" + std::to_string(values) + "\"=";
            switch (values % 3) {
                case 0:
                    text += name + "dword:0000001e\r\n";
                    break;
                case 1:
                    text += name + "\"Arial\"\r\n";
                    break;
                default:
                    text += name + "hex(1):41,0d,0a,42,00\r\n";
                    break;
            }
        }
    }
    return text;
}

}  // namespace

int main() {
    constexpr int kRounds = 11;
    int values = 0;
    const std::string text = LargestSettingsText(values);
    Check(text.size() <= kMaxHiveFileBytes, "the text fits the cap");

    StatusOr<RegistryHive> hive;
    const double parse = MedianMilliseconds(kRounds, [&] {
        hive = RegistryHive::Parse(text);
        Check(hive.status.Ok(), "parse");
    });
    for (int value = 0; value < values; ++value) {
        Check(hive.value.FindValue(kKeys[value / kValuesPerSection % 3],
                                   "Value" + std::to_string(value)) != nullptr,
              "every value parsed");
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "kesto-bench-settings-file";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "Kesto.reg").string();
    Check(ReplaceFileAtomically(path, text).Ok(), "write the file");
    const double load =
        MedianMilliseconds(kRounds, [&] { Check(LoadHiveFile(path).status.Ok(), "load"); });
    const auto readOptions = [&](const std::function<SettingsFile()>& settings) {
        return MedianMilliseconds(kRounds, [&] {
            LanguageTable languages;
            NoOptionWindow window;
            TOptionDlg options(window, languages, settings());
            options.FormCreate();
        });
    };
    const double everyKey = readOptions([&] {
        return SettingsFile{path, SettingsAccess::ReadOnly};
    });
    const double once = readOptions([&] { return ReadSettingsOnce(path); });
    std::filesystem::remove_all(folder);

    std::printf("settings file of %zu bytes, %d values in %zu keys\n", text.size(), values,
                static_cast<std::size_t>(3));
    std::printf("parse: %8.2f ms\n", parse);
    std::printf("load:  %8.2f ms (read from disk and parse)\n", load);
    std::printf("options at start-up, file read at every key: %8.2f ms\n", everyKey);
    std::printf("options at start-up, file read once:         %8.2f ms\n", once);
    return 0;
}
