#pragma once
// Curtain cards: which PrintCustom calls the print job makes for them and their arguments.
// Grouped by position: four printouts, kinds 9, 10, 11, 12 (North, East, South, West);
// grouped by board: one printout, kind 8. Cards are 5 cm wide and 6, 7 or 8 cm high.

#include <cstdint>
#include <vector>

#include "kesto/print/print_arguments.h"
#include "kesto/print/print_options.h"
#include "kesto/print/printing_library.h"

namespace kesto {

inline constexpr std::int32_t kPrintCurtainsByBoard = 8;
inline constexpr std::int32_t kPrintCurtainsNorth = 9;  // then East 10, South 11, West 12
inline constexpr std::int32_t kCurtainCardWidthCm = 5;

// 6 for "5 x 6 cm.", 8 for "5 x 8 cm", 7 for any other value.
std::int32_t CurtainCardHeight(int dimensions);

// The print kinds of the curtain-card step, in call order: 9, 10, 11, 12 for collation 0,
// otherwise 8 alone.
std::vector<std::int32_t> CurtainCardKinds(int collation);

// One curtain-card printout: no rank letters; the words for none, both, the short dealer word
// and Vul, so that each card shows its board's dealer and vulnerability as hand records do.
PrintCustomArguments CurtainCardArguments(std::int32_t kind, const PrintTexts& texts,
                                          const PrintOptions& options);

}  // namespace kesto
