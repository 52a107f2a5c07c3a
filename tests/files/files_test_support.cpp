#include "files_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "kesto/deal/deal_notation.h"
#include "kesto/deal/generate.h"
#include "kesto/deal/random.h"
#include "kesto/platform/ascii_text.h"

namespace kesto::test {

tDeal RotatedExampleDeal() {
    return DealOf(kWorkedWest, kWorkedNorth, kWorkedEast, kWorkedSouth);
}

tBoardSet RandomBoards(int count, std::uint32_t seed) {
    RandomGenerator random(seed);
    tBoardSet boards;
    GenerateRandomDeals(boards, count, random);
    return boards;
}

std::string DataPath(const std::string& relative) {
    return std::string(KESTO_TEST_DATA) + "/" + relative;
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

tBoardSet PbnDeals(const std::string& path) {
    tBoardSet deals;
    const std::string bytes = FileBytes(path);  // the lines are views into it
    for (const std::string_view line : SplitLines(bytes)) {
        if (line.starts_with("[Deal \"")) {
            tDeal deal;
            ReadDealValue(deal, DealTagValue(line).value_or(""));
            deals.push_back(deal);
        }
    }
    return deals;
}

void PutFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF at byte " << start;
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

Answer FakeUi::ShowMessage(MessageKind kind, const std::string& text, MessageButtons buttons) {
    messages.push_back({kind, text, buttons});
    switch (buttons) {
        case MessageButtons::YesNo:
            return Answer::Yes;
        case MessageButtons::OkCancel:
        case MessageButtons::Ok:
            break;
    }
    return Answer::Ok;
}

FileDialogResult FakeUi::NextAnswer() {
    if (dialogAnswers.empty()) {
        return {};
    }
    FileDialogResult answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

FileDialogResult FakeUi::OpenFileDialog(const FileDialogRequest& request) {
    openRequests.push_back(request);
    return NextAnswer();
}

FileDialogResult FakeUi::SaveFileDialog(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return NextAnswer();
}

}  // namespace kesto::test
