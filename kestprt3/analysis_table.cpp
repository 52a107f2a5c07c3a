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

std::vector<Run> ParLineRuns(const BoardAnalysis& analysis, const PrintRequest& request) {
    std::vector<Run> runs;
    if (!analysis.hasPar) {
        return runs;
    }
    runs.push_back({request.analysisWords.par + QStringLiteral(": ")});
    if (analysis.par.empty()) {
        runs.push_back({request.analysisWords.passedOut});
        return runs;
    }
    for (std::size_t i = 0; i < analysis.par.size(); ++i) {
        const ParItem& item = analysis.par[i];
        runs.push_back({(i > 0 ? QStringLiteral(" / ") : QString()) + QString::number(item.level)});
        runs.push_back(StrainRun(item.strain, request));
        runs.push_back(
            {QString(item.doublings, u'X') + u' ' + SideLetters(item.side, request.words)});
    }
    // The par side's own view: a sacrifice shows what it loses.
    const int score =
        analysis.par.front().NorthSouth() ? analysis.parScoreNS : -analysis.parScoreNS;
    runs.push_back({QStringLiteral(", ") + SignedScore(score)});
    return runs;
}

double RunsWidth(const std::vector<Run>& runs, const QFontMetricsF& metrics) {
    double width = 0;
    for (const Run& run : runs) {
        width += metrics.horizontalAdvance(run.text);
    }
    return width;
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

bool ParFitsBeside(const TableGeometry& g, double parWidth, double width) {
    return g.Width() + g.parGap + parWidth <= width;
}

void DrawRuns(QPainter& painter, QPointF topLeft, const QFont& font, const std::vector<Run>& runs) {
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
    for (const Run& run : ParLineRuns(analysis, request)) {
        text += run.text;
    }
    return text;
}

double AnalysisBlockHeight(const std::vector<Board>& boards, double width, const QFont& font,
                           const PrintRequest& request, const QPaintDevice& device) {
    const TableGeometry g = LayOutTable(font, request, device);
    const QFontMetricsF metrics(font, &device);
    bool any = false;
    bool parBelow = false;
    for (const Board& board : boards) {
        if (!board.analysis) {
            continue;
        }
        any = true;
        const double parWidth = RunsWidth(ParLineRuns(*board.analysis, request), metrics);
        parBelow = parBelow || !ParFitsBeside(g, parWidth, width);
    }
    if (!any) {
        return 0;
    }
    return (kTableLines + (parBelow ? 1 : 0)) * g.line;
}

void DrawAnalysisBlock(QPainter& painter, const QRectF& rect, const Board& board, const QFont& font,
                       const PrintRequest& request) {
    if (!board.analysis) {
        return;
    }
    const BoardAnalysis& analysis = *board.analysis;
    const TableGeometry g = LayOutTable(font, request, *painter.device());
    const double left = rect.left();
    double top = rect.top();
    for (int strain = 0; strain < kStrains; ++strain) {
        DrawCentred(painter, left + g.labelWidth + strain * g.strainWidth, g.strainWidth, top, font,
                    StrainRun(strain, request));
    }
    QPen rule(QColor(150, 150, 150));
    rule.setWidthF(std::max(1.0, g.line / 20));
    painter.setPen(rule);
    painter.drawLine(QPointF(left, top + g.line), QPointF(left + g.Width(), top + g.line));
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
    const std::vector<Run> par = ParLineRuns(analysis, request);
    if (par.empty()) {
        return;
    }
    // The block's height says where the par line goes: AnalysisBlockHeight gave a sixth line
    // when a par line of the printout does not fit beside its table.
    if (rect.height() < (kTableLines + 0.5) * g.line) {
        DrawRuns(painter, QPointF(left + g.Width() + g.parGap, rect.top() + g.line), font, par);
    } else {
        DrawRuns(painter, QPointF(left, rect.top() + kTableLines * g.line), font, par);
    }
}

}  // namespace kesto::prt3
