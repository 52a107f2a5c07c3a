#include "kesto/platform/registry_hive.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "kesto/platform/file_io.h"
#include "tests/support/bounded_child.h"
#include "tests/support/scratch_folder.h"

namespace kesto::test {
namespace {

constexpr std::string_view kKey = "HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2";
const std::string kDutchKey = std::string(kKey) + "\\Dutch";

// The file a first run's writes give: bytes as the registry editor exports them.
constexpr std::string_view kSmallFile =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n"
    "\"NumHands\"=dword:0000001e\r\n"
    "\"UserLanguage\"=\"Fran\xE7"
    "ais\"\r\n"
    "\"GIFDirectory\"=\"C:\\\\Web\\\\\\\"gifs\\\"\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\Dutch]\r\n"
    "\"2\"=\"K\"\r\n"
    "\r\n";

RegistryHive SmallHive() {
    RegistryHive hive;
    hive.SetValue(kKey, "NumHands", RegistryValue::Dword(30));
    hive.SetValue(kKey, "UserLanguage",
                  RegistryValue::String("Fran\xE7"
                                        "ais"));
    hive.SetValue(kKey, "GIFDirectory", RegistryValue::String("C:\\Web\\\"gifs\""));
    hive.SetValue(kDutchKey, "2", RegistryValue::String("K"));
    return hive;
}

// Bytes as the registry editor exports them; an empty hive is the header alone.
TEST(RegistryHiveFormat, HivesAreWrittenByteForByte) {
    EXPECT_EQ(SmallHive().Serialise(), kSmallFile);
    EXPECT_EQ(RegistryHive().Serialise(), "REGEDIT4\r\n\r\n");
}

TEST(RegistryHiveFormat, KeyWithoutValuesIsAnEmptySection) {
    const std::string file =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n\r\n";
    const StatusOr<RegistryHive> hive = RegistryHive::Parse(file);
    ASSERT_TRUE(hive.status.Ok()) << hive.status.Reason();
    EXPECT_EQ(hive.value.Serialise(), file);
}

TEST(RegistryHiveFormat, SmallFileParsesToTheSameValuesAndTypes) {
    const StatusOr<RegistryHive> parsed = RegistryHive::Parse(kSmallFile);
    ASSERT_TRUE(parsed.status.Ok()) << parsed.status.Reason();
    const RegistryHive& hive = parsed.value;
    EXPECT_EQ(hive.Serialise(), kSmallFile);
    EXPECT_EQ(*hive.FindValue(kKey, "NumHands"), RegistryValue::Dword(30));
    EXPECT_EQ(*hive.FindValue(kKey, "UserLanguage"), RegistryValue::String("Fran\xE7"
                                                                           "ais"));
    EXPECT_EQ(*hive.FindValue(kKey, "GIFDirectory"), RegistryValue::String("C:\\Web\\\"gifs\""));
    EXPECT_EQ(*hive.FindValue(kDutchKey, "2"), RegistryValue::String("K"));
    EXPECT_EQ(hive.FindValue(kDutchKey, "3"), nullptr);
}

struct RoundTripCase {
    const char* label;
    RegistryValue value;
};
void PrintTo(const RoundTripCase& c, std::ostream* out) {
    *out << c.label;
}

class RegistryHiveRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RegistryHiveRoundTrip, ValueSurvivesWritingAndReading) {
    RegistryHive hive;
    ASSERT_TRUE(hive.SetValue(kKey, "Value", GetParam().value));
    const std::string bytes = hive.Serialise();
    const StatusOr<RegistryHive> parsed = RegistryHive::Parse(bytes);
    ASSERT_TRUE(parsed.status.Ok()) << parsed.status.Reason() << "\n" << bytes;
    const RegistryHive& back = parsed.value;
    const RegistryValue* value = back.FindValue(kKey, "Value");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(*value, GetParam().value);
    EXPECT_EQ(back.Serialise(), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistryHiveRoundTrip,
    ::testing::Values(RoundTripCase{"Empty", RegistryValue::String("")},
                      RoundTripCase{"Quotes", RegistryValue::String("\"a\" \"\"")},
                      RoundTripCase{"Backslashes", RegistryValue::String("\\\\server\\share\\")},
                      RoundTripCase{"BackslashQuote", RegistryValue::String("\\\"")},
                      RoundTripCase{"HighBytes", RegistryValue::String("\xD8st S\xFC"
                                                                       "d \x80\xFF")},
                      RoundTripCase{"SemicolonAndBrackets", RegistryValue::String("; [x] =@")},
                      RoundTripCase{"LineBreaks", RegistryValue::String("one\r\ntwo\nthree\r")},
                      RoundTripCase{"Zero", RegistryValue::Dword(0)},
                      RoundTripCase{"Thirty", RegistryValue::Dword(30)},
                      RoundTripCase{"AllBits", RegistryValue::Dword(0xFFFFFFFFU)},
                      RoundTripCase{"HighBit", RegistryValue::Dword(0x80000000U)}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST(RegistryHiveFormat, LineBreakInAStringUsesTheHexForm) {
    RegistryHive hive;
    hive.SetValue(kKey, "x", RegistryValue::String("A\r\nB"));
    EXPECT_NE(hive.Serialise().find("\"x\"=hex(1):41,0d,0a,42,00\r\n"), std::string::npos);
}

TEST(RegistryHiveFormat, NamesAreEscapedAndTheDefaultValueIsAt) {
    RegistryHive hive;
    hive.SetValue(kKey, "a\"b\\c", RegistryValue::Dword(1));
    hive.SetValue(kKey, "", RegistryValue::String("default"));
    const std::string bytes = hive.Serialise();
    EXPECT_NE(bytes.find("\"a\\\"b\\\\c\"=dword:00000001\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("@=\"default\"\r\n"), std::string::npos);
    const StatusOr<RegistryHive> parsed = RegistryHive::Parse(bytes);
    ASSERT_TRUE(parsed.status.Ok());
    const RegistryHive& back = parsed.value;
    EXPECT_EQ(*back.FindValue(kKey, "a\"b\\c"), RegistryValue::Dword(1));
    EXPECT_EQ(*back.FindValue(kKey, ""), RegistryValue::String("default"));
}

struct AcceptedCase {
    const char* label;
    std::string_view text;
    const char* name;
    RegistryValue expected;
};
void PrintTo(const AcceptedCase& c, std::ostream* out) {
    *out << c.label;
}

class RegistryHiveAccepts : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(RegistryHiveAccepts, ReadsTheValue) {
    const StatusOr<RegistryHive> parsed = RegistryHive::Parse(GetParam().text);
    ASSERT_TRUE(parsed.status.Ok()) << parsed.status.Reason();
    const RegistryHive& hive = parsed.value;
    const RegistryValue* value = hive.FindValue(kKey, GetParam().name);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(*value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, RegistryHiveAccepts,
    ::testing::Values(
        AcceptedCase{
            "LfLineEnds",
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\n\"A\"=\"b\"\n", "A",
            RegistryValue::String("b")},
        AcceptedCase{
            "NoFinalLineEnd",
            "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n\"A\"=dword:7", "A",
            RegistryValue::Dword(7)},
        AcceptedCase{
            "CommentsAndBlanks",
            "REGEDIT4\r\n; settings\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]"
            "\r\n; a note\r\n  \r\n\"A\" = \"b\"  \r\n",
            "A", RegistryValue::String("b")},
        AcceptedCase{"UpperCaseDword",
                     "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n"
                     "\"A\"=DWORD:FFFFFFFE\r\n",
                     "A", RegistryValue::Dword(0xFFFFFFFEU)},
        AcceptedCase{"RepeatedSectionsMerge",
                     "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n"
                     "\"A\"=\"old\"\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2\\X]\r\n"
                     "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n\"A\"=\"new\"\r\n",
                     "A", RegistryValue::String("new")},
        AcceptedCase{"HexStringOverLines",
                     "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n"
                     "\"A\"=hex(1):4b,65,\\\r\n  73,74,6f,00\r\n",
                     "A", RegistryValue::String("Kesto")},
        AcceptedCase{"NameInOtherCase",
                     "REGEDIT4\r\n[hkey_current_user\\software\\tarnwick\\kesto\\3.2]\r\n"
                     "\"numhands\"=dword:0000000a\r\n",
                     "NumHands", RegistryValue::Dword(10)}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

const std::string kKeyLine = "[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n";
const std::string kHead = "REGEDIT4\r\n" + kKeyLine;

struct RejectedCase {
    const char* label;
    std::string text;
    const char* where;  // the start of the error text
};
void PrintTo(const RejectedCase& c, std::ostream* out) {
    *out << c.label;
}

class RegistryHiveRejects : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RegistryHiveRejects, ReportsWhereTheFileIsBroken) {
    const Status parsed = RegistryHive::Parse(GetParam().text).status;
    EXPECT_FALSE(parsed.Ok());
    EXPECT_EQ(parsed.Reason().rfind(GetParam().where, 0), 0U) << parsed.Reason();
}

INSTANTIATE_TEST_SUITE_P(
    BrokenFiles, RegistryHiveRejects,
    ::testing::Values(
        RejectedCase{"Empty", "", "line 1:"},
        RejectedCase{"NoHeader", kKeyLine + "\"A\"=\"b\"\r\n", "line 1:"},
        RejectedCase{"UnicodeExportHeader", "Windows Registry Editor Version 5.00\r\n" + kKeyLine,
                     "line 1:"},
        RejectedCase{"ZeroByte", std::string("REGEDIT4\r\n\0", 11), "line 1:"},
        RejectedCase{"ValueBeforeKey", "REGEDIT4\r\n\"A\"=\"b\"\r\n", "line 2:"},
        RejectedCase{"OtherHive", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n", "line 2:"},
        RejectedCase{"DeletedKey", "REGEDIT4\r\n[-HKEY_CURRENT_USER\\Software\\Tarnwick]\r\n",
                     "line 2:"},
        RejectedCase{"EmptyKeyPart", "REGEDIT4\r\n[HKEY_CURRENT_USER\\\\Software]\r\n", "line 2:"},
        RejectedCase{"KeyWithoutBracket", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\r\n",
                     "line 2:"},
        RejectedCase{"UnclosedText", kHead + "\"A\"=\"b\r\n", "line 3:"},
        RejectedCase{"UnknownEscape", kHead + "\"A\"=\"C:\\Web\"\r\n", "line 3:"},
        RejectedCase{"TextAfterQuote", kHead + "\"A\"=\"b\"c\r\n", "line 3:"},
        RejectedCase{"NoEquals", kHead + "\"A\" \"b\"\r\n", "line 3:"},
        RejectedCase{"BareName", kHead + "A=\"b\"\r\n", "line 3:"},
        RejectedCase{"DwordTooLong", kHead + "\"A\"=dword:000000001\r\n", "line 3:"},
        RejectedCase{"DwordNotHex", kHead + "\"A\"=dword:1g\r\n", "line 3:"},
        RejectedCase{"DwordEmpty", kHead + "\"A\"=dword:\r\n", "line 3:"},
        RejectedCase{"BinaryValue", kHead + "\"A\"=hex:01,02\r\n", "line 3:"},
        RejectedCase{"BadHexString", kHead + "\"A\"=hex(1):4x,00\r\n", "line 3:"},
        RejectedCase{"HexContinuedPastEnd", kHead + "\"A\"=hex(1):41,\\\r\n", "line 3:"},
        RejectedCase{"TruncatedMidLine", kHead + "\"NumH", "line 3:"},
        RejectedCase{"StrayCarriageReturn", kHead + "\"A\"=\"b\r\"\r\n", "line 3:"}),
    [](const auto& testInfo) { return std::string(testInfo.param.label); });

TEST(RegistryHiveKeys, LookupIgnoresLetterCaseAndKeepsTheWrittenCase) {
    RegistryHive hive;
    hive.SetValue(kKey, "NumHands", RegistryValue::Dword(1));
    hive.SetValue("HKEY_CURRENT_USER\\SOFTWARE\\Tarnwick\\Kesto\\3.2", "NUMHANDS",
                  RegistryValue::Dword(2));
    EXPECT_EQ(hive.Serialise(),
              "REGEDIT4\r\n\r\n[" + std::string(kKey) + "]\r\n\"NumHands\"=dword:00000002\r\n\r\n");
}

TEST(RegistryHiveKeys, InvalidPathsAndNamesAreRefused) {
    RegistryHive hive;
    const RegistryValue one = RegistryValue::Dword(1);
    EXPECT_FALSE(hive.SetValue("Software\\Tarnwick", "a", one));
    EXPECT_FALSE(hive.SetValue("HKEY_CURRENT_USER\\", "a", one));
    EXPECT_FALSE(hive.SetValue("HKEY_CURRENT_USER\\a\r\nb", "a", one));
    EXPECT_FALSE(hive.SetValue(kKey, "a\nb", one));
    EXPECT_EQ(hive.Serialise(), RegistryHive().Serialise());
}

TEST(RegistryHiveKeys, StringEndsAtZeroByte) {
    RegistryHive hive;
    RegistryValue value;
    value.text = std::string("ab\0cd", 5);
    hive.SetValue(kKey, "x", value);
    EXPECT_EQ(hive.FindValue(kKey, "x")->text, "ab");
}

class RegistryHiveFile : public ::testing::Test {
  protected:
    static void WriteRaw(const std::string& path, std::string_view bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Folder().string();
};

TEST_F(RegistryHiveFile, SaveCreatesTheFolderAndLoadReadsItBack) {
    const std::string path = folder_ + "/Tarnwick/deeper/Kesto.reg";
    ASSERT_TRUE(SaveHiveFile(path, SmallHive()).Ok());
    EXPECT_EQ(ReadWholeFile(path).value, kSmallFile);
    const StatusOr<RegistryHive> load = LoadHiveFile(path);
    ASSERT_TRUE(load.status.Ok()) << load.status.Reason();
    EXPECT_EQ(load.value.Serialise(), kSmallFile);
}

TEST_F(RegistryHiveFile, LoadTellsMissingUnreadableAndBrokenApart) {
    EXPECT_TRUE(LoadHiveFile(folder_ + "/none.reg").status.IsNotFound());
    EXPECT_TRUE(LoadHiveFile(folder_ + "/no/such/folder.reg").status.IsNotFound());
    std::filesystem::create_directory(folder_ + "/folder.reg");
    const Status folder = LoadHiveFile(folder_ + "/folder.reg").status;
    EXPECT_TRUE(folder.IsUnreadable());
    EXPECT_EQ(folder.Reason(), "it is a folder");
    WriteRaw(folder_ + "/broken.reg", "REGEDIT4\r\n\"A\"=\"b\"\r\n");
    const Status broken = LoadHiveFile(folder_ + "/broken.reg").status;
    EXPECT_TRUE(broken.IsBroken());
    EXPECT_EQ(broken.Reason().rfind("line 2:", 0), 0U) << broken.Reason();
}

TEST_F(RegistryHiveFile, SaveUnderAFileInsteadOfAFolderFails) {
    WriteRaw(folder_ + "/plain", "x");
    const Status saved = SaveHiveFile(folder_ + "/plain/Tarnwick/Kesto.reg", SmallHive());
    ASSERT_FALSE(saved.Ok());
    EXPECT_NE(saved.Reason().find("plain"), std::string::npos) << saved.Reason();
}

TEST_F(RegistryHiveFile, KeepAsideRenamesWithoutOverwriting) {
    const std::string path = folder_ + "/Kesto.reg";
    WriteRaw(path, "first");
    const StatusOr<std::string> first = KeepFileAside(path);
    ASSERT_TRUE(first.status.Ok()) << first.status.Reason();
    WriteRaw(path, "second");
    const StatusOr<std::string> second = KeepFileAside(path);
    ASSERT_TRUE(second.status.Ok()) << second.status.Reason();
    EXPECT_NE(first.value, second.value);
    EXPECT_EQ(first.value.rfind(path + ".broken-", 0), 0U) << first.value;
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(ReadWholeFile(first.value).value, "first");
    EXPECT_EQ(ReadWholeFile(second.value).value, "second");
    const StatusOr<std::string> none = KeepFileAside(path);
    EXPECT_EQ(none.status.Reason(), "No such file or directory");
    EXPECT_EQ(none.value, "");
}

// Values enough to fill most of the largest file a settings file may be: the parse must take
// time in proportion to the text (a regression to a search per value took half a minute).
TEST(RegistryHiveSize, AFileOfTheLargestSizeParsesQuickly) {
    std::string text = "REGEDIT4\r\n\r\n[" + std::string(kKey) + "]\r\n";
    int values = 0;
    while (text.size() < kMaxHiveFileBytes - 64) {
        text += "\"V" + std::to_string(values++) + "\"=dword:1e\r\n";
    }
    ASSERT_GT(values, 40000);
    EXPECT_TRUE(RunsWithinBounds(
        [&text, values]() -> std::string {
            const StatusOr<RegistryHive> hive = RegistryHive::Parse(text);
            if (!hive.status.Ok()) {
                return hive.status.Reason();
            }
            for (int value = 0; value < values; ++value) {
                if (hive.value.FindValue(kKey, "V" + std::to_string(value)) == nullptr) {
                    return "value V" + std::to_string(value) + " lost";
                }
            }
            return "";
        },
        20, std::size_t{1} << 30));
}

// The cap itself: a sound file of exactly the largest size loads, one byte more does not.
TEST_F(RegistryHiveFile, TheLargestSizeLoadsAndOneByteMoreIsBroken) {
    const std::string head = "REGEDIT4\r\n\r\n[" + std::string(kKey) + "]\r\n\"A\"=\"";
    const std::size_t textSize = kMaxHiveFileBytes - head.size() - 3;  // less quote, CR LF
    const std::string text = head + std::string(textSize, 'x') + "\"\r\n";
    ASSERT_EQ(text.size(), kMaxHiveFileBytes);
    WriteRaw(folder_ + "/largest.reg", text);
    const StatusOr<RegistryHive> largest = LoadHiveFile(folder_ + "/largest.reg");
    ASSERT_TRUE(largest.status.Ok()) << largest.status.Reason();
    EXPECT_EQ(largest.value.FindValue(kKey, "A")->text, std::string(textSize, 'x'));
    WriteRaw(folder_ + "/over.reg", text + "\n");
    EXPECT_TRUE(LoadHiveFile(folder_ + "/over.reg").status.IsBroken());
}

// Damaged copies of a sound file: the reader never crashes, and whatever it accepts it writes
// back in a form that reads back to the same.
TEST(RegistryHiveDamage, ReaderSurvivesEveryDamageAndWhatItAcceptsIsStable) {
    std::uint32_t state = 12345;
    const auto next = [&state](std::uint32_t below) {
        state = state * 1103515245U + 12345U;
        return (state >> 8) % below;
    };
    const std::string sound(kSmallFile);
    const std::string alphabet =
        std::string("\"\\[]=@:;\r\n ,x0fdwordhex(1)\xE7") + std::string(1, '\0');
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = sound;
        const std::uint32_t edits = 1 + next(4);
        for (std::uint32_t e = 0; e < edits && !damaged.empty(); ++e) {
            const std::size_t at = next(static_cast<std::uint32_t>(damaged.size()));
            const char c = alphabet[next(static_cast<std::uint32_t>(alphabet.size()))];
            switch (next(4)) {
                case 0:
                    damaged[at] = c;
                    break;
                case 1:
                    damaged.insert(damaged.begin() + static_cast<std::ptrdiff_t>(at), c);
                    break;
                case 2:
                    damaged.erase(at, 1);
                    break;
                default:
                    damaged.resize(at);
                    break;
            }
        }
        const StatusOr<RegistryHive> hive = RegistryHive::Parse(damaged);
        if (!hive.status.Ok()) {
            continue;
        }
        ++accepted;
        const std::string written = hive.value.Serialise();
        const StatusOr<RegistryHive> again = RegistryHive::Parse(written);
        ASSERT_TRUE(again.status.Ok()) << "round " << round;
        EXPECT_EQ(again.value.Serialise(), written) << "round " << round;
    }
    // Some damage (a changed letter inside a text) leaves a sound file; most does not.
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, 3000);
}

}  // namespace
}  // namespace kesto::test
