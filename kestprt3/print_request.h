#pragma once
// One printout as PrintCustom describes it, in Qt terms: the words, fonts and sizes the
// layouts draw with.

#include <QFont>
#include <QString>

#include <array>
#include <vector>

#include "kestprt3/board_record.h"

namespace kesto::prt3 {

enum class PrintoutKind { kDealSheets, kHandRecord, kCurtainCards };

struct Words {
    std::array<QString, 5> ranks;  // ace, king, queen, jack, ten
    std::array<QString, 4> seats;  // North, East, South, West
    QString none;
    QString both;
    QString dealer;
    QString board;
    QString vul;
};

// The words of the makeable-contracts table and par line (SetAnalysisWords).
struct AnalysisWords {
    QString par = QStringLiteral("Par");
    QString noTrump = QStringLiteral("NT");
    QString passedOut = QStringLiteral("Pass");
    QString caption = QStringLiteral("Makeable contracts");
};

struct PrintRequest {
    PrintoutKind kind = PrintoutKind::kHandRecord;
    // Curtain cards: the seats printed (all four for cards by board), in printing order per
    // board.
    std::vector<Seat> curtainSeats;
    bool landscapeCards = false;
    double cardWidthMm = 50;
    double cardHeightMm = 70;

    QString header1;
    QString header2;
    QString footer;
    Words words;
    AnalysisWords analysisWords;

    QFont header1Font;
    QFont header2Font;
    QFont labelFont;
    QFont footerFont;
    QFont cardsFont;
    QFont boardNumberFont;
    QFont positionFont;

    bool useColor = false;
    bool showDealerAndVulnerability = true;
};

}  // namespace kesto::prt3
