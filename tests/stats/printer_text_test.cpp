#include "kesto/stats/printer_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_name.h"
#include "tests/support/recording_canvas.h"

namespace kesto::test {
namespace {

// The recording canvas draws a character as wide as the font size and a line twice as high.
class PrinterTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(canvas_.BeginDoc("test").Ok());
        canvas_.SetFont(CanvasFont{"Arial", 10, false, false});
    }
    RecordingCanvas canvas_;
};

TEST_F(PrinterTextTest, RightAlignedTextEndsAtX) {
    TextOutRight(canvas_, 100, 5, "abc");
    ASSERT_EQ(canvas_.Calls().size(), 1u);
    EXPECT_EQ(canvas_.Calls()[0].x, 70);
    EXPECT_EQ(canvas_.Calls()[0].y, 5);
    EXPECT_EQ(canvas_.Calls()[0].text, "abc");
}

TEST_F(PrinterTextTest, CentredTextStartsHalfItsWidthLeftOfX) {
    TextOutCentered(canvas_, 100, 5, "abcde");
    canvas_.SetFont(CanvasFont{"Arial", 11, true, false});
    TextOutCentered(canvas_, 100, 7, "abc");  // 33 wide: half is 16
    ASSERT_EQ(canvas_.Calls().size(), 2u);
    EXPECT_EQ(canvas_.Calls()[0].x, 75);
    EXPECT_EQ(canvas_.Calls()[1].x, 84);
    EXPECT_EQ(canvas_.Calls()[1].y, 7);
}

TEST_F(PrinterTextTest, LineAdvancesYByTheTextHeight) {
    int y = 30;
    TextOutLine(canvas_, 12, y, "abc");
    EXPECT_EQ(y, 50);
    ASSERT_EQ(canvas_.Calls().size(), 1u);
    EXPECT_EQ(canvas_.Calls()[0].x, 12);
    EXPECT_EQ(canvas_.Calls()[0].y, 30);
}

struct WrapCase {
    const char* name;
    const char* text;
    int right;
    int left;
    int margin;
    std::vector<std::string> lines;
};

class WrapTest : public PrinterTextTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(WrapTest, LinesDrawnOneBelowTheOtherAtLeft) {
    const WrapCase& c = GetParam();
    int y = 100;
    WrapTextOut(canvas_, c.right, c.left, c.text, y, c.margin);
    std::vector<std::string> drawn;
    for (std::size_t i = 0; i < canvas_.Calls().size(); ++i) {
        const auto& call = canvas_.Calls()[i];
        drawn.push_back(call.text);
        EXPECT_EQ(call.x, c.left) << i;
        EXPECT_EQ(call.y, 100 + 20 * static_cast<int>(i)) << i;
    }
    EXPECT_EQ(drawn, c.lines);
    EXPECT_EQ(y, 100 + 20 * static_cast<int>(c.lines.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Wrap, WrapTest,
    ::testing::Values(
        WrapCase{"FitsExactly", "one two three", 130, 0, 0, {"one two three"}},
        WrapCase{"BreaksAtTheLastBlankThatFits", "one two three", 70, 0, 0, {"one two", "three"}},
        WrapCase{"ColumnOffsetFromLeft", "one two three", 370, 300, 0, {"one two", "three"}},
        WrapCase{"MarginNarrowsTheColumn", "one two three", 80, 0, 10, {"one two", "three"}},
        WrapCase{"MarginOneMoreBreaks", "one two three", 80, 0, 20, {"one", "two", "three"}},
        WrapCase{"TrailingBlanksRemoved", "word   ", 40, 0, 0, {"word"}},
        WrapCase{"DoubleBlanksInsideALineStay",
                 "counted.  For example",
                 170,
                 0,
                 0,
                 {"counted.  For", "example"}},
        // The first blank of a pair stays at the end of a line (it takes no ink).
        WrapCase{"NoLineStartsWithABlank", "aaa  bbb  ccc", 40, 0, 0, {"aaa ", "bbb ", "ccc"}},
        WrapCase{"OverLongWordDrawnWhole", "abcdefghij xy", 50, 0, 0, {"abcdefghij", "xy"}},
        WrapCase{"OverLongWordAlone", "abcdefghijkl", 50, 0, 0, {"abcdefghijkl"}}),
    CaseName());

}  // namespace
}  // namespace kesto::test
