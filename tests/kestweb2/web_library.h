#pragma once
// The HTML page library loaded through the platform loader, as the program loads it, and the
// deal records and page helpers the tests share.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/platform/shared_library.h"
#include "kestweb2/kestweb2.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {

class WebLibrary : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // ClearDeals, then AddDeal for each record.
    static void SetDeals(const std::vector<std::string>& records);

    // A fresh path in this test's own folder.
    std::string PagePath(const std::string& name) const;

    static std::string ReadFile(const std::string& path);
    static std::string Golden(const std::string& name);

    static std::unique_ptr<SharedLibrary> library_;
    static AddDealFn addDeal_;
    static ClearDealsFn clearDeals_;
    static HTMLCustomFn htmlCustom_;
    static HTMLDefFn htmlDef_;
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Path("");
};

// "[Board "b"]|[Dealer "d"]|[Vulnerable "v"]|[Deal "deal"]", as the program sends a board.
std::string Record(int board, std::string_view dealer, std::string_view vulnerable,
                   std::string_view deal);

// Four deals whose holdings the golden pages spell out.
inline constexpr std::string_view kDealA =
    "N:AKQ2.JT9.876.543 JT9.AKQ2.543.876 876.543.AKQ2.JT9 543.876.JT9.AKQ2";
inline constexpr std::string_view kDealB =
    "E:AKQJT.98765.432. 98765.432..AKQJT 432..AKQJT.98765 .AKQJT.98765.432";
inline constexpr std::string_view kDealC =
    "S:AT2.KQ3.J54.9876 KQ3.J54.9876.AT2 J54.9876.AT2.KQ3 9876.AT2.KQ3.J54";
inline constexpr std::string_view kDealD =
    "W:AKQ2.JT9.876.543 JT9.AKQ2.543.876 876.543.AKQ2.JT9 543.876.JT9.AKQ2";

inline constexpr char kClub[] = "Kesto Bridge Club";
inline constexpr char kNight[] = "Tuesday 8 December 2026";

inline constexpr std::string_view kPageStart = "<HTML>\r\n<HEAD>\r\n<TITLE>";
inline constexpr std::string_view kPageEnd = "</TR></TABLE>\r\n</DIV>\r\n</BODY>\r\n</HTML>";
// Once in every deal cell: the board image.
inline constexpr std::string_view kCellMark = "ALT=\"&nbsp;\" HEIGHT=\"50\" WIDTH=\"50\"";

std::size_t Count(std::string_view text, std::string_view part);

}  // namespace kesto::test
