#pragma once
// A scripted main window for driving TKestoMain: records everything shown and answers each
// question from a queue (an empty queue answers as a plain Enter would: OK / Yes).

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "kesto/options/language_table.h"
#include "kesto/platform/shared_library.h"
#include "kesto/workflow/kesto_main.h"
#include "kesto/workflow/main_window_view.h"
#include "tests/support/fixed_clock.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/shown_message.h"

namespace kesto::test {

// The duplicate-card message with each suit as its symbol in UTF-8 ("\u2663"), the rest as
// the core wrote it.
struct DuplicateQuestion {
    std::string text;
    std::string question;
};

inline std::string Flattened(const SuitedText& text) {
    static const char* const symbols[] = {"\u2660", "\u2665", "\u2666", "\u2663"};
    std::string flat;
    for (const auto& piece : text) {
        const Suit* suit = std::get_if<Suit>(&piece);
        flat += suit ? symbols[static_cast<int>(*suit)] : std::get<std::string>(piece);
    }
    return flat;
}

struct Caret {
    SuitField field;
    int position;
    bool focus;
};

class FakeMainWindowView : public MainWindowView {
  public:
    Answer ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) override {
        messages.push_back({kind, text, buttons});
        if (answers.empty()) {
            return buttons == MessageButtons::YesNo ? Answer::Yes : Answer::Ok;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void Beep() override { ++beeps; }
    FileDialogResult OpenFileDialog(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return openResult;
    }
    FileDialogResult SaveFileDialog(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return saveResult;
    }
    void ShowDisplay(const MainWindowDisplay& d) override {
        display = d;
        ++displays;
    }
    void PlaceCaret(SuitField field, int position, bool focus) override {
        caret = Caret{field, position, focus};
    }
    std::optional<int> TDateDlg(const std::vector<std::string>& entries) override {
        dateEntries = entries;
        ++dateDialogs;
        return dateAnswer;
    }
    ZeroCardsChoice TZeroCardsDlg(const std::string& text) override {
        zeroCardsTexts.push_back(text);
        return zeroCardsAnswer;
    }
    bool TDuplicateCardForm(const DuplicateCardMessage& message) override {
        duplicates.push_back({Flattened(message.text), Flattened(message.question)});
        return transferAnswer;
    }
    void CloseMainWindow() override { ++closeRequests; }
    SaveAnswer TSaveQuestionDlg(const SaveQuestion& question) override {
        saveQuestions.push_back(question);
        return saveAnswer;
    }

    std::string Field(Seat seat, Suit suit) const {
        return display.suitTexts[static_cast<int>(seat)][static_cast<int>(suit)];
    }

    // What was shown.
    MainWindowDisplay display;
    int displays = 0;
    std::vector<ShownMessage> messages;
    int beeps = 0;
    std::optional<Caret> caret;
    std::vector<std::string> dateEntries;
    int dateDialogs = 0;
    std::vector<std::string> zeroCardsTexts;
    std::vector<DuplicateQuestion> duplicates;
    std::vector<FileDialogRequest> openRequests, saveRequests;
    int closeRequests = 0;
    std::vector<SaveQuestion> saveQuestions;

    // The answers.
    std::deque<Answer> answers;
    std::optional<int> dateAnswer = 0;
    ZeroCardsChoice zeroCardsAnswer = ZeroCardsChoice::AddCards;
    bool transferAnswer = true;
    FileDialogResult openResult, saveResult;
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
};

// Monday, 7 December 2026, 10:00:00.000 UTC.
inline FixedClock TestClock() {
    return FixedClock(CivilDate{2026, 12, 7, 1}, 36'000'000u);
}

// The built libraries, found in the build's bin folder only.
inline LibraryLoader BuiltLibraries() {
    return [](const std::string& name) {
        return LoadSharedLibrary(name, std::vector<std::string>{std::string(KESTO_BIN_DIR) + "/"});
    };
}

// A settings file of its own for each test, also named by KESTO_SETTINGS for the printing
// library.
class TempSettings {
  public:
    TempSettings() { ::setenv("KESTO_SETTINGS", path_.c_str(), 1); }
    const std::string& Path() const { return path_; }
    std::filesystem::path Folder() const { return scratch_.Folder(); }

  private:
    ScratchFolder scratch_;
    std::string path_ = scratch_.Path("Kesto.reg");
};

// A started main window on the built libraries, fresh settings, the test clock and the
// English words.
class WorkflowTest : public ::testing::Test {
  protected:
    WorkflowTest() : main(view, clock, languages, {settings.Path()}, BuiltLibraries()) {
        main.FormCreate();
        main.FormShow();
        view.messages.clear();
    }

    // A complete deal: North the spades, East the hearts, South the diamonds, West the clubs.
    static tDeal FullDeal() {
        tDeal deal;
        for (int rank = 2; rank <= 14; ++rank) {
            deal.North.Add(Suit::Spades, rank);
            deal.East.Add(Suit::Hearts, rank);
            deal.South.Add(Suit::Diamonds, rank);
            deal.West.Add(Suit::Clubs, rank);
        }
        return deal;
    }
    static tDeal PartDeal(int cards) {
        tDeal deal;
        for (int i = 0; i < cards; ++i) {
            deal.Hand(kClockwise[i % 4]).AddCard(i + 1);
        }
        return deal;
    }
    void Record() {
        main.RadioGroup1Click(DealSource::Record);
        main.NextBtnClick();
    }

    TempSettings settings;
    FakeMainWindowView view;
    FixedClock clock = TestClock();
    LanguageTable languages;
    TKestoMain main;
};

}  // namespace kesto::test
