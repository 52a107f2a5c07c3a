#pragma once
// What the print page's board viewer shows: the list of boards (number, dealer, vulnerability
// and each hand's high-card points) and the chosen board laid out as the hand record prints it,
// in the printing language's words, with its makeable contracts and par once the analysis has
// them. Texts are Windows-1252; a suit symbol, which that cannot hold, is a run of its own.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "kesto/analysis/deal_analysis.h"
#include "kesto/deal/board.h"
#include "kesto/deal/deal.h"
#include "kesto/deal/suit.h"

namespace kesto {

class LanguageTable;

// One line of the list of boards.
struct BoardListRow {
    int board = 0;
    std::string dealer;           // "N", as the board's tags write it
    std::string vulnerability;    // "None", "NS", "EW", "All"
    std::array<int, 4> points{};  // by Seat

    friend bool operator==(const BoardListRow&, const BoardListRow&) = default;
};

std::vector<BoardListRow> BoardList(const tBoardSet& boardSet);

// A piece of a line: its text, or the symbol of a suit (drawn in the suit's colour).
struct TextRun {
    std::string text;
    std::optional<Suit> suit;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// The makeable contracts of a board as hand records show them: the highest level each declarer
// makes in each strain, "-" where not even one.
struct MakeableTable {
    std::string caption;                        // over the table
    std::array<TextRun, kStrainCount> strains;  // the columns: no trump, then the suits
    std::array<std::string, 4> declarers;       // the rows, North, South, East, West: "N" ...
    std::array<std::array<std::string, kStrainCount>, 4> levels;  // by row, then column
    std::vector<TextRun> par;  // "Par: 4♠ N, NS +420", "Par: Pass"

    friend bool operator==(const MakeableTable&, const MakeableTable&) = default;
};

MakeableTable MakeableTableOf(const DealAnalysis& analysis, const LanguageTable& languages);

// The chosen board: its title and info lines at the top left, the four hands around a compass
// that shows the seats, the vulnerable sides and the dealer, and the points of each hand.
struct BoardDiagram {
    int board = 0;
    std::string title;              // "Board 7"
    std::string dealerLine;         // "Dealer: South"
    std::string vulnerabilityLine;  // "Vul: Both"
    Seat dealer = Seat::North;
    std::array<bool, 4> vulnerable{};        // by Seat
    std::array<std::string, 4> seatLetters;  // by Seat
    // By Seat, then Suit: the cards high to low in the language's letters, separated by
    // spaces; a long dash for a void.
    std::array<std::array<std::string, 4>, 4> cards;
    std::array<int, 4> points{};  // by Seat

    // With the makeable contracts shown: the table once the analysis has the board, or else
    // a note of what the analysis is doing.
    std::optional<MakeableTable> makeable;
    std::string analysisNote;

    friend bool operator==(const BoardDiagram&, const BoardDiagram&) = default;
};

// The deal as board boardNumber, in the words of the current printing language.
BoardDiagram BoardDiagramOf(const tDeal& deal, int boardNumber, const LanguageTable& languages);

}  // namespace kesto
