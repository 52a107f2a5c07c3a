#pragma once
// Writing the page of a deal list: the head with the titles, one cell per readable record,
// three cells to a row, filler cells and the closing text.

#include <array>
#include <string>
#include <vector>

#include "kestweb2/kestweb2.h"

namespace kesto::kestweb2 {

// The words printed on a page, defaults already in place.
struct PageWords {
    std::string ace, king, queen, jack, ten;
    std::string noneVulnerable, bothVulnerable;
    std::string dealerLabel, boardLabel, vulnerabilityLabel;
    std::array<std::string, 4> seatLetters;  // indexed by Seat: North, East, South, West
};

struct PageRequest {
    const char* fileName = nullptr;  // lent for the call
    std::string imageLocation;
    std::string title1;
    std::string title2;
    bool title2Given = false;  // a null title 2 gives a different page title than an empty one
    PageWords words;
    bool boardByPosition = false;
    bool dealerVulByPosition = false;
};

// Writes the page of deals to request.fileName. An empty list writes nothing and touches no
// file. Returns the status of the output file; deals is only read.
KestWeb2Status WritePage(const std::vector<std::string>& deals, const PageRequest& request);

}  // namespace kesto::kestweb2
