#include "kestprt3/analysis_table.h"

#include <QFontMetricsF>
#include <QPen>

#include <algorithm>

#include "kestprt3/drawing.h"

namespace kesto::prt3 {

namespace {

// The table's rows: declarers North, South, East, West, as hand records list them.
constexpr Seat kRowSeats[4] = {kNorth, kSouth, kEast, kWest};
constexpr int kTableLines = 5;  // the strains, then one line a declarer

// One piece of a line in one colour.
struct Run {
    QString text;
    QColor color = Qt::black;
};
// Runs that stay together on one line.
using Line = std::vector<Run>;

// The strain as a table heading or in a contract: the language's no trump, or a suit symbol.
Run StrainRun(int strain, const PrintRequest& request) {
    if (strain == kNoTrump) {
        return {request.analysisWords.noTrump};
    }
    const int suit = strain - 1;  // the strains after no trump run spades to clubs
    return {SuitSymbol(suit), SuitColor(suit, request.useColor)};
}

QString SideLetters(const std::string& side, const Words& words) {
    QString letters;
    for (const char c : side) {
        static constexpr std::string_view kSeatLetters = "NESW";
        const std::size_t seat = kSeatLetters.find(c);
        if (seat != std::string_view::npos) {
            letters += SeatInitial(static_cast<Seat>(seat), words);
        }
    }
    return letters;
}

QString SignedScore(int score) {
    return score > 0 ? QStringLiteral("+") + QString::number(score) : QString::number(score);
}

// The par line in pieces a narrow column may put on lines of their own: "Par: 3NT N /",
// "3NT S,", "NS +400". One space joins two pieces on a line.
std::vector<Line> ParPieces(const BoardAnalysis& analysis, const PrintRequest& request) {
    std::vector<Line> pieces;
    if (!analysis.hasPar) {
        return pieces;
    }
    const QString head = request.analysisWords.par + QStringLiteral(": ");
    if (analysis.par.empty()) {
        pieces.push_back({{head + request.analysisWords.passedOut}});
        return pieces;
    }
    for (std::size_t i = 0; i < analysis.par.size(); ++i) {
        const ParItem& item = analysis.par[i];
        const int result = ParResult(analysis, item);
        const QString end =
            i + 1 < analysis.par.size() ? QStringLiteral(" /") : QStringLiteral(",");
        pieces.push_back(
            {{(i == 0 ? head : QString()) + QString::number(item.level)},
             StrainRun(item.strain, request),
             {QString(item.doublings, u'X') + (result != 0 ? SignedScore(result) : QString()) +
              u' ' + SideLetters(item.side, request.words) + end}});
    }
    // North-South's score whoever plays par, as the OptimumScore tag gives it.
    pieces.push_back(
        {{SideLetters("NS", request.words) + u' ' + SignedScore(analysis.parScoreNS)}});
    return pieces;
}

double RunsWidth(const Line& runs, const QFontMetricsF& metrics) {
    double width = 0;
    for (const Run& run : runs) {
        width += metrics.horizontalAdvance(run.text);
    }
    return width;
}

// The pieces on as few lines as fit in width; a piece wider than width has a line of its own.
std::vector<Line> ParLines(const BoardAnalysis& analysis, const PrintRequest& request, double width,
                           const QFontMetricsF& metrics) {
    std::vector<Line> lines;
    double used = 0;
    const double space = metrics.horizontalAdvance(QStringLiteral(" "));
    for (const Line& piece : ParPieces(analysis, request)) {
        const double pieceWidth = RunsWidth(piece, metrics);
        if (lines.empty() || used + space + pieceWidth > width) {
            lines.push_back(piece);
            used = pieceWidth;
        } else {
            lines.back().push_back({QStringLiteral(" ")});
            lines.back().insert(lines.back().end(), piece.begin(), piece.end());
            used += space + pieceWidth;
        }
    }
    return lines;
}

struct TableGeometry {
    double line = 0;
    double labelWidth = 0;
    double strainWidth = 0;
    double parGap = 0;

