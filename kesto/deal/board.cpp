#include "kesto/deal/board.h"

#include "kesto/platform/ascii_text.h"

namespace kesto {

char SeatLetter(Seat seat) {
    static constexpr char kLetters[] = {'N', 'E', 'S', 'W'};
    return kLetters[static_cast<int>(seat)];
}

std::string_view SeatWord(Seat seat) {
    static constexpr std::string_view kWords[] = {"North", "East", "South", "West"};
    return kWords[static_cast<int>(seat)];
}

std::optional<Seat> SeatOfLetter(char letter) {
    for (const Seat seat : kClockwise) {
        if (AsciiUpper(letter) == SeatLetter(seat)) {
            return seat;
        }
    }
    return std::nullopt;
}

Seat NextClockwise(Seat seat) {
    return static_cast<Seat>((static_cast<int>(seat) + 1) % 4);
}

Seat BoardDealer(int boardNumber) {
    // Remainder 1 North, 2 East, 3 South, 0 West.
    const int r = ((boardNumber % 4) + 4) % 4;
    return static_cast<Seat>((r + 3) % 4);
}

std::string_view BoardVulnerability(int boardNumber) {
    switch (((boardNumber % 16) + 16) % 16) {
        case 1:
        case 8:
        case 11:
        case 14:
            return "None";
        case 2:
        case 5:
        case 12:
        case 15:
            return "NS";
        case 4:
        case 7:
        case 10:
        case 13:
            return "All";
        default:
            return "EW";  // 0, 3, 6, 9
    }
}

}  // namespace kesto
