#pragma once
// The print job run against the recording printing library (loaded by name through the
// platform loader), with a scripted view, a private settings file and recording file per
// test, and an options dialog read from that settings file.

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "kesto/deal/deal.h"
#include "kesto/options/language_table.h"
#include "kesto/options/no_option_window.h"
#include "kesto/options/option_dialog.h"
#include "kesto/print/print_job.h"
#include "kesto/print/printing_library.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/shown_message.h"

namespace kesto::test {

// One call the recording library received: its name and its arguments as texts.
struct LibraryCall {
    std::string name;
    std::vector<std::string> args;
};

class ScriptedPrintView final : public PrintJobView {
  public:
    Answer ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) override {
        messages.push_back({kind, text, buttons});
        return Answer::Ok;
    }
    void FocusCopiesField() override { ++copiesFocused; }
    // Answers from the queue; an empty queue answers OK with the box off.
    MultipleSetAnswer TMultipleSetWarningDlg() override {
        ++warningsShown;
        if (warningAnswers.empty()) {
            return {true, false};
        }
        const MultipleSetAnswer answer = warningAnswers.front();
        warningAnswers.pop_front();
        return answer;
    }
    void PrintoutsSavedIn(const std::string& folder) override { savedIn.push_back(folder); }

    std::vector<ShownMessage> messages;
    int copiesFocused = 0;
    int warningsShown = 0;
    std::deque<MultipleSetAnswer> warningAnswers;
    std::vector<std::string> savedIn;
};

class PrintJobTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Creates the options dialog from the settings file as it is now (FormCreate).
    void CreateOptions();
    // Runs PrintBtnClick with request_, state_ and the services of this test.
    PrintJobOutcome Print();
    // The calls the library has received in this test.
    std::vector<LibraryCall> Calls() const;
    std::vector<LibraryCall> PrintCustomCalls() const;
    // Writes a value into the settings key before CreateOptions.
    template <typename Setting, typename Value>
    void Store(const Setting& setting, const Value& value) const {
        SettingsStore(settingsPath_).Write(setting, value);
    }

    static std::unique_ptr<PrintingLibrary> library_;
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Folder().string();
    std::string settingsPath_;
    std::string recordingPath_;
    tBoardSet boardSet_;
    PrintJobRequest request_;
    PrintJobState state_;
    ScriptedPrintView view_;
    RecordingCanvas canvas_;
    std::string pdfFolder_;
    std::size_t callsWhenCanvasAsked_ = 0;  // library calls made before the canvas was asked for
    NoOptionWindow optionView_;
    LanguageTable languages_;
    std::unique_ptr<TOptionDlg> options_;
    // The job's wait for the analysis; unset, as with the makeable contracts off.
    std::function<const DealAnalyser*()> awaitAnalysis_;
};

// The calls as "AddDeal <record>", "ClearDeals", "PrintCustom <kind>".
std::vector<std::string> Sequence(const std::vector<LibraryCall>& calls);

// A text split at "|" (48 fields for a PrintCustom call).
std::vector<std::string> Fields(const std::string& text);

// Boards 1..count of a seeded random board set.
tBoardSet RandomBoards(int count);

// The recording printing library for KESTPRT3.DLL, the built page library for KESTWEB2.DLL.
LibraryLoader RecordingLibraries();

}  // namespace kesto::test
