#pragma once
// Seats, and the dealer and vulnerability of a board by the sixteen-board cycle.

#include <optional>
#include <string_view>

namespace kesto {

// Clockwise from North; also the statistics' seat index.
enum class Seat { North = 0, East = 1, South = 2, West = 3 };
inline constexpr Seat kClockwise[] = {Seat::North, Seat::East, Seat::South, Seat::West};

char SeatLetter(Seat seat);            // 'N', 'E', 'S', 'W'
std::string_view SeatWord(Seat seat);  // "North", "East", "South", "West"
// The seat of a letter 'N', 'E', 'S' or 'W' in either case; nullopt for any other character.
std::optional<Seat> SeatOfLetter(char letter);
Seat NextClockwise(Seat seat);

Seat BoardDealer(int boardNumber);
// "None", "NS", "EW" or "All".
std::string_view BoardVulnerability(int boardNumber);

}  // namespace kesto
