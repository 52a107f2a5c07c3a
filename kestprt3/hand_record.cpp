#include <QPainter>

#include <algorithm>
#include <cmath>

#include "kestprt3/analysis_table.h"
#include "kestprt3/drawing.h"
#include "kestprt3/kestprt3.h"
#include "kestprt3/printouts.h"

namespace kesto::prt3 {

namespace {

constexpr double kMarginMm = 12;
constexpr double kCellPaddingMm = 3;
constexpr double kCellGapMm = 3;
constexpr int kMaxRows = 4;

DiagramStyle HandRecordStyle(const PrintRequest& request) {
    DiagramStyle style;
    style.cardsFont = request.cardsFont;
    style.labelFont = request.labelFont;
    style.infoCorner = true;
    style.seatLabels = false;
    style.showDealerAndVulnerability = request.showDealerAndVulnerability;
    style.useColor = request.useColor;
    return style;
}

}  // namespace

std::int32_t PrintHandRecord(QPrinter& printer, const PrintRequest& request,
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
    const DiagramStyle style = HandRecordStyle(request);
    const double padding = Mm(printer, kCellPaddingMm);
    const double gap = Mm(printer, kCellGapMm);
    const QSizeF natural = DiagramNaturalSize(style, request.words, printer);

    // The header takes the same room on every page: measure it once on the first page.
    const double footerHeight = PageFooterHeight(printer, request);
    const double headerHeight = DrawPageHeader(painter, printer, area, request);
    const QRectF grid(area.left(), area.top() + headerHeight, area.width(),
                      area.height() - headerHeight - footerHeight - gap);

    const double cellNaturalWidth = natural.width() + 2 * padding;
    const int columns = (2 * cellNaturalWidth + gap <= grid.width()) ? 2 : 1;
    const double cellWidth = (grid.width() - (columns - 1) * gap) / columns;
    // The makeable contracts under each diagram; none when the records carry none.
    const QFont analysisFont = ScaledFont(request.labelFont, 0.9);
    const AnalysisBlockLayout analysis =
        LayOutAnalysisBlock(boards, cellWidth - 2 * padding, analysisFont, request, printer);
    const double cellNaturalHeight = natural.height() + analysis.height + 2 * padding;
    const int rows =
        std::clamp(static_cast<int>(std::floor((grid.height() + gap) / (cellNaturalHeight + gap))),
                   1, kMaxRows);
    const int perPage = columns * rows;
    const int pages = static_cast<int>((boards.size() + static_cast<std::size_t>(perPage) - 1) /
                                       static_cast<std::size_t>(perPage));
    const double cellHeight = (grid.height() - (rows - 1) * gap) / rows;

    QPen frame(QColor(150, 150, 150));
    frame.setWidthF(Mm(printer, 0.2));
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            if (!printer.newPage()) {
                painter.end();
                return kKestPrt3PrintFailed;
            }
            DrawPageHeader(painter, printer, area, request);
        }
        for (int slot = 0; slot < perPage; ++slot) {
            const std::size_t index = static_cast<std::size_t>(page * perPage + slot);
            if (index >= boards.size()) {
                break;
            }
            // Boards run along the rows: 1 and 2 at the top, as a reader scans the page.
            const int column = slot % columns;
            const int row = slot / columns;
            const QRectF cell(grid.left() + column * (cellWidth + gap),
                              grid.top() + row * (cellHeight + gap), cellWidth, cellHeight);
            painter.setPen(frame);
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(cell, Mm(printer, 1.5), Mm(printer, 1.5));
            const QRectF inner = cell.adjusted(padding, padding, -padding, -padding);
            DrawDiagram(painter, inner.adjusted(0, 0, 0, -analysis.height), boards[index], style,
                        request.words);
            DrawAnalysisBlock(painter, QPointF(inner.left(), inner.bottom() - analysis.height),
                              analysis, boards[index], analysisFont, request);
        }
        DrawPageFooter(painter, printer, area, request, page + 1, pages);
    }
    return painter.end() ? kKestPrt3Ok : kKestPrt3PrintFailed;
}

}  // namespace kesto::prt3
