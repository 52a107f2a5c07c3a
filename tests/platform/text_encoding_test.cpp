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

}  // namespace
}  // namespace kesto::test
