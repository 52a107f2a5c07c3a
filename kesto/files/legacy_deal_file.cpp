#include "kesto/files/legacy_deal_file.h"

#include "kesto/files/deal_file_io.h"

namespace kesto {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SeatOfLetter(char letter, Seat& seat) {
    switch (letter) {
        case 'N':
        case 'n':
            seat = Seat::North;
            return true;
        case 'E':
        case 'e':
            seat = Seat::East;
            return true;
        case 'S':
        case 's':
            seat = Seat::South;
            return true;
        case 'W':
        case 'w':
            seat = Seat::West;
            return true;
        default:
            return false;
    }
}

}  // namespace

bool ReadLegacyHandLine(std::string_view line, tDeal& deal) {
    line = Trim(line);
    Seat seat = Seat::North;
    if (line.empty() || !SeatOfLetter(line.front(), seat)) {
        return false;
    }
    line = Trim(line.substr(1));
    std::size_t dots = 0;
    for (const char c : line) {
        dots += c == '.' ? 1 : 0;
    }
    if (dots != 3) {
        return false;
    }
    tHand& hand = deal.Hand(seat);
    for (const Suit suit : kAllSuits) {
        const std::size_t dot = line.find('.');
        ReadSuitText(line.substr(0, dot), hand.Holding(suit));
        line = dot == std::string_view::npos ? std::string_view() : line.substr(dot + 1);
    }
    return true;
}

bool ParseLegacyDealFile(std::string_view bytes, DealFileContents& contents) {
    contents = {};
    contents.dealsComplete = RecogniseDealFile(bytes).dealsComplete;
    LineReader lines(bytes);
    lines.Next();
    contents.header1 = lines.Next();
    contents.header2 = lines.Next();
    lines.Next();
    while (!lines.AtEnd()) {
        tDeal deal;
        for (int i = 0; i < 4; ++i) {
            if (!ReadLegacyHandLine(lines.Next(), deal)) {
                contents.boardSet.clear();
                return false;
            }
        }
        for (const Seat seat : kClockwise) {
            if (deal.Hand(seat).CardCount() > 13) {
                contents.boardSet.clear();
                return false;
            }
        }
        contents.boardSet.push_back(deal);
        if (!lines.AtEnd()) {
            lines.Next();
        }
    }
    return true;
}

bool ReadLegacyDealFile(const std::string& fileName, DealFileContents& contents) {
    contents = {};
    const StatusOr<std::string> file = ReadDealFileBytes(fileName);
    return file.status.Ok() && ParseLegacyDealFile(file.value, contents);
}

}  // namespace kesto
