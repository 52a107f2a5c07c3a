#include "kesto/batch/batch.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>

#include "kesto/batch/batch_view.h"
#include "kesto/files/deal_notation.h"
#include "kesto/html/html_export.h"
#include "kesto/options/language_table.h"
#include "kesto/options/no_option_window.h"
#include "kesto/options/option_dialog.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/clock.h"
#include "kesto/platform/text_encoding.h"
#include "kesto/print/print_options.h"
#include "kesto/print/print_without_window.h"
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
    std::optional<std::string> html;
    bool stats = false;
    std::optional<std::string> gifLocation;
    bool print = false;
    int copies = 0, sets = 0, statSheets = 0;
    bool curtains = false;
    std::string outputFolder;
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
        } else if (arg == "--html") {
            if (!hasValue) {
                return needsValue("a file name");
            }
            options.html = value();
        } else if (arg == "--stats") {
            options.stats = true;
        } else if (arg == "--gif-location") {
            if (!hasValue) {
                return needsValue("a text");
            }
            options.gifLocation = Utf8ToWindows1252(value());
        } else if (arg == "--print") {
            options.print = true;
        } else if (arg == "--copies" || arg == "--sets" || arg == "--stat-sheets") {
            const int most = arg == "--sets" ? 100 : 1000;
            const auto count = hasValue ? ParseNumber<int>(value()) : std::nullopt;
            if (!count || *count < 0 || *count > most) {
                return UsageError(
                    err, std::string(arg) + " takes a number from 0 to " + std::to_string(most));
            }
            (arg == "--copies" ? options.copies
             : arg == "--sets" ? options.sets
                               : options.statSheets) = *count;
        } else if (arg == "--curtains") {
            options.curtains = true;
        } else if (arg == "--output-folder") {
            if (!hasValue) {
                return needsValue("a folder");
            }
            options.outputFolder = value();
            if (options.outputFolder.empty()) {
                return UsageError(err, "--output-folder needs a folder");
            }
        } else {
            return UsageError(err, "unknown option " + std::string(arg));
        }
    }
    if (options.generate && options.read) {
        return UsageError(err, "--generate and --read cannot go together");
    }
    if ((options.stats || options.gifLocation) && !options.html) {
        return UsageError(err, "--stats and --gif-location go with --html");
    }
    const bool printCounts = options.copies || options.sets || options.statSheets ||
                             options.curtains || !options.outputFolder.empty();
    if (printCounts && !options.print) {
        return UsageError(err,
                          "--copies, --sets, --stat-sheets, --curtains and --output-folder "
                          "go with --print");
    }
    return std::nullopt;
}

// --print: the print job without a window, never asking, never writing the settings.
int Print(const BatchOptions& options, const TKestoMain& main, const TOptionDlg& optionDlg,
          const BatchServices& services, std::ostream& out, std::ostream& err) {
    WindowlessPrint print;
    print.request.boardSet = &main.boardSet;
    print.request.mode = main.Mode();
    print.request.dealsComplete = main.DealsComplete;
    print.request.printEmptyDeals = main.PrintEmptyDeals;
    print.request.header1 = main.HeaderLine1();
    print.request.header2 = main.HeaderLine2();
    print.request.copies = options.copies;
    print.request.sets = options.sets;
    print.request.statSheets = options.statSheets;
    print.request.curtains = options.curtains;
    print.request.randomDealCount = main.RandomDealCount();
    print.library = main.Printing();
    print.options = [&optionDlg] { return PrintOptionsOf(optionDlg); };
    print.outputFolder = options.outputFolder;
    // Made only when a sheet is printed, after the output folder is in force.
    std::unique_ptr<PrinterCanvas> canvas;
    print.statisticsCanvas = [&]() -> PrinterCanvas* {
        if (!canvas && services.printOutput) {
            canvas = services.printOutput(services.settingsPath).canvas;
        }
        return canvas.get();
    };
    return PrintWithoutWindow(print, out, err) == PrintJobOutcome::Printed ? 0 : 1;
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
           "  --html FILE           write the HTML page through the HTML page library\n"
           "  --stats               with --html: insert the statistics section\n"
           "  --gif-location TEXT   with --html: the image location (default: the stored one)\n"
           "  --print               print as \"Print\" does, with the counts below\n"
           "                        (defaults 0/0/0, no curtain cards)\n"
           "  --copies N            copies with all hands (0..1000)\n"
           "  --sets N              sets of individual deal sheets (0..100)\n"
           "  --stat-sheets N       statistics sheets (0..1000)\n"
           "  --curtains            curtain cards, as the stored curtain options say\n"
           "  --output-folder DIR   printouts go to DIR as PDF files, whatever printer is\n"
           "                        chosen\n"
           "  --language NAME       the printing language for this run, by its name\n"
           "                        (English, Dansk, Deutsch, Dutch, Fran\xC3\xA7"
           "ais, Italiano,\n"
           "                        Polski, Svenska)\n"
           "  --help                show this text\n"
           "\n"
           "Batch reads the settings like the window and never writes them.\n"
           "Exit status: 0 done, 1 a failure (message on standard error), 2 a usage error.\n";
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             const BatchServices& services) {
    BatchOptions options;
    if (const auto status = ParseOptions(args, options, out, err)) {
        return *status;
    }

    const std::unique_ptr<Clock> clock = MakeSystemClock();
    // The options dialog's logic reads the stored options and language as at start-up; with
    // no window it is never shown. Batch runs read the settings and never write them.
    const SettingsFile settings{services.settingsPath, SettingsAccess::ReadOnly};
    LanguageTable languages;
    NoOptionWindow optionWindow;
    TOptionDlg optionDlg(optionWindow, languages, settings);
    optionDlg.FormCreate();
    if (options.gifLocation) {
        optionDlg.GIFLocationEditChange(*options.gifLocation);
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
    TKestoMain main(view, *clock, languages, settings);
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
    if (options.html) {
        if (main.Html() == nullptr) {
            return 1;  // start-up has said why
        }
        const HtmlBatchResult page =
            WriteHtmlPage(*options.html, main.boardSet, main.HeaderLine1(), main.HeaderLine2(),
                          options.stats, HtmlOptionsOf(optionDlg), *main.Html());
        if (page.outcome != HtmlExportOutcome::Written) {
            err << "kesto batch: " << Windows1252ToUtf8(page.message) << "\n";
            return 1;
        }
    }
    if (options.print) {
        return Print(options, main, optionDlg, services, out, err);
    }
    return 0;
}

}  // namespace kesto