    double Width() const { return labelWidth + kStrains * strainWidth; }
};

TableGeometry LayOutTable(const QFont& font, const PrintRequest& request,
                          const QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    TableGeometry g;
    g.line = metrics.lineSpacing();
    for (const Seat seat : kRowSeats) {
        g.labelWidth =
            std::max(g.labelWidth, metrics.horizontalAdvance(SeatInitial(seat, request.words)));
    }
    g.labelWidth += metrics.averageCharWidth();
    g.strainWidth = metrics.horizontalAdvance(QStringLiteral("7"));
    for (int strain = 0; strain < kStrains; ++strain) {
        g.strainWidth =
            std::max(g.strainWidth, metrics.horizontalAdvance(StrainRun(strain, request).text));
    }
    g.strainWidth += metrics.averageCharWidth();
    g.parGap = 2 * metrics.averageCharWidth();
    return g;
}

QFont CaptionFont(const QFont& font) {
    QFont caption = font;
    caption.setItalic(true);
    return caption;
}

void DrawRuns(QPainter& painter, QPointF topLeft, const QFont& font, const Line& runs) {
    const QFontMetricsF metrics(font, painter.device());
    for (const Run& run : runs) {
        DrawTextAt(painter, topLeft, font, run.text, run.color);
        topLeft.rx() += metrics.horizontalAdvance(run.text);
    }
}

// Text centred in a column of the table.
void DrawCentred(QPainter& painter, double left, double width, double top, const QFont& font,
                 const Run& run) {
    const QFontMetricsF metrics(font, painter.device());
    DrawTextAt(painter, QPointF(left + (width - metrics.horizontalAdvance(run.text)) / 2, top),
               font, run.text, run.color);
}

}  // namespace

QString ParLineText(const BoardAnalysis& analysis, const PrintRequest& request) {
    QString text;
    for (const Line& piece : ParPieces(analysis, request)) {
        text += (text.isEmpty() ? QString() : QStringLiteral(" "));
        for (const Run& run : piece) {
            text += run.text;
        }
    }
    return text;
}

AnalysisBlockLayout LayOutAnalysisBlock(const std::vector<Board>& boards, double maxWidth,
                                        const QFont& font, const PrintRequest& request,
                                        const QPaintDevice& device) {
    AnalysisBlockLayout layout;
    const TableGeometry g = LayOutTable(font, request, device);
    const QFontMetricsF metrics(font, &device);
    std::vector<const BoardAnalysis*> analyses;
    for (const Board& board : boards) {
        if (board.analysis) {
            analyses.push_back(&*board.analysis);
        }
    }
    if (analyses.empty()) {
        return layout;
    }
    const double tableWidth = std::max(
        g.Width(),
        QFontMetricsF(CaptionFont(font), &device).horizontalAdvance(request.analysisWords.caption));
    // Beside the table each board's par line takes as many of the declarers' rows as it needs,
    // so a long one costs no board more room than a short one.
    const double besideWidth = maxWidth - g.Width() - g.parGap;
    double besideWidest = 0;
    layout.parBeside = besideWidth > 0;
    for (const BoardAnalysis* analysis : analyses) {
        const std::vector<Line> lines = ParLines(*analysis, request, besideWidth, metrics);
        layout.parBeside = layout.parBeside && lines.size() <= std::size(kRowSeats);
        for (const Line& line : lines) {
            besideWidest = std::max(besideWidest, RunsWidth(line, metrics));
        }
    }
    layout.parBeside = layout.parBeside && besideWidest <= besideWidth;
    if (layout.parBeside) {
        layout.parWidth = besideWidth;
        layout.width = std::max(tableWidth, g.Width() + g.parGap + besideWidest);
        layout.height = (1 + kTableLines) * g.line;
        return layout;
    }
    // Under the table, on as many lines as the board that needs most.
    layout.parWidth = maxWidth;
    layout.width = tableWidth;
    std::size_t parLines = 0;
    for (const BoardAnalysis* analysis : analyses) {
        const std::vector<Line> lines = ParLines(*analysis, request, maxWidth, metrics);
        parLines = std::max(parLines, lines.size());
        for (const Line& line : lines) {
            layout.width = std::max(layout.width, RunsWidth(line, metrics));
        }
    }
    layout.height = static_cast<double>(1 + kTableLines + parLines) * g.line;
    return layout;
}

void DrawAnalysisBlock(QPainter& painter, QPointF topLeft, const AnalysisBlockLayout& layout,
                       const Board& board, const QFont& font, const PrintRequest& request) {
    if (!board.analysis || layout.height <= 0) {
        return;
    }
    const BoardAnalysis& analysis = *board.analysis;
    const TableGeometry g = LayOutTable(font, request, *painter.device());
    const double left = topLeft.x();
    DrawTextAt(painter, topLeft, CaptionFont(font), request.analysisWords.caption,
               QColor(90, 90, 90));
    const double tableTop = topLeft.y() + g.line;
    for (int strain = 0; strain < kStrains; ++strain) {
        DrawCentred(painter, left + g.labelWidth + strain * g.strainWidth, g.strainWidth, tableTop,
                    font, StrainRun(strain, request));
    }
    QPen rule(QColor(150, 150, 150));
    rule.setWidthF(std::max(1.0, g.line / 20));
    painter.setPen(rule);
    painter.drawLine(QPointF(left, tableTop + g.line),
                     QPointF(left + g.Width(), tableTop + g.line));
    double top = tableTop;
    for (const Seat seat : kRowSeats) {
        top += g.line;
        DrawTextAt(painter, QPointF(left, top), font, SeatInitial(seat, request.words));
        for (int strain = 0; strain < kStrains; ++strain) {
            const int level =
                MakeableLevel(analysis.tricks[seat][static_cast<std::size_t>(strain)]);
            DrawCentred(painter, left + g.labelWidth + strain * g.strainWidth, g.strainWidth, top,
                        font, {level > 0 ? QString::number(level) : QStringLiteral("-")});
        }
    }
    // Beside the table from North's row down; under it, as the width allows.
    const QFontMetricsF metrics(font, painter.device());
    QPointF at = layout.parBeside ? QPointF(left + g.Width() + g.parGap, tableTop + g.line)
                                  : QPointF(left, tableTop + kTableLines * g.line);
    for (const Line& line : ParLines(analysis, request, layout.parWidth, metrics)) {
        DrawRuns(painter, at, font, line);
        at.ry() += g.line;
    }
}

}  // namespace kesto::prt3
