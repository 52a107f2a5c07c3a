#pragma once
// The makeable contracts of a board beside or under its hand diagram: a caption that says what
// the numbers are, a table of the highest level each declarer makes in each strain with best
// play all round (declarers N, S, E, W down the side; NT and the four suits across; "-" where
// not even one is made), and the par line ("Par: 1♠+2 EW, NS -140": the par contract with its
// result, and the score from North-South's side as the OptimumScore tag gives it). Lengths in
// device pixels.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <vector>

#include "kestprt3/board_record.h"
#include "kestprt3/print_request.h"

namespace kesto::prt3 {

// The par line as text, suits as their symbols: "Par: 4♠ N, NS +420", "Par: 5♥X-2 E, NS +300",
// "Par: 3NT N / 3NT S, NS +400", "Par: Pass"; empty without par.
QString ParLineText(const BoardAnalysis& analysis, const PrintRequest& request);

// One layout for every board of a printout, so the blocks stand alike.
struct AnalysisBlockLayout {
    double width = 0;        // 0, and height 0, when no board has an analysis
    double height = 0;       // the caption, the table's five lines and any par lines under it
    bool parBeside = false;  // the par line beside the table, from its first row of numbers down
    double parWidth = 0;     // the par line breaks after a contract where it is wider
};

// The layout within maxWidth: the par line beside the table when every board's fits there on
// the four declarers' rows, broken after a contract where needed, so the block is no taller
// for it; else under the table, broken where it is wider than maxWidth.
AnalysisBlockLayout LayOutAnalysisBlock(const std::vector<Board>& boards, double maxWidth,
                                        const QFont& font, const PrintRequest& request,
                                        const QPaintDevice& device);

// Draws the board's block with its top left at topLeft; nothing for a board without an
// analysis.
void DrawAnalysisBlock(QPainter& painter, QPointF topLeft, const AnalysisBlockLayout& layout,
                       const Board& board, const QFont& font, const PrintRequest& request);

}  // namespace kesto::prt3
