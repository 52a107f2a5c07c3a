#pragma once
// Counts of deals as the plan's messages write them.

#include <cstdint>
#include <string>

namespace kesto {

// Thousands set apart by commas: "100,000".
std::string GroupedNumber(std::uint64_t number);

// "1 deal", "25,000 deals", "100 million deals", "41.2 million deals" (tenths cut off).
std::string DealsText(std::uint64_t deals);

}  // namespace kesto
