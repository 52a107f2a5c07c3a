// Fuzz target: the reader of the online table's LIN files.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return kesto::test::RunFuzzInput(kesto::test::CheckLinFile, data, size);
}
