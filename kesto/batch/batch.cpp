#include "kesto/batch/batch.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>

#include "kesto/batch/batch_view.h"
#include "kesto/files/deal_notation.h"
#include "kesto/options/language_table.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/clock.h"
#include "kesto/platform/text_encoding.h"
#include "kesto/workflow/kesto_main.h"

namespace kesto {

namespace {

constexpr std::string_view kUsageHint = "usage: kesto batch [options]; see kesto batch --help";

// Options whose subsystem has not landed yet, with whether they take a value.
struct PendingOption {
    std::string_view name;
    bool takesValue;
};
constexpr PendingOption kPendingOptions[] = {
    {"--html", true},        {"--stats", false},    {"--gif-location", true},
    {"--print", false},      {"--copies", true},    {"--sets", true},
    {"--stat-sheets", true}, {"--curtains", false}, {"--output-folder", true},
};

struct BatchOptions {
    std::optional<std::uint32_t> seed;
    std::optional<int> generate;
    std::optional<std::string> read;
    std::optional<std::string> header1, header2;
    std::optional<std::string> language;
    std::vector<std::string> saves;
    bool list = false;
};

template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
    T value{};
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

int UsageError(std::ostream& err, std::string_view what) {
    err << "kesto batch: " << what << "\n" << kUsageHint << "\n";
    return 2;
}

std::string LanguageNames(const LanguageTable& languages) {
    std::string names;
    for (int language = 1; language <= kLanguageCount; ++language) {
        names +=
            (language > 1 ? ", " : "") + Windows1252ToUtf8(languages.LanguageWord(language, 0));
    }
    return names;
}

// Parses the command line; a usage error is written to err and gives its exit status.
std::optional<int> ParseOptions(const std::vector<std::string>& args, BatchOptions& options,
                                std::ostream& out, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        auto value = [&]() { return std::string(args[++i]); };
        auto needsValue = [&](std::string_view what) {
            return UsageError(err, std::string(arg) + " needs " + std::string(what));
        };
        if (arg == "--help" || arg == "-h") {
            out << BatchHelpText();
            return 0;
        } else if (arg == "--seed") {
            if (!hasValue) {
                return needsValue("a number");
            }
            options.seed = ParseNumber<std::uint32_t>(value());
            if (!options.seed) {
                return UsageError(err, "--seed takes a number from 0 to 4294967295");
            }
        } else if (arg == "--generate") {
            const auto count = hasValue ? ParseNumber<int>(value()) : std::nullopt;
            if (!count || *count < 1 || *count > 500) {
                return UsageError(err, "--generate takes a number of boards from 1 to 500");
            }
            options.generate = count;
        } else if (arg == "--read") {
            if (!hasValue) {
                return needsValue("a file name");
            }
            options.read = value();
        } else if (arg == "--save") {
            if (!hasValue) {
                return needsValue("a file name");
            }
            options.saves.push_back(value());
        } else if (arg == "--header1" || arg == "--header2") {
            if (!hasValue) {
                return needsValue("a text");
            }
            (arg == "--header1" ? options.header1 : options.header2) = Utf8ToWindows1252(value());
        } else if (arg == "--language") {
            if (!hasValue) {
                return needsValue("a language name");
            }
            options.language = Utf8ToWindows1252(value());
        } else if (arg == "--list") {
            options.list = true;
        } else {
            for (const auto& pending : kPendingOptions) {
                if (arg == pending.name) {
                    err << "kesto batch: " << arg << " is not available yet\n";
                    return 2;
                }
            }
            return UsageError(err, "unknown option " + std::string(arg));
        }
    }
    if (options.generate && options.read) {
        return UsageError(err, "--generate and --read cannot go together");
    }
    return std::nullopt;
}

}  // namespace

std::string BatchHelpText() {
    return "Kesto prepares the boards of a duplicate bridge game.\n"
           "\n"
           "  kesto                 start the desktop program\n"
           "  kesto batch [options] run one job without a window\n"
           "\n"
           "Batch options:\n"
           "  --seed N              start the generator at RandomState N (0..4294967295)\n"
           "                        instead of the clock\n"
           "  --generate N          deal N random boards (1..500), as \"Generate random deals\"\n"
           "  --read FILE           read a deal file of any kind, as \"Read deals from file\"\n"
           "  --header1 TEXT        header line 1 (UTF-8 on the command line)\n"
           "  --header2 TEXT        header line 2\n"
           "  --list                print each board's deal record, one line per board\n"
           "  --save FILE           save the board set; the kind follows the extension:\n"
           "                        .dlm DLM, .dup DUP, anything else Kesto's own KST file;\n"
           "                        may be given more than once\n"
           "  --language NAME       the printing language for this run, by its name\n"
           "                        (English, Dansk, Deutsch, Dutch, Fran\xC3\xA7"
           "ais, Italiano,\n"
           "                        Polski, Svenska)\n"
           "  --help                show this text\n"
           "\n"
           "Batch reads the settings like the window and never writes them.\n"
           "Exit status: 0 done, 1 a failure (message on standard error), 2 a usage error.\n";
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    BatchOptions options;
    if (const auto status = ParseOptions(args, options, out, err)) {
        return *status;
    }

    SetSettingsReadOnly(true);
    const std::unique_ptr<Clock> clock = MakeSystemClock();
    LanguageTable languages;
    {
        SettingsStore store;
        languages.LoadFromSettings(store);
    }
    for (const std::string& notice : TakeSettingsNotices()) {
        err << "kesto batch: " << Windows1252ToUtf8(notice) << "\n";
    }
    if (options.language) {
        const int language = languages.FindLanguage(*options.language);
        if (language == 0) {
            return UsageError(err, "--language takes one of " + LanguageNames(languages));
        }
        languages.SetCurrentLanguage(language);
    }

    BatchView view(err);
    TKestoMain main(view, *clock, languages);
    main.FormCreate();
    if (main.TerminateRequested()) {
        return 1;
    }
    view.TakeMessageCount();  // start-up warnings are shown, not failures
    if (options.seed) {
        main.random.RandomState = *options.seed;
    }

    if (options.generate) {
        main.RadioGroup1Click(static_cast<int>(DealSource::Generate));
        main.UpDown1Change(*options.generate);
        main.NextBtnClick();
    } else if (options.read) {
        main.RadioGroup1Click(static_cast<int>(DealSource::ReadFromFile));
        view.SetOpenFile(*options.read);
        main.NextBtnClick();
        if (main.CurrentPage() == Page::First) {
            return 1;  // the reader has said why
        }
    }
    view.TakeMessageCount();
    if (options.header1) {
        main.Edit17Change(*options.header1);
    }
    if (options.header2) {
        main.Edit18Change(*options.header2);
    }

    if (options.list) {
        for (std::size_t i = 0; i < main.boardSet.size(); ++i) {
            out << DealRecord(static_cast<int>(i) + 1, main.boardSet[i]) << "\n";
        }
    }
    for (const std::string& file : options.saves) {
        view.SetSaveFile(file);
        main.SaveBtnClick();
        // A save that succeeds says nothing; any message is its failure.
        if (view.TakeMessageCount() > 0) {
            return 1;
        }
    }
    return 0;
}

}  // namespace kesto
