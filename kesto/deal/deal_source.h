#pragma once
// Where the board set came from: the first page's choice. Deal files record it, the print
// job's footer line follows it.

namespace kesto {

enum class DealSource {
    Generate = 0,      // "&Generate random deals"
    Record = 1,        // "&Record deals that have already been dealt"
    ReadFromFile = 2,  // "Read deals fro&m file"
};

}  // namespace kesto
