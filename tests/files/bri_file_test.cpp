#include "kesto/files/bri_file.h"

#include <gtest/gtest.h>

#include "files_test_support.h"

namespace kesto::test {
namespace {

// Records are told by their card fields: a damaged record or filler leaves a BRI file one, and
// no DUP file passes, whatever its size.
TEST(BRIFile, IsToldByTheCardFieldsOfItsRecords) {
    const std::string bri = BRIFileBytes(RandomBoards(3));
    const std::string dupRecord = std::string(78, '1') + std::string(68, ' ') + "YN1  1 1  ";
    struct Case {
        const char* what;
        std::string bytes;
        bool bri;
    };
    const Case cases[] = {
        {"three records", bri, true},
        {"one record", bri.substr(0, 128), true},
        {"a last record cut short", bri.substr(0, 300), true},
        {"a letter in record 1", std::string(bri).replace(10, 2, "x1"), true},
        {"a letter in record 2", std::string(bri).replace(128 + 10, 2, "x1"), true},
        {"letters in records 1 and 2", std::string(bri).replace(10, 2, "x1").replace(138, 1, "x"),
         false},
        {"a letter in the filler", std::string(bri).replace(100, 1, "x"), true},
        {"one record less a byte", bri.substr(0, 127), false},
        {"one DUP record", dupRecord, false},
        {"twenty DUP records",
         [&] {
             std::string dup;
             for (int i = 0; i < 20; ++i) {
                 dup += dupRecord;
             }
             return dup;
         }(),
         false},
        {"text", std::string(400, 'x'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LooksLikeBRIFile(c.bytes), c.bri);
    }
}

}  // namespace
}  // namespace kesto::test
