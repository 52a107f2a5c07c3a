// Fuzz target: the PBN reader of other programs' files, and the PBN export file written
// from what it read.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return kesto::test::RunFuzzInput(kesto::test::CheckPbnFile, data, size);
}
