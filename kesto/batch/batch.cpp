#include "kesto/batch/batch.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/files/deal_notation.h"
#include "kesto/platform/clock.h"

namespace kesto {

namespace {

constexpr std::string_view kUsageHint = "usage: kesto batch [options]; see kesto batch --help";

// Options whose subsystem has not landed yet, with whether they take a value.
struct PendingOption {
    std::string_view name;
    bool takesValue;
};
constexpr PendingOption kPendingOptions[] = {
    {"--read", true},         {"--header1", true},       {"--header2", true},
    {"--save", true},         {"--html", true},          {"--stats", false},
    {"--gif-location", true}, {"--print", false},        {"--copies", true},
    {"--sets", true},         {"--stat-sheets", true},   {"--curtains", false},
    {"--language", true},     {"--output-folder", true},
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
           "  --generate N          deal N random boards (1..500)\n"
           "  --list                print each board's deal record, one line per board\n"
           "  --help                show this text\n"
           "\n"
           "Exit status: 0 done, 1 a failure (message on standard error), 2 a usage error.\n";
}

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::uint32_t> seed;
    std::optional<int> generate;
    bool list = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= args.size()) {
                return std::nullopt;
            }
            return std::string_view(args[++i]);
        };
        if (arg == "--help" || arg == "-h") {
            out << BatchHelpText();
            return 0;
        } else if (arg == "--seed") {
            auto text = value();
            if (!text) {
                return UsageError(err, "--seed needs a number");
            }
            seed = ParseNumber<std::uint32_t>(*text);
            if (!seed) {
                return UsageError(err, "--seed takes a number from 0 to 4294967295");
            }
        } else if (arg == "--generate") {
            auto text = value();
            auto count = text ? ParseNumber<int>(*text) : std::nullopt;
            if (!count || *count < 1 || *count > 500) {
                return UsageError(err, "--generate takes a number of boards from 1 to 500");
            }
            generate = count;
        } else if (arg == "--list") {
            list = true;
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

    RandomGenerator random;
    if (seed) {
        random.RandomState = *seed;
    } else {
        random.SeedFromClock(*MakeSystemClock());
    }
    tBoardSet boardSet;
    if (generate) {
        GenerateRandomDeals(boardSet, *generate, random);
    }
    if (list) {
        for (std::size_t i = 0; i < boardSet.size(); ++i) {
            out << DealRecord(static_cast<int>(i) + 1, boardSet[i]) << "\n";
        }
    }
    return 0;
}

}  // namespace kesto
