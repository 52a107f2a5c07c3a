// A library that must never be loaded unasked: as it loads, it leaves the file
// "planted-library-ran" in the current folder.

#include <cstdio>

namespace {

[[gnu::constructor]] void LeaveMarker() {
    if (std::FILE* marker = std::fopen("planted-library-ran", "w")) {
        std::fclose(marker);
    }
}

}  // namespace
