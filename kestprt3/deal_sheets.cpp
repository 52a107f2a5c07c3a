#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "kestprt3/analysis_table.h"
#include "kestprt3/cut_layout.h"
#include "kestprt3/drawing.h"
#include "kestprt3/kestprt3.h"
#include "kestprt3/printouts.h"

namespace kesto::prt3 {

namespace {

constexpr double kMarginMm = 15;
// The least room between two sheets on a page; the cut line runs in the middle of it.
constexpr double kSheetGapMm = 8;
constexpr double kTitleBlockGapMm = 2;

QFont TitleFont(const PrintRequest& request) {
    return BoldFont(ScaledFont(request.labelFont, 2.4));
}

QFont InfoFont(const PrintRequest& request) {
    return ScaledFont(request.labelFont, 1.3);
}

QFont AnalysisFont(const PrintRequest& request) {
    return ScaledFont(request.labelFont, 1.3);
}

QStringList InfoLines(const Board& board, const PrintRequest& request) {
    QStringList lines;
    if (request.showDealerAndVulnerability) {
        for (const QString& line :
             {DealerLine(board, request.words), VulnerabilityLine(board, request.words)}) {
            if (!line.isEmpty()) {
                lines.append(line);
            }
        }
    }
    return lines;
}

// The title block of a board: "Board 12" large, the dealer and the vulnerability under it.
QSizeF TitleBlockSize(const QPrinter& printer, const Board& board, const PrintRequest& request) {
    const QFontMetricsF titleMetrics(TitleFont(request), &printer);
    const QFontMetricsF infoMetrics(InfoFont(request), &printer);
    double width = titleMetrics.horizontalAdvance(BoardTitle(board, request.words));
    const QStringList lines = InfoLines(board, request);
    for (const QString& line : lines) {
        width = std::max(width, infoMetrics.horizontalAdvance(line));
    }
    return {width, titleMetrics.lineSpacing() +
                       static_cast<double>(lines.size()) * infoMetrics.lineSpacing()};
}

void DrawTitleBlock(QPainter& painter, const QPrinter& printer, QPointF topLeft, const Board& board,
                    const PrintRequest& request) {
    const QFont titleFont = TitleFont(request);
    const QFont infoFont = InfoFont(request);
    DrawTextAt(painter, topLeft, titleFont, BoardTitle(board, request.words));
    double y = topLeft.y() + QFontMetricsF(titleFont, &printer).lineSpacing();
    for (const QString& line : InfoLines(board, request)) {
        DrawTextAt(painter, QPointF(topLeft.x(), y), infoFont, line);
        y += QFontMetricsF(infoFont, &printer).lineSpacing();
    }
}

// What one sheet holds, top to bottom, and where: the board's title block at the top left, in
// the corner beside North's hand when it fits there (else above the diagram), the diagram, and
// the makeable contracts when the records carry them. The sheet's height is the sum of its
// parts, so the block under the diagram takes its room on the page and the page holds fewer
// sheets.
struct SheetLayout {
    double diagramTop = 0;  // from the sheet's top
    double diagramHeight = 0;
    double analysisGap = 0;
    double analysisHeight = 0;  // 0 without makeable contracts
    double Height() const { return diagramTop + diagramHeight + analysisGap + analysisHeight; }
};

// One layout for every sheet of the printout, so the sheets stand alike on every page.
SheetLayout LayOutSheet(const QPrinter& printer, const PrintRequest& request,
                        const DiagramStyle& style, const std::vector<Board>& boards, double width) {
    QSizeF titleBlock;
    for (const Board& board : boards) {
        titleBlock = titleBlock.expandedTo(TitleBlockSize(printer, board, request));
    }
    const QSizeF corner = DiagramCornerRoom(style, width, printer);
    SheetLayout sheet;
    if (titleBlock.width() <= corner.width()) {
        sheet.diagramTop = std::max(0.0, titleBlock.height() - corner.height());
    } else {
        sheet.diagramTop = titleBlock.height() + Mm(printer, kTitleBlockGapMm);
    }
    sheet.diagramHeight = DiagramNaturalSize(style, request.words, printer).height();
    sheet.analysisHeight =
        AnalysisBlockHeight(boards, width, AnalysisFont(request), request, printer);
    sheet.analysisGap = sheet.analysisHeight > 0 ? Mm(printer, kTitleBlockGapMm) : 0;
    return sheet;
}

DiagramStyle SheetStyle(const PrintRequest& request) {
    DiagramStyle style;
    style.cardsFont = request.cardsFont;
    style.labelFont = request.labelFont;
    style.infoCorner = false;
    style.seatLabels = true;
    // West keeps close to the compass, so a long suit has the whole width to itself before the
    // font shrinks.
    style.westBesideCompass = true;
    style.showDealerAndVulnerability = request.showDealerAndVulnerability;
    style.useColor = request.useColor;
    return style;
}

// One sheet in its slot, standing in the middle of it; a sheet taller than its slot (one to a
// page and still too tall) has its diagram shrunk into what is left.
void DrawSheet(QPainter& painter, const QPrinter& printer, const QRectF& slot,
               const SheetLayout& sheet, const Board& board, const PrintRequest& request,
               const DiagramStyle& style) {
    const double top = slot.top() + std::max(0.0, (slot.height() - sheet.Height()) / 2);
    DrawTitleBlock(painter, printer, QPointF(slot.left(), top), board, request);
    const double diagramTop = top + sheet.diagramTop;
    const double below = sheet.analysisGap + sheet.analysisHeight;
    const double height = std::min(sheet.diagramHeight, slot.bottom() - below - diagramTop);
    DrawDiagram(painter, QRectF(slot.left(), diagramTop, slot.width(), height), board, style,
                request.words);
    DrawAnalysisBlock(painter,
                      QRectF(slot.left(), diagramTop + height + sheet.analysisGap, slot.width(),
                             sheet.analysisHeight),
                      board, AnalysisFont(request), request);
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
    const DiagramStyle style = SheetStyle(request);
    const double footerHeight = PageFooterHeight(printer, request);
    const QRectF room(area.left(), area.top(), area.width(), area.height() - footerHeight);
    const SheetLayout sheet = LayOutSheet(printer, request, style, boards, room.width());
    const SheetStack stack = StackSheets(room.height(), sheet.Height(), Mm(printer, kSheetGapMm));

    const auto perPage = static_cast<std::size_t>(stack.perPage);
    const int pages = static_cast<int>((boards.size() + perPage - 1) / perPage);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            painter.end();
            return kKestPrt3PrintFailed;
        }
        const std::size_t first = static_cast<std::size_t>(page) * perPage;
        const int onPage = static_cast<int>(std::min(perPage, boards.size() - first));
        for (int index = 0; index < onPage; ++index) {
            DrawSheet(painter, printer, SheetSlot(room, stack, index), sheet,
                      boards[first + static_cast<std::size_t>(index)], request, style);
        }
        DrawCutLines(painter, printer, SheetCutLines(room, stack, onPage));
        DrawPageFooter(painter, printer, area, request, page + 1, pages);
    }
    return painter.end() ? kKestPrt3Ok : kKestPrt3PrintFailed;
}

}  // namespace kesto::prt3
