#include "kesto/workflow/board_view.h"

#include "kesto/options/language_table.h"

namespace kesto {

namespace {

constexpr char kLongDash = '\x97';  // Windows-1252
// The table's rows: declarers North, South, East, West, as hand records list them.
constexpr Seat kRowSeats[] = {Seat::North, Seat::South, Seat::East, Seat::West};
constexpr int kSeatSlots[] = {kSlotNorth, kSlotEast, kSlotSouth, kSlotWest};
constexpr int kLetterSlots[] = {kSlotNorthLetter, kSlotEastLetter, kSlotSouthLetter,
                                kSlotWestLetter};
constexpr int kTwo = 2;

// The words of one language, with the English word where the user emptied one.
class Words {
  public:
    explicit Words(const LanguageTable& languages) : languages_(languages) {}

    std::string Word(int slot) const {
        const std::string& word = languages_.LanguageWord(languages_.CurrentLanguage(), slot);
        return word.empty() ? LanguageTable::BuiltInWord(1, slot) : word;
    }
    std::string SeatName(Seat seat) const { return Word(kSeatSlots[static_cast<int>(seat)]); }
    std::string Letter(Seat seat) const { return Word(kLetterSlots[static_cast<int>(seat)]); }
    const AnalysisWords& Analysis() const {
        return BuiltInAnalysisWords(languages_.CurrentLanguage());
    }

  private:
    const LanguageTable& languages_;
};

std::string CardsText(tSuitSet holding, const Words& words) {
    std::string text;
    for (int rank = kAce; rank >= kTwo; --rank) {
        if ((holding & RankBit(rank)) == 0) {
            continue;
        }
        text += text.empty() ? "" : " ";
        text += rank >= kTen ? words.Word(kSlotAce + kAce - rank)
                             : std::string(1, static_cast<char>('0' + rank));
    }
    return text.empty() ? std::string(1, kLongDash) : text;
}

TextRun StrainRun(Strain strain, const Words& words) {
    if (strain == Strain::NoTrump) {
        return {std::string(words.Analysis().noTrump), std::nullopt};
    }
    return {{}, static_cast<Suit>(static_cast<int>(strain) - 1)};  // spades to clubs
}

std::string DeclarerText(ParDeclarer declarer, const Words& words) {
    switch (declarer) {
        case ParDeclarer::NorthSouth:
            return words.Letter(Seat::North) + words.Letter(Seat::South);
        case ParDeclarer::EastWest:
            return words.Letter(Seat::East) + words.Letter(Seat::West);
        default:
            return words.Letter(static_cast<Seat>(declarer));
    }
}

std::vector<TextRun> ParRuns(const DealAnalysis& analysis, const Words& words) {
    std::vector<TextRun> runs{{std::string(words.Analysis().par) + ": ", std::nullopt}};
    if (analysis.parContracts.empty()) {
        runs.push_back({std::string(words.Analysis().passedOut), std::nullopt});
        return runs;
    }
    for (std::size_t i = 0; i < analysis.parContracts.size(); ++i) {
        const ParContract& contract = analysis.parContracts[i];
        runs.push_back({(i > 0 ? " / " : "") + std::to_string(contract.level), std::nullopt});
        runs.push_back(StrainRun(contract.strain, words));
        runs.push_back({std::string(contract.doubled ? "X" : "") +
                            (contract.overtricks != 0 ? SignedText(contract.overtricks) : "") +
                            " " + DeclarerText(contract.declarer, words),
                        std::nullopt});
    }
    // North-South's score whoever plays par, as the PBN file's OptimumScore gives it.
    runs.push_back({", " + DeclarerText(ParDeclarer::NorthSouth, words) + " " +
                        SignedText(analysis.parScoreNS),
                    std::nullopt});
    return runs;
}

bool Vulnerable(int boardNumber, Seat seat) {
    const std::string_view vulnerability = BoardVulnerability(boardNumber);
    const bool northSouth = seat == Seat::North || seat == Seat::South;
    return vulnerability == "All" || (vulnerability == "NS" && northSouth) ||
           (vulnerability == "EW" && !northSouth);
}

std::string VulnerabilityText(int boardNumber, const Words& words) {
    const std::string_view vulnerability = BoardVulnerability(boardNumber);
    if (vulnerability == "None") {
        return words.Word(kSlotNone);
    }
    if (vulnerability == "All") {
        return words.Word(kSlotBoth);
    }
    const Seat first = vulnerability == "NS" ? Seat::North : Seat::East;
    return words.Letter(first) + "-" +
           words.Letter(first == Seat::North ? Seat::South : Seat::West);
}

}  // namespace

std::vector<BoardListRow> BoardList(const tBoardSet& boardSet) {
    std::vector<BoardListRow> rows;
    rows.reserve(boardSet.size());
    for (std::size_t i = 0; i < boardSet.size(); ++i) {
        const int board = static_cast<int>(i) + 1;
        BoardListRow row{board,
                         std::string(1, SeatLetter(BoardDealer(board))),
                         std::string(BoardVulnerability(board)),
                         {}};
        for (Seat seat : kClockwise) {
            row.points[static_cast<int>(seat)] = boardSet[i].Hand(seat).Points();
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

MakeableTable MakeableTableOf(const DealAnalysis& analysis, const LanguageTable& languages) {
    const Words words(languages);
    MakeableTable table;
    table.caption = words.Analysis().caption;
    for (int strain = 0; strain < kStrainCount; ++strain) {
        table.strains[static_cast<std::size_t>(strain)] =
            StrainRun(static_cast<Strain>(strain), words);
    }
    for (std::size_t row = 0; row < std::size(kRowSeats); ++row) {
        table.declarers[row] = words.Letter(kRowSeats[row]);
        for (int strain = 0; strain < kStrainCount; ++strain) {
            const int level = analysis.Tricks(kRowSeats[row], static_cast<Strain>(strain)) - 6;
            table.levels[row][static_cast<std::size_t>(strain)] =
                level > 0 ? std::to_string(level) : "-";
        }
    }
    table.par = ParRuns(analysis, words);
    return table;
}

BoardDiagram BoardDiagramOf(const tDeal& deal, int boardNumber, const LanguageTable& languages) {
    const Words words(languages);
    BoardDiagram diagram;
    diagram.board = boardNumber;
    diagram.title = words.Word(kSlotBoard) + " " + std::to_string(boardNumber);
    diagram.dealer = BoardDealer(boardNumber);
    diagram.dealerLine = words.Word(kSlotDealerLong) + ": " + words.SeatName(diagram.dealer);
    diagram.vulnerabilityLine =
        words.Word(kSlotVulnerable) + ": " + VulnerabilityText(boardNumber, words);
    for (Seat seat : kClockwise) {
        const auto s = static_cast<std::size_t>(seat);
        diagram.vulnerable[s] = Vulnerable(boardNumber, seat);
        diagram.seatLetters[s] = words.Letter(seat);
        diagram.points[s] = deal.Hand(seat).Points();
        for (Suit suit : kAllSuits) {
            diagram.cards[s][static_cast<std::size_t>(suit)] =
                CardsText(deal.Hand(seat).Holding(suit), words);
        }
    }
    return diagram;
}

}  // namespace kesto
