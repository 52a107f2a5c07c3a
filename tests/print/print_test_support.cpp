#include "print_test_support.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/options/settings_store.h"
#include "kesto/platform/shared_library.h"

namespace kesto::test {

std::unique_ptr<PrintingLibrary> PrintJobTest::library_;

namespace {

std::string Unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            out += next == 't' ? '\t' : next == 'n' ? '\n' : next;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

LibraryLoader RecordingLibraries() {
    return [](const std::string& name) {
        if (name == kPrintingLibraryName) {
            return LoadSharedLibrary(name, {KESTO_RECORDING_LIBRARY_DIR});
        }
        return LoadSharedLibrary(name, {std::string(KESTO_BIN_DIR) + "/"});
    };
}

void PrintJobTest::SetUpTestSuite() {
    library_ = PrintingLibrary::Bind(
        LoadSharedLibrary(kPrintingLibraryName, {KESTO_RECORDING_LIBRARY_DIR}).value);
    ASSERT_NE(library_, nullptr);
}

void PrintJobTest::TearDownTestSuite() {
    library_.reset();
}

void PrintJobTest::SetUp() {
    ASSERT_NE(library_, nullptr);
    settingsPath_ = folder_ + "/Kesto.reg";
    recordingPath_ = folder_ + "/calls.txt";
    ::setenv("KESTO_RECORDING_FILE", recordingPath_.c_str(), 1);
    ::unsetenv("KESTO_RECORDING_FAIL");
    boardSet_ = RandomBoards(3);
    request_.boardSet = &boardSet_;
    request_.mode = DealSource::Generate;
    request_.header1 = "Club night";
    request_.header2 = "Monday";
    request_.copies = 1;
    request_.sets = 1;
    request_.statSheets = 0;
    request_.curtains = false;
    request_.randomDealCount = 3;
    CreateOptions();
}

void PrintJobTest::TearDown() {
    ::unsetenv("KESTO_RECORDING_FILE");
    ::unsetenv("KESTO_RECORDING_FAIL");
}

void PrintJobTest::CreateOptions() {
    options_ = std::make_unique<TOptionDlg>(optionView_, languages_, SettingsFile{settingsPath_});
    options_->FormCreate();
}

PrintJobOutcome PrintJobTest::Print() {
    PrintJobServices services;
    services.view = &view_;
    services.library = library_.get();
    services.options = [this] { return PrintOptionsOf(*options_); };
    services.statisticsCanvas = [this]() -> PrinterCanvas* {
        callsWhenCanvasAsked_ = Calls().size();
        return &canvas_;
    };
    services.settingsPath = settingsPath_;
    services.pdfFolder = pdfFolder_;
    services.awaitAnalysis = awaitAnalysis_;
    return PrintBtnClick(request_, state_, services);
}

std::vector<LibraryCall> PrintJobTest::Calls() const {
    std::vector<LibraryCall> calls;
    std::ifstream in(recordingPath_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        LibraryCall call;
        std::size_t start = 0;
        bool first = true;
        while (true) {
            const std::size_t tab = line.find('\t', start);
            const std::string field =
                line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
            if (first) {
                call.name = field;
            } else {
                call.args.push_back(Unescaped(field));
            }
            first = false;
            if (tab == std::string::npos) {
                break;
            }
            start = tab + 1;
        }
        calls.push_back(std::move(call));
    }
    return calls;
}

std::vector<LibraryCall> PrintJobTest::PrintCustomCalls() const {
    std::vector<LibraryCall> calls;
    for (LibraryCall& call : Calls()) {
        if (call.name == "PrintCustom") {
            calls.push_back(std::move(call));
        }
    }
    return calls;
}

std::vector<std::string> Sequence(const std::vector<LibraryCall>& calls) {
    std::vector<std::string> out;
    for (const LibraryCall& call : calls) {
        std::string line = call.name;
        if (!call.args.empty()) {
            line += " " + call.args[0];
        }
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields;
    std::stringstream in(text);
    std::string field;
    while (std::getline(in, field, '|')) {
        fields.push_back(field);
    }
    if (!text.empty() && text.back() == '|') {
        fields.emplace_back();
    }
    return fields;
}

tBoardSet RandomBoards(int count) {
    tBoardSet boardSet;
    RandomGenerator random(12345);
    GenerateRandomDeals(boardSet, count, random);
    return boardSet;
}

}  // namespace kesto::test
