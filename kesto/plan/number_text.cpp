#include "kesto/plan/number_text.h"

namespace kesto {

std::string GroupedNumber(std::uint64_t number) {
    const std::string digits = std::to_string(number);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string DealsText(std::uint64_t deals) {
    constexpr std::uint64_t kMillion = 1'000'000;
    if (deals == 1) {
        return "1 deal";
    }
    if (deals < kMillion) {
        return GroupedNumber(deals) + " deals";
    }
    const std::uint64_t tenths = deals / (kMillion / 10);
    const std::string millions =
        GroupedNumber(tenths / 10) + (tenths % 10 == 0 ? "" : "." + std::to_string(tenths % 10));
    return millions + " million deals";
}

}  // namespace kesto
