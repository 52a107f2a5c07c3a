#pragma once
// The makeable contracts of a board under its hand diagram: a table of the highest level each
// declarer makes in each strain with best play all round (declarers N, S, E, W down the side;
// NT and the four suits across; "-" where not even one is made), and the par line beside it
// ("Par: 4♠ N, +420", the score from the par side's view). Lengths in device pixels.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <vector>

#include "kestprt3/board_record.h"
#include "kestprt3/print_request.h"

namespace kesto::prt3 {

// The par line as text, suits as their symbols: "Par: 4♠ N, +420", "Par: 5♥X E, -300",
// "Par: 3NT N / 3NT S, +400", "Par: Pass"; empty without par.
QString ParLineText(const BoardAnalysis& analysis, const PrintRequest& request);

// The height the block takes under a diagram of this width: 0 when no board has an analysis
// (the printout is laid out exactly as without one), else the table's five lines, or six when
// a par line does not fit beside the table.
double AnalysisBlockHeight(const std::vector<Board>& boards, double width, const QFont& font,
                           const PrintRequest& request, const QPaintDevice& device);

// Draws the board's table and par line centred at the top of rect; nothing for a board without
// an analysis.
void DrawAnalysisBlock(QPainter& painter, const QRectF& rect, const Board& board, const QFont& font,
                       const PrintRequest& request);

}  // namespace kesto::prt3
