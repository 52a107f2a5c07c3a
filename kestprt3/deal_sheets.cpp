#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "kestprt3/analysis_table.h"
#include "kestprt3/drawing.h"
#include "kestprt3/kestprt3.h"
#include "kestprt3/printouts.h"

namespace kesto::prt3 {

namespace {

constexpr double kMarginMm = 15;

void DrawTitleBand(QPainter& painter, const QPrinter& printer, const QRectF& area,
                   const Board& board, const PrintRequest& request, double height) {
    const QFont titleFont = BoldFont(ScaledFont(request.labelFont, 2.4));
    DrawTextAt(painter, area.topLeft(), titleFont, BoardTitle(board, request.words));

    if (request.showDealerAndVulnerability) {
        const QFont infoFont = ScaledFont(request.labelFont, 1.3);
        const QFontMetricsF metrics(infoFont, &printer);
        double y = area.top();
        for (const QString& line :
             {DealerLine(board, request.words), VulnerabilityLine(board, request.words)}) {
            if (line.isEmpty()) {
                continue;
            }
            DrawTextAt(painter, QPointF(area.right() - metrics.horizontalAdvance(line), y),
                       infoFont, line);
            y += metrics.lineSpacing();
        }
    }
    QPen rule(QColor(40, 40, 40));
    rule.setWidthF(Mm(printer, 0.35));
    painter.setPen(rule);
    painter.drawLine(QPointF(area.left(), area.top() + height),
                     QPointF(area.right(), area.top() + height));
}

}  // namespace

std::int32_t PrintDealSheets(QPrinter& printer, const PrintRequest& request,
                             const std::vector<Board>& boards) {
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return kKestPrt3CannotOpen;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    DiagramStyle style;
    style.cardsFont = request.cardsFont;
    style.labelFont = request.labelFont;
    style.infoCorner = false;
    style.seatLabels = true;
    style.showDealerAndVulnerability = request.showDealerAndVulnerability;
    style.useColor = request.useColor;

    const QFontMetricsF titleMetrics(BoldFont(ScaledFont(request.labelFont, 2.4)), &printer);
    const QFontMetricsF infoMetrics(ScaledFont(request.labelFont, 1.3), &printer);
    const double bandHeight =
        std::max(titleMetrics.lineSpacing(), 2 * infoMetrics.lineSpacing()) + Mm(printer, 2);
    const double footerHeight = PageFooterHeight(printer, request);
    const double top = area.top() + bandHeight + Mm(printer, 12);
    const QRectF room(area.left(), top, area.width(), area.bottom() - footerHeight - top);

    // The diagram across the page, standing in the upper part of it; West keeps close to the
    // compass, so a long suit has the whole width to itself before the font shrinks.
    style.westBesideCompass = true;
    const QSizeF natural = DiagramNaturalSize(style, request.words, printer);
    // The makeable contracts under the diagram; 0 when the records carry none.
    const QFont analysisFont = ScaledFont(request.labelFont, 1.3);
    const double analysisHeight =
        AnalysisBlockHeight(boards, room.width(), analysisFont, request, printer);
    const double analysisGap = analysisHeight > 0 ? Mm(printer, 8) : 0;
    const double height = std::min(room.height() - analysisHeight - analysisGap, natural.height());
    const QRectF diagram(room.left(), room.top(), room.width(), height);
    const QRectF analysis(room.left(), diagram.bottom() + analysisGap, room.width(),
                          analysisHeight);

    const int pages = static_cast<int>(boards.size());
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return kKestPrt3PrintFailed;
        }
        const Board& board = boards[static_cast<std::size_t>(page)];
        DrawTitleBand(painter, printer, area, board, request, bandHeight);
        DrawDiagram(painter, diagram, board, style, request.words);
        DrawAnalysisBlock(painter, analysis, board, analysisFont, request);
        DrawPageFooter(painter, printer, area, request, page + 1, pages);
    }
    return painter.end() ? kKestPrt3Ok : kKestPrt3PrintFailed;
}

}  // namespace kesto::prt3
