#include "kesto/platform/ascii_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto::test {
namespace {

TEST(AsciiText, WholeNumbers) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> strict, lenient;
    } cases[] = {
        {"12", 12, 12},
        {"-3", -3, -3},
        {"-0", 0, 0},
        {" 12", std::nullopt, 12},
        {"  +12", std::nullopt, 12},
        {"+-3", std::nullopt, std::nullopt},
        {"++3", std::nullopt, std::nullopt},
        {"12 ", std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"+", std::nullopt, std::nullopt},
        {"  ", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt},
        {"2147483647", 2147483647, 2147483647},
        {"-2147483648", INT32_MIN, INT32_MIN},
        {"2147483648", std::nullopt, std::nullopt},
        {"\xB9", std::nullopt, std::nullopt},  // a superscript one is no digit
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseWholeNumber<std::int32_t>(c.text), c.strict) << c.text;
        EXPECT_EQ(ParseLenientWholeNumber(c.text), c.lenient) << c.text;
    }
    // The type decides what fits and whether a sign may stand.
    EXPECT_EQ(ParseWholeNumber<std::uint32_t>("4294967295"), 4294967295u);
    EXPECT_EQ(ParseWholeNumber<std::uint32_t>("-1"), std::nullopt);
    EXPECT_EQ(ParseWholeNumber<std::uint32_t>("-0"), std::nullopt);
}

TEST(AsciiText, LinesEndAtLineFeedsWithOrWithoutACarriageReturn) {
    const struct {
        std::string_view text;
        std::vector<std::string_view> lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\n\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\r", {"a"}},
        {"a\r\r\nb", {"a\r", "b"}},  // only one carriage return belongs to the line end
        {"a\rb\n", {"a\rb"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
    }
    LineReader reader("x\n");
    EXPECT_EQ(reader.Next(), "x");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.Next(), "");  // past the end, as a text file reads
}

TEST(AsciiText, CaseFoldsAsciiLettersOnly) {
    EXPECT_TRUE(EqualsIgnoringCase("Software\\Tarnwick", "SOFTWARE\\tarnwick"));
    EXPECT_FALSE(EqualsIgnoringCase("Kesto", "Kest"));
    EXPECT_FALSE(EqualsIgnoringCase("\xE9", "\xC9"));  // e and E acute: not ASCII
    EXPECT_TRUE(StartsWithIgnoringCase("DWORD:0000001e", "dword:"));
    EXPECT_FALSE(StartsWithIgnoringCase("dwo", "dword:"));
    EXPECT_EQ(UpperAscii("Caf\xE9 dlm"), "CAF\xE9 DLM");
    EXPECT_EQ(LowerAscii("KESTWEB2.DLL"), "kestweb2.dll");
}

}  // namespace
}  // namespace kesto::test
