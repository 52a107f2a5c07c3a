#include "kesto/files/own_deal_file.h"

#include <algorithm>
#include <utility>

#include "kesto/deal/deal_notation.h"
#include "kesto/files/deal_check.h"
#include "kesto/files/deal_file_io.h"

namespace kesto {

namespace {

constexpr std::string_view kEol = "\r\n";

void AppendLine(std::string& text, std::string_view line) {
    text += line;
    text += kEol;
}

}  // namespace

std::string FirstLineOfKestoFile(std::string_view bytes) {
    std::string line(bytes.substr(0, kRecognitionBytes));
    line.resize(kRecognitionBytes, ' ');
    // Line feeds end the line too, so files with bare LF line ends are judged the same way.
    line.resize(std::min(line.find_first_of("\r\n"), line.size()));
    return line;
}

bool StartsLikeOwnDealFile(std::string_view bytes) {
    const std::string line = FirstLineOfKestoFile(bytes);
    return line.starts_with("% Kesto ") && (line.find(kGeneratedWords) != std::string::npos ||
                                            line.find(kEnteredWords) != std::string::npos);
}

std::string OwnDealFileText(const tBoardSet& boardSet, std::string_view header1,
                            std::string_view header2, DealSource mode) {
    std::string text;
    text.reserve(64 + boardSet.size() * 260);
    AppendLine(text, "% Kesto 3.2" + std::string(mode == DealSource::Generate ? kGeneratedWords
                                                                              : kEnteredWords));
    AppendLine(text, "% PBN 1.0");
    AppendLine(text, "% " + OneLine(header1));
    AppendLine(text, "% " + OneLine(header2));
    AppendLine(text, "%");
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        const int board = static_cast<int>(i) + 1;
        // "#" is PBN's mark for the value of the previous board.
        const bool first = board == 1;
        AppendLine(text, first ? "[Event \"\"]" : "[Event \"#\"]");
        AppendLine(text, first ? "[Site \"\"]" : "[Site \"#\"]");
        AppendLine(text, first ? "[Date \"\"]" : "[Date \"#\"]");
        AppendLine(text, BoardTag(board));
        AppendLine(text, "[West \"\"]");
        AppendLine(text, "[North \"\"]");
        AppendLine(text, "[East \"\"]");
        AppendLine(text, "[South \"\"]");
        AppendLine(text, DealerTag(board));
        AppendLine(text, VulnerableTag(board));
        AppendLine(text, DealTag(boardSet[i], SeatLetter(BoardDealer(board))));
        AppendLine(text, "[Declarer \"\"]");
        AppendLine(text, "[Contract \"\"]");
        AppendLine(text, "[Result \"\"]");
        AppendLine(text, "");
    }
    return text;
}

Status WriteOwnDealFile(const std::string& fileName, const tBoardSet& boardSet,
                        std::string_view header1, std::string_view header2, DealSource mode) {
    return SaveBoardSet(fileName, boardSet, [&](const tBoardSet& boards) {
        return OwnDealFileText(boards, header1, header2, mode);
    });
}

Status ParseOwnDealFile(std::string_view bytes, DealFileContents& contents) {
    contents = {};
    contents.dealsComplete = FirstLineOfKestoFile(bytes).find(kGeneratedWords) != std::string::npos;
    LineReader lines(bytes);
    lines.Next();
    lines.Next();
    const std::string_view line3 = lines.Next();
    const std::string_view line4 = lines.Next();
    contents.header1 = line3.size() > 2 ? line3.substr(2) : std::string_view();
    contents.header2 = line4.size() > 2 ? line4.substr(2) : std::string_view();
    const auto refuse = [&contents](std::string reason) {
        contents = {};
        return Status::Failure(std::move(reason));
    };
    while (!lines.AtEnd()) {
        const std::string_view line = lines.Next();
        if (!line.starts_with("[Deal \"")) {
            continue;
        }
        const int board = static_cast<int>(contents.boardSet.size()) + 1;
        if (board > kMaxBoards) {
            return refuse(TooManyBoardsText());
        }
        // A file cut in the middle of a deal ends in a tag without its closing "].
        if (!line.ends_with("\"]")) {
            return refuse(BoardFault(board, "is cut short"));
        }
        const std::string_view value = DealTagValue(line).value_or("");
        if (const std::string fault = DealValueFault(value); !fault.empty()) {
            return refuse(BoardFault(board, fault));
        }
        tDeal deal;
        ReadDealValue(deal, value);
        contents.boardSet.push_back(deal);
    }
    if (Status checked = CheckBoardSetRead(contents.boardSet); !checked.Ok()) {
        return refuse(checked.Reason());
    }
    return {};
}

}  // namespace kesto
