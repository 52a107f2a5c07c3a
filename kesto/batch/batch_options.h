#pragma once
// The batch command's options: one table of name, value, range, help text and effect drives
// both the command-line parser and the option lines of `kesto batch --help`. A new option is
// one more row (and whatever the job does with it).

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

// What the command line asked for. Texts typed as UTF-8 (header lines, image location,
// language) are held as Windows-1252; file and folder names as given.
struct BatchOptions {
    bool help = false;
    std::optional<std::uint32_t> seed;
    std::optional<int> generate;
    bool secure = false;
    std::optional<std::string> read;
    // --plan TEXT (Windows-1252, lines separated by "\n") or --plan-file FILE, --mix and
    // --fixed-seats.
    std::optional<std::string> plan, planFile;
    bool mix = false;
    bool fixedSeats = false;
    std::optional<std::string> header1, header2;
    std::optional<std::string> language;
    std::vector<std::string> saves;
    bool list = false;
    // --analyse: the double-dummy analysis of every board, whatever the stored option says.
    bool analyse = false;
    std::optional<std::string> html;
    bool stats = false;
    std::optional<std::string> gifLocation;
    bool print = false;
    int copies = 0, sets = 0, statSheets = 0;
    bool curtains = false;
    std::string outputFolder;
};

// The exit status of a usage error.
inline constexpr int kBatchUsageError = 2;

// Parses the command line. Nullopt after writing a usage error and the one-line usage hint to
// err. --help ends the parse: the options then have help set and nothing after it is read.
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args,
                                              std::ostream& err);

// True for a name the batch command takes as an option ("--generate", "-h", ...).
bool IsBatchOption(std::string_view arg);

// Writes "kesto batch: <what>" and the usage hint to err; gives kBatchUsageError.
int BatchUsageError(std::ostream& err, const std::string& what);

// An option as its help describes it, for each rendering of the help (the command's own, the
// manual page): "--copies", "N", and its text, lines separated by '\n', ranges filled in.
struct BatchOptionHelp {
    std::string name;
    std::string value;  // "" for a switch
    std::string text;
};
std::vector<BatchOptionHelp> BatchOptionHelps();

// One line or more per option, in the table's order: "  --name VALUE" in a column of its own,
// then the help text, every line ending in "\n".
std::string BatchOptionLines();

}  // namespace kesto
