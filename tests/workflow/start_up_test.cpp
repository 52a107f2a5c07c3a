// Start-up with and without the two libraries, the settings read at start-up and written at
// close.

#include <gtest/gtest.h>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/file_io.h"
#include "kesto/workflow/texts.h"
#include "tests/support/case_name.h"
#include "tests/workflow/fake_main_window_view.h"

namespace kesto::test {
namespace {

// A library that loads but has none of the entries asked for.
class EmptyLibrary : public SharedLibrary {
  public:
    void* Entry(const char*) const override { return nullptr; }
    std::string Path() const override { return "/opt/kesto/lib/kesto/empty.so"; }
};

enum class Library { Present, Missing, WithoutEntries };

constexpr const char* kMissing = "missing: install Kesto again.";

LibraryLoader Loader(Library printing, Library html) {
    return [=](const std::string& name) -> LibraryLoad {
        const Library which = name == "KESTPRT3.DLL" ? printing : html;
        switch (which) {
            case Library::Present:
                return BuiltLibraries()(name);
            case Library::WithoutEntries:
                return {std::make_unique<EmptyLibrary>(), {}};
            case Library::Missing:
                return {nullptr, Status::Failure(kMissing)};
        }
        return {};
    };
}

// A main window created on the settings file and libraries given, with the test clock and the
// English words.
struct Started {
    Started(SettingsFile file, LibraryLoader loader)
        : main(view, clock, languages, std::move(file), std::move(loader)) {
        main.FormCreate();
    }
    FakeMainWindowView view;
    FixedClock clock = TestClock();
    LanguageTable languages;
    TKestoMain main;
};

struct StartUpCase {
    const char* name;
    Library printing, html;
    std::vector<std::pair<MessageKind, std::string>> messages;
    bool terminate;
    bool createEnabled;
};

class StartUpTest : public ::testing::TestWithParam<StartUpCase> {};

TEST_P(StartUpTest, ShowsTheMessagesOfEachMissingLibrary) {
    const StartUpCase& c = GetParam();
    TempSettings settings;
    Started started({settings.Path()}, Loader(c.printing, c.html));
    const FakeMainWindowView& view = started.view;
    TKestoMain& main = started.main;
    ASSERT_EQ(view.messages.size(), c.messages.size());
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
        EXPECT_EQ(view.messages[i].kind, c.messages[i].first) << i;
        EXPECT_EQ(view.messages[i].text, c.messages[i].second) << i;
        EXPECT_EQ(view.messages[i].buttons, MessageButtons::Ok) << i;
    }
    EXPECT_EQ(main.TerminateRequested(), c.terminate);
    EXPECT_EQ(view.display.createEnabled, c.createEnabled);
    EXPECT_EQ(main.Printing() != nullptr, c.printing == Library::Present);
    EXPECT_EQ(main.Html() != nullptr, c.html == Library::Present);
    // Start-up runs to its end either way.
    EXPECT_EQ(view.display.page, Page::First);
    // The generator starts from the test clock's time of day.
    main.UpDown1Change(2);
    main.NextBtnClick();
    tBoardSet fromClock;
    RandomGenerator random(36'000'000u);
    GenerateRandomDeals(fromClock, 2, random);
    EXPECT_EQ(main.boardSet, fromClock);
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, StartUpTest,
    ::testing::Values(
        StartUpCase{"Both", Library::Present, Library::Present, {}, false, true},
        StartUpCase{"NoPrintingLibrary",
                    Library::Missing,
                    Library::Present,
                    {{MessageKind::Error, texts::PrintingLibraryNotFoundText(kMissing)},
                     {MessageKind::Error, texts::PrintingLibraryInterfaceText("libkestprt3.so")}},
                    true,
                    true},
        StartUpCase{"PrintingEntriesMissing",
                    Library::WithoutEntries,
                    Library::Present,
                    {{MessageKind::Error,
                      texts::PrintingLibraryInterfaceText("/opt/kesto/lib/kesto/empty.so")}},
                    true,
                    true},
        StartUpCase{"NoHtmlLibrary",
                    Library::Present,
                    Library::Missing,
                    {{MessageKind::Warning, texts::HtmlLibraryNotFoundText(kMissing)},
                     {MessageKind::Warning, texts::HtmlLibraryInterfaceText("libkestweb2.so")}},
                    false,
                    false},
        StartUpCase{"HtmlEntriesMissing",
                    Library::Present,
                    Library::WithoutEntries,
                    {{MessageKind::Warning,
                      texts::HtmlLibraryInterfaceText("/opt/kesto/lib/kesto/empty.so")}},
                    false,
                    false},
        StartUpCase{"Neither",
                    Library::Missing,
                    Library::Missing,
                    {{MessageKind::Error, texts::PrintingLibraryNotFoundText(kMissing)},
                     {MessageKind::Error, texts::PrintingLibraryInterfaceText("libkestprt3.so")},
                     {MessageKind::Warning, texts::HtmlLibraryNotFoundText(kMissing)},
                     {MessageKind::Warning, texts::HtmlLibraryInterfaceText("libkestweb2.so")}},
                    true,
                    false}),
    CaseName());

// The messages name the folder the libraries are missing from, in no words of another system.
TEST(StartUpLibraries, AFolderWithoutTheLibrariesEndsTheProgramNamingIt) {
    TempSettings settings;
    const std::string folder = settings.Folder().string();
    Started started({settings.Path()}, [folder](const std::string& name) {
        return LoadSharedLibrary(name, std::vector<std::string>{folder + "/"});
    });
    EXPECT_TRUE(started.main.TerminateRequested());
    const std::vector<std::string> expected = {
        "libkestprt3.so is missing from " + folder +
            ": install Kesto again.\r\n\r\nThe program will now terminate.",
        "There was a problem interfacing with libkestprt3.so.  This program cannot run unless it "
        "is properly interfaced with it.  It will now terminate.",
        "libkestweb2.so is missing from " + folder +
            ": install Kesto again.\r\n\r\nKesto needs this file to create HTML pages.",
        "There was a problem interfacing with libkestweb2.so.  You will not be able to create "
        "HTML pages unless this program is properly interfaced with it.",
    };
    ASSERT_EQ(started.view.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(started.view.messages[i].text, expected[i]);
    }
}

TEST(StartUpSettings, FirstRunShowsTheDefaults) {
    TempSettings settings;
    Started started({settings.Path()}, BuiltLibraries());
    const TKestoMain& main = started.main;
    const MainWindowDisplay& d = started.view.display;
    EXPECT_EQ(d.randomCount, 30);
    EXPECT_EQ(d.copies, 1);
    EXPECT_EQ(d.sets, 1);
    EXPECT_EQ(d.statSheets, 0);
    EXPECT_FALSE(d.curtains);
    EXPECT_FALSE(d.statsWithHtml);
    EXPECT_FALSE(d.useDateInHeader);
    EXPECT_EQ(d.line1, "");
    EXPECT_EQ(d.line2, "");
    EXPECT_EQ(main.DateFormatIndex, 0);
    EXPECT_EQ(main.RememberedIndividualSets, 1);
    EXPECT_FALSE(main.SuppressSetWarning);
    EXPECT_FALSE(main.SuppressHTMLAlert);
    EXPECT_EQ(d.caption, "Kesto");
    EXPECT_EQ(d.nextCaption, "&Next >>");
    EXPECT_FALSE(d.prevEnabled);
    EXPECT_TRUE(d.randomCountVisible);
    EXPECT_TRUE(d.headerEnabled);
    EXPECT_TRUE(main.boardSet.empty());
}

void WriteSettings(const TempSettings& settings, const std::function<void(SettingsStore&)>& write) {
    SettingsStore store(settings.Path());
    write(store);
}

// Each value reaches the window as the store reads it (the store's own test has the numbers
// outside their ranges).
TEST(StartUpSettings, ReadsEveryStoredValue) {
    TempSettings settings;
    WriteSettings(settings, [](SettingsStore& s) {
        s.Write(kNumHands, 24);
        s.Write(kNumCopies, 3);
        s.Write(kNumIndividualSets, 2);
        s.Write(kNumStatSheets, 4);
        s.Write(kStatsWithHtml, true);
        s.Write(kCurtains, true);
        s.Write(kDateFormat, 4);
        s.Write(kUseDateInHeader, true);
        s.Write(kSuppressSetWarning, true);
        s.Write(kSuppressHtmlAlert, true);
        s.Write(kNumberOfIndividualSets, 5);
    });
    Started started({settings.Path()}, BuiltLibraries());
    TKestoMain& main = started.main;
    const MainWindowDisplay& d = started.view.display;
    EXPECT_EQ(d.randomCount, 24);
    EXPECT_EQ(d.copies, 3);
    EXPECT_EQ(d.sets, 2);
    EXPECT_EQ(d.statSheets, 4);
    EXPECT_TRUE(d.statsWithHtml);
    EXPECT_TRUE(d.curtains);
    EXPECT_EQ(main.DateFormatIndex, 4);
    EXPECT_TRUE(d.useDateInHeader);
    EXPECT_EQ(d.line2, "7 December 2026");  // the date, without asking: not shown yet
    EXPECT_EQ(started.view.dateDialogs, 0);
    EXPECT_TRUE(main.SuppressSetWarning);
    EXPECT_TRUE(main.SuppressHTMLAlert);
    EXPECT_EQ(main.RememberedIndividualSets, 5);
    // The print page shows the remembered number, not the stored count.
    main.NextBtnClick();
    EXPECT_EQ(d.sets, 5);
}

// The window's logic works on the file it is handed, and writes it unless it is read-only;
// KESTO_SETTINGS only chooses that file when the program starts.
TEST(StartUpSettings, TheFileHandedInIsReadAndWrittenUnlessReadOnly) {
    for (const SettingsAccess access : {SettingsAccess::ReadWrite, SettingsAccess::ReadOnly}) {
        TempSettings other;
        TempSettings settings;  // the last made: KESTO_SETTINGS names this one
        WriteSettings(other, [](SettingsStore& s) { s.Write(kNumHands, 17); });
        const std::string before = ReadWholeFile(other.Path()).value;
        {
            Started started({other.Path(), access}, BuiltLibraries());
            EXPECT_EQ(started.view.display.randomCount, 17);
            started.main.StatsWithHtmlClick(true);
            started.main.FormClose();
        }
        EXPECT_FALSE(std::filesystem::exists(settings.Path()));
        EXPECT_EQ(SettingsStore(other.Path()).Read(kStatsWithHtml),
                  access == SettingsAccess::ReadWrite);
        if (access == SettingsAccess::ReadOnly) {
            EXPECT_EQ(ReadWholeFile(other.Path()).value, before);
        }
    }
}

// Of the five values the window keeps, those changed; the counts belong to the print command
// and NumberOfIndividualSets is never written.
TEST(ShutDownSettings, FormCloseWritesTheValuesChangedOfItsFive) {
    TempSettings settings;
    {
        Started started({settings.Path()}, BuiltLibraries());
        TKestoMain& main = started.main;
        main.FormShow();
        started.view.dateAnswer = 2;
        main.CheckBox3Click(true);
        main.StatsWithHtmlClick(true);
        main.SuppressSetWarning = true;
        main.UpDown1Change(12);
        main.UpDown3Change(4);
        main.FormClose();
    }
    EXPECT_EQ(ReadWholeFile(settings.Path()).value,
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarnwick\\Kesto\\3.2]\r\n"
              "\"DateFormat\"=dword:00000002\r\n"
              "\"UseDateInHeader\"=dword:00000001\r\n"
              "\"StatsWithHTML\"=dword:00000001\r\n"
              "\"SuppressSetWarning\"=dword:00000001\r\n\r\n");
}

TEST(ShutDownSettings, NothingIsWrittenWhenStartUpEndsTheProgram) {
    TempSettings settings;
    {
        Started started({settings.Path()}, Loader(Library::Missing, Library::Present));
        ASSERT_TRUE(started.main.TerminateRequested());
    }  // FormDestroy only
    EXPECT_FALSE(std::filesystem::exists(settings.Path()));
}

TEST(StartUpSettings, ABrokenSettingsFileIsReportedOnce) {
    TempSettings settings;
    ASSERT_TRUE(ReplaceFileAtomically(settings.Path(), "this is no hive\r\n").Ok());
    Started started({settings.Path()}, BuiltLibraries());
    ASSERT_EQ(started.view.messages.size(), 1u);
    EXPECT_EQ(started.view.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(started.view.display.randomCount, 30);
}

}  // namespace
}  // namespace kesto::test
