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
constexpr double kAnalysisColumnGapMm = 6;

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

// What one sheet holds and where: the board's title block at the top left, in the corner
// beside North's hand when it fits there (else above the diagram), the diagram, and the
// makeable contracts when the records carry them: in a column at the right of the diagram, so
// the sheet is no taller for them, or under it when the fonts leave no room beside it.
struct SheetLayout {
    double diagramTop = 0;  // from the sheet's top
    double diagramWidth = 0;
    double diagramHeight = 0;
    AnalysisBlockLayout analysis;
    bool analysisBeside = false;
    QPointF analysisAt;  // the block's top left, from the sheet's top left
    double Height() const {
        return std::max(diagramTop + diagramHeight, analysisAt.y() + analysis.height);
    }
};

// One layout for every sheet of the printout, so the sheets stand alike on every page.
SheetLayout LayOutSheet(const QPrinter& printer, const PrintRequest& request,
                        const DiagramStyle& style, const std::vector<Board>& boards, double width) {
    SheetLayout sheet;
    QSizeF titleBlock;
    for (const Board& board : boards) {
        titleBlock = titleBlock.expandedTo(TitleBlockSize(printer, board, request));
    }
    // The makeable contracts take the width the diagram leaves with the title block still in
    // its corner, their par line broken to fit: a long par line makes no sheet taller. A title
    // block too wide for the corner of the whole width stands above the diagram anyway.
    const QSizeF natural = DiagramNaturalSize(style, request.words, printer);
    const double forCorner = DiagramWidthForCorner(style, titleBlock.width(), printer);
    const double diagramLeast =
        forCorner <= width ? std::max(natural.width(), forCorner) : natural.width();
    const QFont analysisFont = AnalysisFont(request);
    const double columnGap = Mm(printer, kAnalysisColumnGapMm);
    sheet.analysis = LayOutAnalysisBlock(boards, width - diagramLeast - columnGap, analysisFont,
                                         request, printer);
    sheet.analysisBeside =
        sheet.analysis.width > 0 && diagramLeast + columnGap + sheet.analysis.width <= width;
    if (sheet.analysis.width > 0 && !sheet.analysisBeside) {
        sheet.analysis = LayOutAnalysisBlock(boards, width, analysisFont, request, printer);
    }
    sheet.diagramWidth = sheet.analysisBeside ? width - sheet.analysis.width - columnGap : width;

    const QSizeF corner = DiagramCornerRoom(style, sheet.diagramWidth, printer);
    if (titleBlock.width() <= corner.width()) {
        sheet.diagramTop = std::max(0.0, titleBlock.height() - corner.height());
    } else {
        sheet.diagramTop = titleBlock.height() + Mm(printer, kTitleBlockGapMm);
    }
    sheet.diagramHeight = natural.height();
    if (sheet.analysisBeside) {
        // Level with the middle of the diagram: beside West, the compass and East.
        sheet.analysisAt = QPointF(
            width - sheet.analysis.width,
            sheet.diagramTop + std::max(0.0, (sheet.diagramHeight - sheet.analysis.height) / 2));
    } else if (sheet.analysis.height > 0) {
        sheet.analysisAt =
            QPointF(0, sheet.diagramTop + sheet.diagramHeight + Mm(printer, kTitleBlockGapMm));
    }
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
    const double below =
        sheet.analysisBeside ? 0 : sheet.Height() - sheet.diagramTop - sheet.diagramHeight;
    const double height = std::min(sheet.diagramHeight, slot.bottom() - below - diagramTop);
    DrawDiagram(painter, QRectF(slot.left(), diagramTop, sheet.diagramWidth, height), board, style,
                request.words);
    const QPointF analysisAt =
        sheet.analysisBeside
            ? QPointF(slot.left(), top) + sheet.analysisAt
            : QPointF(slot.left(), diagramTop + height + Mm(printer, kTitleBlockGapMm));
    DrawAnalysisBlock(painter, analysisAt, sheet.analysis, board, AnalysisFont(request), request);
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
