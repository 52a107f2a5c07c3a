// Random, mutated, cut-off and very long records: the library always returns, writes a whole
// page, and draws a cell exactly for the records whose deal tag starts with a seat letter.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "tests/kestweb2/web_library.h"

namespace kesto::test {
namespace {

constexpr std::string_view kDealTag = "[Deal \"";

// The record has a deal tag whose first character is a seat letter, in either case.
bool Readable(std::string_view record) {
    const std::size_t at = record.find(kDealTag);
    if (at == std::string_view::npos || at + kDealTag.size() >= record.size()) {
        return false;
    }
    const char seat = record[at + kDealTag.size()];
    return std::string_view("NESWnesw").find(seat) != std::string_view::npos;
}

// Pieces that make the reader take its every turn.
const std::vector<std::string> kPieces = {
    "[Board \"", "[Dealer \"", "[Deal \"",   "[Vulnerable \"",
    "None\"]",   "NS\"]",      "EW\"]",      "All\"]",
    "Both\"]",   "\"]",        "|",          "N:",
    "e:",        "S",          "w",          "X:",
    ":",         " ",          "  ",         ".",
    "..",        "-",          "\"",         "AKQJT",
    "98765432",  "akqjt",      "12",         "0",
    "\xE9\xFF",  "\x01",       "DealHeader", "NorthSpadeSt",
    "Title1",    "spade_gif",
};

class Fuzz : public WebLibrary {
  protected:
    std::mt19937 random_{20261208u};

    std::size_t Below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
    }

    std::string RandomRecord() {
        std::string record;
        const std::size_t pieces = Below(24);
        for (std::size_t i = 0; i < pieces; ++i) {
            if (Below(4) == 0) {
                record += static_cast<char>(1 + Below(255));
            } else {
                record += kPieces[Below(kPieces.size())];
            }
        }
        return record;
    }

    std::string Mutated(std::string record) {
        const std::size_t changes = 1 + Below(4);
        for (std::size_t i = 0; i < changes && !record.empty(); ++i) {
            const std::size_t at = Below(record.size());
            switch (Below(4)) {
                case 0:
                    record[at] = static_cast<char>(1 + Below(255));
                    break;
                case 1:
                    record.erase(at, 1 + Below(8));
                    break;
                case 2:
                    record.insert(at, kPieces[Below(kPieces.size())]);
                    break;
                default:
                    record.resize(at);
                    break;
            }
        }
        return record;
    }

    // Writes the page of records with random caller words and checks what must always hold.
    void CheckPage(const std::vector<std::string>& records) {
        SetDeals(records);
        const std::string path = PagePath("fuzz.html");
        const std::string location = RandomRecord();
        const std::string title = RandomRecord();
        const int32_t status =
            htmlCustom_(path.c_str(), location.c_str(), title.c_str(), "x", "A", "K", "Q", "J",
                        "10", "", "", "", "", "", "N", "E", "S", "W",
                        static_cast<int32_t>(Below(2)), static_cast<int32_t>(Below(2)));
        ASSERT_EQ(status, kKestWeb2Ok);
        const std::string page = ReadFile(path);
        ASSERT_GE(page.size(), kPageStart.size() + kPageEnd.size());
        EXPECT_EQ(page.substr(0, kPageStart.size()), kPageStart);
        EXPECT_EQ(page.substr(page.size() - kPageEnd.size()), kPageEnd);
        std::size_t readable = 0;
        for (const std::string& record : records) {
            readable += Readable(record) ? 1 : 0;
        }
        EXPECT_EQ(Count(page, kCellMark), readable);
    }
};

TEST_F(Fuzz, RandomRecords) {
    for (int page = 0; page < 150; ++page) {
        std::vector<std::string> records(1 + Below(12));
        for (std::string& record : records) {
            record = RandomRecord();
        }
        SCOPED_TRACE(page);
        CheckPage(records);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST_F(Fuzz, MutatedRecords) {
    const std::vector<std::string> valid = {
        Record(1, "N", "None", kDealA), Record(2, "E", "NS", kDealB), Record(3, "S", "EW", kDealC),
        Record(4, "W", "All", kDealD)};
    for (int page = 0; page < 150; ++page) {
        std::vector<std::string> records(1 + Below(9));
        for (std::string& record : records) {
            record = Mutated(valid[Below(valid.size())]);
        }
        SCOPED_TRACE(page);
        CheckPage(records);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST_F(Fuzz, CellsTheSameWhenACallerWordHoldsAPlaceholderName) {
    // A caller word that holds a placeholder name is never taken for the template's own
    // placeholder: as long as that word is never printed the page must not change.
    for (int page = 0; page < 60; ++page) {
        std::vector<std::string> records(1 + Below(6));
        for (std::string& record : records) {
            record = Below(2) == 0
                         ? RandomRecord()
                         : Mutated(Record(static_cast<int>(Below(40)), "E", "EW", kDealB));
            std::erase(record, 'J');
        }
        SetDeals(records);
        const int32_t byPosition = static_cast<int32_t>(Below(2));
        const std::string plain = PagePath("plain.html");
        const std::string named = PagePath("named.html");
        ASSERT_EQ(htmlCustom_(plain.c_str(), "img", "T", "U", "A", "K", "Q", "J", "T", "", "", "",
                              "", "", "N", "E", "S", "W", byPosition, 0),
                  kKestWeb2Ok);
        ASSERT_EQ(htmlCustom_(named.c_str(), "img", "T", "U", "A", "K", "Q", "SouthClubSt", "T", "",
                              "", "", "", "", "N", "E", "S", "W", byPosition, 0),
                  kKestWeb2Ok);
        SCOPED_TRACE(page);
        EXPECT_EQ(ReadFile(plain), ReadFile(named));
    }
}

TEST_F(Fuzz, RecordCutAtEveryLength) {
    // Among them: a record that ends right after a tag's opening quote, right after the seat
    // letter, right after the colon, and in the middle of every hand.
    const std::string whole = Record(7, "s", "All", kDealC);
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        SCOPED_TRACE(length);
        CheckPage({whole.substr(0, length)});
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST_F(Fuzz, VeryLongRecords) {
    const std::string cards(10000, 'A');
    const std::string digits(10000, '7');
    const std::vector<std::string> records = {
        "[Deal \"N:" + cards,
        "[Board \"" + digits + "\"]|[Deal \"N:AK",
        Record(1, "N", "None", "N:" + cards + " " + cards + "." + cards),
        std::string(10000, '[') + "[Deal \"W:" + std::string(10000, '.'),
        "[Deal \"E:" + std::string(10000, ' '),
        "[Deal \"S:" + std::string(10000, '-'),
        std::string(10000, '\xA0'),
    };
    CheckPage(records);
    // The long board number is printed whole when it comes from the record.
    const std::string path = PagePath("long.html");
    ASSERT_EQ(htmlDef_(path.c_str(), "", "", "", 'T', 0, 0), kKestWeb2Ok);
    EXPECT_NE(ReadFile(path).find("<B>Board " + digits + "</B>"), std::string::npos);
}

}  // namespace
}  // namespace kesto::test
