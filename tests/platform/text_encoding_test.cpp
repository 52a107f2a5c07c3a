#include <gtest/gtest.h>

#include "kesto/platform/text_encoding.h"

namespace kesto::test {
namespace {

TEST(TextEncodingTest, RoundTripsEveryDefinedByte) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(one)), one) << b;
    }
}

TEST(TextEncodingTest, KnownCharacters) {
    EXPECT_EQ(Windows1252ToUtf8("Fran\xE7"
                                "ais"),
              "Fran\xC3\xA7"
              "ais");
    EXPECT_EQ(Windows1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(Utf8ToWindows1252("Gef\xC3\xA4hr"), "Gef\xE4hr");
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x80\x9Cquoted\xE2\x80\x9D"), "\x93quoted\x94");
}

TEST(TextEncodingTest, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x99\xA0"), "?");  // spade suit
    EXPECT_EQ(Utf8ToWindows1252("a\xF0\x9F\x82\xA1"
                                "b"),
              "a?b");                                     // playing card
    EXPECT_EQ(Utf8ToWindows1252("\xC3"), "?");            // cut short
    EXPECT_EQ(Utf8ToWindows1252("\xFF\xFE"), "??");       // not UTF-8 at all
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x28\xA1"), "?(?");  // bad continuation
}

TEST(TextEncodingTest, Utf8IsToldFromWindows1252) {
    struct Case {
        std::string bytes;
        bool utf8;
    };
    const Case cases[] = {
        {"Gef\xC3\xA4hr", true},
        {"\xE2\x82\xAC 5", true},    // euro sign
        {"\xF0\x9F\x82\xA1", true},  // playing card, four bytes
        {"plain ASCII", false},      // nothing to tell
        {"", false},
        {"Gef\xE4hr", false},         // Windows-1252
        {"Caf\xC3", false},           // cut short
        {"\xC0\xAF", false},          // overlong "/"
        {"\xE0\x80\xAF", false},      // overlong, three bytes
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // past U+10FFFF
        {"\xC3\xA4\x80", false},      // a stray continuation byte
        {"\xC3\xA9\xE9", false},      // UTF-8, then Windows-1252
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsUtf8WithNonAscii(c.bytes), c.utf8) << c.bytes;
    }
}

// A message holds the program's Windows-1252 text and file names as the system's bytes.
TEST(TextEncodingTest, AMessageShowsFileNamesAndProgramTextAlike) {
    const struct {
        std::string message, shown;
    } cases[] = {
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "\xC5\x81\xC3\xB3\x64\xC5\xBA"},  // not in Windows-1252
        {"Fran\xE7 Malm\xC3\xB6 \x80", "Fran\xC3\xA7 Malm\xC3\xB6 \xE2\x82\xAC"},  // both at once
        {"Malm\xF6.KST", "Malm\xC3\xB6.KST"},              // a name an earlier Kesto stored
        {"Caf\xC3", "Caf\xC3\x83"},                        // cut short: Windows-1252
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // a surrogate is no UTF-8
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MessageToUtf8(c.message), c.shown) << c.message;
    }
}

}  // namespace
}  // namespace kesto::test
