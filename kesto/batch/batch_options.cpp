#include "kesto/batch/batch_options.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <variant>

#include "kesto/files/deal_file_kinds.h"
#include "kesto/options/settings_table.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/text_encoding.h"

namespace kesto {

namespace {

constexpr std::string_view kUsageHint = "usage: kesto batch [options]; see kesto batch --help";
// The help's option column: "  --name VALUE" padded to this width, then the help text.
constexpr std::size_t kOptionColumn = 24;

// The number of a value's text, read by the rules of the type it goes into: a seed takes no
// sign at all, a count may be written "-0".
using ParseNumber = std::optional<std::int64_t> (*)(std::string_view text);

template <typename T>
std::optional<std::int64_t> ParseAs(std::string_view text) {
    return ParseWholeNumber<T>(text);
}

using SetSwitch = void (*)(BatchOptions& options);
using SetText = void (*)(BatchOptions& options, const std::string& value);
using SetNumber = void (*)(BatchOptions& options, std::int64_t value);

// How a missing value is reported: "--read needs a file name", or in the words of a value out
// of range ("--copies takes a number from 0 to 1000").
enum class WhenMissing { Needs, TakesRange };

struct BatchOption {
    std::string_view name{};
    std::string_view alias{};  // another spelling the parser takes, not shown in the help
    std::string_view value{};  // the value's name in the help ("N", "FILE"); "" for a switch
    std::string_view what{};   // the value in a usage error ("a file name", "a number")
    std::variant<SetSwitch, SetText, SetNumber> set{};
    // Numbers only: the range, and how the text is read.
    std::int64_t least = 0, most = 0;
    ParseNumber parse = ParseAs<int>;
    WhenMissing whenMissing = WhenMissing::Needs;
    // An empty text counts as no value (a file name: "" names no file, so nothing could be
    // read or written).
    bool emptyIsMissing = false;
    // Lines separated by '\n'; "{range}" stands for "least..most", "{kinds}" for the kinds of
    // deal file --save writes by extension.
    std::string_view help{};
};

// In the order of the help.
constexpr BatchOption kBatchOptions[] = {
    {.name = "--seed",
     .value = "N",
     .what = "a number",
     .set =
         SetNumber{[](BatchOptions& o, std::int64_t n) { o.seed = static_cast<std::uint32_t>(n); }},
     .most = 4294967295,
     .parse = ParseAs<std::uint32_t>,
     .help = "start the generator at RandomState N ({range})\ninstead of the clock"},
    {.name = "--generate",
     .value = "N",
     .what = "a number of boards",
     .set = SetNumber{[](BatchOptions& o, std::int64_t n) { o.generate = static_cast<int>(n); }},
     .least = kNumHands.min,
     .most = kNumHands.max,
     .whenMissing = WhenMissing::TakesRange,
     .help = "deal N random boards ({range}), as \"Generate random deals\""},
    {.name = "--secure",
     .set = SetSwitch{[](BatchOptions& o) { o.secure = true; }},
     .help = "deal from the system's secure random source, as the\n"
             "option \"Deal with a secure random generator\" does"},
    {.name = "--plan",
     .value = "TEXT",
     .what = "a plan",
     .set = SetText{[](BatchOptions& o, const std::string& v) { o.plan = Utf8ToWindows1252(v); }},
     .emptyIsMissing = true,
     .help = "deal only boards that meet the plan, as \"Deal to a plan\":\n"
             "its lines \"count: condition\" separated by newlines deal\n"
             "the sum of their counts; a single condition without a\n"
             "count deals --generate N boards; a line \"count: script\n"
             "FILE\" takes its condition from a dealer script"},
    {.name = "--plan-file",
     .value = "FILE",
     .what = "a file name",
     .set = SetText{[](BatchOptions& o, const std::string& v) { o.planFile = v; }},
     .emptyIsMissing = true,
     .help = "the same, with the plan read from a text file, ANSI or\n"
             "UTF-8; script files are found beside it. A file that\n"
             "holds a dealer script (condition, produce, predeal ...)\n"
             "deals it as one theme: --generate N boards, else its\n"
             "produce N, else 40; its seats turn to each board's dealer"},
    {.name = "--mix",
     .set = SetSwitch{[](BatchOptions& o) { o.mix = true; }},
     .help = "with a plan: the boards of all its lines in a random\n"
             "order, as \"Mix the themes\"; without it, line by line"},
    {.name = "--fixed-seats",
     .set = SetSwitch{[](BatchOptions& o) { o.fixedSeats = true; }},
     .help = "with a plan: keep the compass seats of its dealer scripts\n"
             "as written, as \"Keep the script's seats as written\";\n"
             "the boards keep their usual dealers"},
    {.name = "--read",
     .value = "FILE",
     .what = "a file name",
     .set = SetText{[](BatchOptions& o, const std::string& v) { o.read = v; }},
     .emptyIsMissing = true,
     .help = "read a deal file of any kind, as \"Read deals from file\""},
    {.name = "--header1",
     .value = "TEXT",
     .what = "a text",
     .set =
         SetText{[](BatchOptions& o, const std::string& v) { o.header1 = Utf8ToWindows1252(v); }},
     .help = "header line 1 (UTF-8 on the command line)"},
    {.name = "--header2",
     .value = "TEXT",
     .what = "a text",
     .set =
         SetText{[](BatchOptions& o, const std::string& v) { o.header2 = Utf8ToWindows1252(v); }},
     .help = "header line 2"},
    {.name = "--list",
     .set = SetSwitch{[](BatchOptions& o) { o.list = true; }},
     .help = "print each board's deal record, one line per board"},
    {.name = "--analyse",
     .set = SetSwitch{[](BatchOptions& o) { o.analyse = true; }},
     .help = "after any --list output, one line per complete board with\n"
             "its double-dummy tricks, par score and par contract as PBN\n"
             "tags, whatever the stored options say; --print, --html and\n"
             "--save x.pbn then carry the makeable contracts and par"},
    {.name = "--save",
     .value = "FILE",
     .what = "a file name",
     .set = SetText{[](BatchOptions& o, const std::string& v) { o.saves.push_back(v); }},
     .emptyIsMissing = true,
     .help = "save the board set; the kind follows the extension:\n"
             "{kinds}\n"
             "anything else Kesto's own KST file;\n"
             "may be given more than once"},
    {.name = "--html",
     .value = "FILE",
     .what = "a file name",
     .set = SetText{[](BatchOptions& o, const std::string& v) { o.html = v; }},
     .emptyIsMissing = true,
     .help = "write the HTML page through the HTML page library"},
    {.name = "--stats",
     .set = SetSwitch{[](BatchOptions& o) { o.stats = true; }},
     .help = "with --html: insert the statistics section"},
    {.name = "--gif-location",
     .value = "TEXT",
     .what = "a text",
     .set = SetText{[](BatchOptions& o, const std::string& v) {
         o.gifLocation = Utf8ToWindows1252(v);
     }},
     .help = "with --html: the image location (default: the stored one)"},
    {.name = "--print",
     .set = SetSwitch{[](BatchOptions& o) { o.print = true; }},
     .help = "print as \"Print\" does, with the counts below\n"
             "(defaults 0/0/0, no curtain cards)"},
    {.name = "--copies",
     .value = "N",
     .what = "a number",
     .set = SetNumber{[](BatchOptions& o, std::int64_t n) { o.copies = static_cast<int>(n); }},
     .least = kNumCopies.min,
     .most = kNumCopies.max,
     .whenMissing = WhenMissing::TakesRange,
     .help = "copies with all hands ({range})"},
    {.name = "--sets",
     .value = "N",
     .what = "a number",
     .set = SetNumber{[](BatchOptions& o, std::int64_t n) { o.sets = static_cast<int>(n); }},
     .least = kNumIndividualSets.min,
     .most = kNumIndividualSets.max,
     .whenMissing = WhenMissing::TakesRange,
     .help = "sets of individual deal sheets ({range})"},
    {.name = "--stat-sheets",
     .value = "N",
     .what = "a number",
     .set = SetNumber{[](BatchOptions& o, std::int64_t n) { o.statSheets = static_cast<int>(n); }},
     .least = kNumStatSheets.min,
     .most = kNumStatSheets.max,
     .whenMissing = WhenMissing::TakesRange,
     .help = "statistics sheets ({range})"},
    {.name = "--curtains",
     .set = SetSwitch{[](BatchOptions& o) { o.curtains = true; }},
     .help = "curtain cards, as the stored curtain options say"},
    {.name = "--output-folder",
     .value = "DIR",
     .what = "a folder",
     .set = SetText{[](BatchOptions& o, const std::string& v) { o.outputFolder = v; }},
     .emptyIsMissing = true,
     .help = "printouts go to DIR as PDF files, whatever printer is\nchosen"},
    {.name = "--language",
     .value = "NAME",
     .what = "a language name",
     .set =
         SetText{[](BatchOptions& o, const std::string& v) { o.language = Utf8ToWindows1252(v); }},
     .help = "the printing language for this run, by its name\n"
             "(English, Dansk, Deutsch, Dutch, Fran\xC3\xA7"
             "ais, Italiano,\n"
             "Polski, Svenska)"},
    {.name = "--help",
     .alias = "-h",
     .set = SetSwitch{[](BatchOptions& o) { o.help = true; }},
     .help = "show this text"},
};

const BatchOption* FindOption(std::string_view arg) {
    const auto* found = std::find_if(
        std::begin(kBatchOptions), std::end(kBatchOptions), [arg](const BatchOption& option) {
            return arg == option.name || (!option.alias.empty() && arg == option.alias);
        });
    return found == std::end(kBatchOptions) ? nullptr : found;
}

std::string RangeText(const BatchOption& option) {
    return std::to_string(option.least) + ".." + std::to_string(option.most);
}

// ".dlm DLM, .dup DUP, .pbn PBN,": the kinds --save writes besides the own file, from the table
// of kinds, in lines that keep the help within 80 columns.
std::string SavedKindsText() {
    std::string text, line;
    for (const DealFileKindRow& row : kDealFileKinds) {
        if (!row.Saved() || row.kind == DealFileKind::Own) {
            continue;
        }
        const std::string kind =
            "." + LowerAscii(row.extension) + " " + std::string(row.name) + ",";
        if (!line.empty() && kOptionColumn + line.size() + 1 + kind.size() > 80) {
            text += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + kind;
    }
    return text + line;
}

std::string OutOfRange(const BatchOption& option) {
    return std::string(option.name) + " takes " + std::string(option.what) + " from " +
           std::to_string(option.least) + " to " + std::to_string(option.most);
}

std::string MissingValue(const BatchOption& option) {
    return option.whenMissing == WhenMissing::Needs
               ? std::string(option.name) + " needs " + std::string(option.what)
               : OutOfRange(option);
}

// Sets what the option sets from its value (null when the command line ends before one).
// False after a usage error.
bool Apply(const BatchOption& option, const std::string* value, BatchOptions& options,
           std::ostream& err) {
    if (const auto* setSwitch = std::get_if<SetSwitch>(&option.set)) {
        (*setSwitch)(options);
        return true;
    }
    if (value == nullptr || (option.emptyIsMissing && value->empty())) {
        BatchUsageError(err, MissingValue(option));
        return false;
    }
    if (const auto* setText = std::get_if<SetText>(&option.set)) {
        (*setText)(options, *value);
        return true;
    }
    const std::optional<std::int64_t> number = option.parse(*value);
    if (!number || *number < option.least || *number > option.most) {
        BatchUsageError(err, OutOfRange(option));
        return false;
    }
    std::get<SetNumber>(option.set)(options, *number);
    return true;
}

// The options that mean something only together with another, or never together: each row
// names the combination that is refused and the usage error it gives.
struct Conflict {
    bool (*refused)(const BatchOptions& options);
    std::string_view message;
};

constexpr Conflict kConflicts[] = {
    {[](const BatchOptions& o) { return o.generate && o.read; },
     "--generate and --read cannot go together"},
    // A seed asks for the classic generator's reproducible deals; the secure source has none.
    {[](const BatchOptions& o) { return o.seed && o.secure; },
     "--seed and --secure cannot go together"},
    // A file's deals are read, not dealt: the secure source would go unused without a word.
    {[](const BatchOptions& o) { return o.read && o.secure; },
     "--read and --secure cannot go together"},
    {[](const BatchOptions& o) { return o.plan && o.planFile; },
     "--plan and --plan-file cannot go together"},
    // A file's deals are read as they stand: no plan could choose them.
    {[](const BatchOptions& o) { return (o.plan || o.planFile) && o.read; },
     "--plan or --plan-file and --read cannot go together"},
    {[](const BatchOptions& o) { return o.mix && !o.plan && !o.planFile; },
     "--mix goes with --plan or --plan-file"},
    {[](const BatchOptions& o) { return o.fixedSeats && !o.plan && !o.planFile; },
     "--fixed-seats goes with --plan or --plan-file"},
    {[](const BatchOptions& o) { return (o.stats || o.gifLocation) && !o.html; },
     "--stats and --gif-location go with --html"},
    {[](const BatchOptions& o) {
         const bool printCounts =
             o.copies || o.sets || o.statSheets || o.curtains || !o.outputFolder.empty();
         return printCounts && !o.print;
     },
     "--copies, --sets, --stat-sheets, --curtains and --output-folder go with --print"},
};

bool CheckCombinations(const BatchOptions& options, std::ostream& err) {
    for (const Conflict& conflict : kConflicts) {
        if (conflict.refused(options)) {
            BatchUsageError(err, std::string(conflict.message));
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsBatchOption(std::string_view arg) {
    return FindOption(arg) != nullptr;
}

int BatchUsageError(std::ostream& err, const std::string& what) {
    err << "kesto batch: " << what << "\n" << kUsageHint << "\n";
    return kBatchUsageError;
}

std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args,
                                              std::ostream& err) {
    BatchOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const BatchOption* option = FindOption(args[i]);
        if (option == nullptr) {
            BatchUsageError(err, "unknown option " + args[i]);
            return std::nullopt;
        }
        // A value is whatever argument follows, even one that looks like an option.
        const bool takesValue = !std::holds_alternative<SetSwitch>(option->set);
        const std::string* value = takesValue && i + 1 < args.size() ? &args[++i] : nullptr;
        if (!Apply(*option, value, options, err)) {
            return std::nullopt;
        }
        if (options.help) {
            return options;  // the help stops the parser: what follows is not looked at
        }
    }
    if (!CheckCombinations(options, err)) {
        return std::nullopt;
    }
    return options;
}

std::vector<BatchOptionHelp> BatchOptionHelps() {
    std::vector<BatchOptionHelp> helps;
    for (const BatchOption& option : kBatchOptions) {
        std::string text(option.help);
        if (const std::size_t range = text.find("{range}"); range != std::string::npos) {
            text.replace(range, std::string_view("{range}").size(), RangeText(option));
        }
        if (const std::size_t kinds = text.find("{kinds}"); kinds != std::string::npos) {
            text.replace(kinds, std::string_view("{kinds}").size(), SavedKindsText());
        }
        helps.push_back({std::string(option.name), std::string(option.value), std::move(text)});
    }
    return helps;
}

std::string BatchOptionLines() {
    std::string lines;
    for (const BatchOptionHelp& option : BatchOptionHelps()) {
        std::string head = "  " + option.name;
        if (!option.value.empty()) {
            head += " " + option.value;
        }
        head.resize(std::max(kOptionColumn, head.size() + 1), ' ');
        std::size_t start = 0;
        while (start <= option.text.size()) {
            const std::size_t end = std::min(option.text.find('\n', start), option.text.size());
            lines += head + option.text.substr(start, end - start) + "\n";
            head.assign(kOptionColumn, ' ');
            start = end + 1;
        }
    }
    return lines;
}

}  // namespace kesto
