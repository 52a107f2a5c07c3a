// Fuzz target: the reader of the dealing machines' DGE files.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return kesto::test::RunFuzzInput(kesto::test::CheckDgeFile, data, size);
}
