// Fuzz target: ReadDealerScript, the conditions and fixed cards it builds and dealing to them.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return kesto::test::RunFuzzInput(kesto::test::CheckDealerScript, data, size);
}
