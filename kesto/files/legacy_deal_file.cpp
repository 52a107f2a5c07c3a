#include "kesto/files/legacy_deal_file.h"

#include <algorithm>
#include <utility>

#include "kesto/deal/card.h"
#include "kesto/files/deal_check.h"
#include "kesto/files/deal_file_io.h"
#include "kesto/files/own_deal_file.h"
#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

// What keeps the holdings of a seat line that ReadLegacyHandLine took from being real cards,
// as the rest of a sentence that begins with the board; empty when nothing does.
std::string HoldingsFault(std::string_view line) {
    line = Trim(line, IsControlOrSpace).substr(1);  // past the seat letter
    tSuitSet named[4] = {};
    int suitIndex = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '.') {
            ++suitIndex;
            continue;
        }
        // Blanks space the cards out; "-" stands for a void; "0" ends a ten written "10".
        if (IsControlOrSpace(c) || c == '-' || (c == '0' && i > 0 && line[i - 1] == '1')) {
            continue;
        }
        const int rank = c == '1' ? kTen : RankOfCharacter(c);
        if (rank == 0) {
            return QuotedNoCardFault(c);
        }
        if ((named[suitIndex] & RankBit(rank)) != 0) {
            return "holds " + CardName(kAllSuits[suitIndex], rank) + " twice";
        }
        named[suitIndex] |= RankBit(rank);
    }
    return {};
}

// The seat letter of a line ReadLegacyHandLine took.
char SeatLetterOf(std::string_view line) {
    return SeatLetter(SeatOfLetter(Trim(line, IsControlOrSpace).front()).value_or(Seat::North));
}

// What keeps a line from being a seat line, as the rest of a sentence that begins with the
// line; empty when it is one.
std::string SeatLineFault(std::string_view line) {
    line = Trim(line, IsControlOrSpace);
    if (line.empty()) {
        return "is empty";
    }
    if (!SeatOfLetter(line.front())) {
        return "does not begin with a seat letter (N, E, S or W)";
    }
    const auto suits = std::count(line.begin(), line.end(), '.') + 1;
    if (suits != 4) {
        return "gives " + std::to_string(suits) + (suits == 1 ? " suit" : " suits") + ", not four";
    }
    return {};
}

}  // namespace

bool StartsLikeLegacyDealFile(std::string_view bytes) {
    const std::string line = FirstLineOfKestoFile(bytes);
    return line.starts_with("Kesto ") &&
           (line.ends_with(kGeneratedWords) || line.ends_with(kEnteredWords));
}

bool ReadLegacyHandLine(std::string_view line, tDeal& deal) {
    if (!SeatLineFault(line).empty()) {
        return false;
    }
    line = Trim(line, IsControlOrSpace);
    tHand& hand = deal.Hand(SeatOfLetter(line.front()).value_or(Seat::North));
    line = Trim(line.substr(1), IsControlOrSpace);
    for (const Suit suit : kAllSuits) {
        const std::size_t dot = line.find('.');
        ReadSuitText(line.substr(0, dot), hand.Holding(suit));
        line = dot == std::string_view::npos ? std::string_view() : line.substr(dot + 1);
    }
    return true;
}

Status ParseLegacyDealFile(std::string_view bytes, DealFileContents& contents) {
    contents = {};
    contents.dealsComplete = FirstLineOfKestoFile(bytes).ends_with(kGeneratedWords);
    const auto refuse = [&contents](std::string reason) {
        contents = {};
        return Status::Failure(std::move(reason));
    };
    LineReader lines(bytes);
    lines.Next();
    contents.header1 = lines.Next();
    contents.header2 = lines.Next();
    lines.Next();
    int lineNumber = 4;
    while (!lines.AtEnd()) {
        const int board = static_cast<int>(contents.boardSet.size()) + 1;
        if (board > kMaxBoards) {
            return refuse(TooManyBoardsText());
        }
        tDeal deal;
        std::string seatsNamed;
        for (int i = 0; i < 4; ++i) {
            const std::string_view line = lines.Next();
            ++lineNumber;
            if (i < 3 && lines.AtEnd()) {
                return refuse(BoardFault(board, "is cut short"));
            }
            if (const std::string fault = SeatLineFault(line); !fault.empty()) {
                return refuse("Line " + std::to_string(lineNumber) + " (board " +
                              std::to_string(board) + ") " + fault + ".");
            }
            ReadLegacyHandLine(line, deal);
            if (const std::string fault = HoldingsFault(line); !fault.empty()) {
                return refuse(BoardFault(board, fault));
            }
            const char seat = SeatLetterOf(line);
            if (seatsNamed.find(seat) != std::string::npos) {
                return refuse(BoardFault(board, std::string("names seat ") + seat + " twice"));
            }
            seatsNamed += seat;
        }
        if (const std::string fault = ImpossibleDealFault(deal); !fault.empty()) {
            return refuse(BoardFault(board, fault));
        }
        contents.boardSet.push_back(deal);
        if (!lines.AtEnd()) {
            lines.Next();
            ++lineNumber;
        }
    }
    return {};
}

}  // namespace kesto
