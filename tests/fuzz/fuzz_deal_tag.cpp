// Fuzz target: a Deal tag pair read as the own deal file reads it.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return kesto::test::RunFuzzInput(kesto::test::CheckDealTag, data, size);
}
