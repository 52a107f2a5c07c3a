#pragma once
// Text that names cards, for the window to show. The core's texts are Windows-1252, which holds
// no suit symbol, so a suit crosses to the window as itself and the window draws it as it draws
// suits everywhere: the symbol, red for hearts and diamonds.

#include <string>
#include <variant>
#include <vector>

#include "kesto/deal/suit.h"

namespace kesto {

// Windows-1252 pieces and suits in reading order: {Suit::Clubs, "6 is already with North."}.
using SuitedText = std::vector<std::variant<std::string, Suit>>;

}  // namespace kesto
