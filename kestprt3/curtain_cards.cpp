#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "kestprt3/drawing.h"
#include "kestprt3/kestprt3.h"
#include "kestprt3/printouts.h"

namespace kesto::prt3 {

namespace {

constexpr double kMarginMm = 8;
constexpr double kCardPaddingMm = 3;

struct CardGrid {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int columns = 0;
    int rows = 0;
    int PerPage() const { return columns * rows; }
};

// The cards that fit on the paper in one orientation of the page.
CardGrid GridFor(const QPageSize& paper, QPageLayout::Orientation orientation, double cardWidth,
                 double cardHeight) {
    QSizeF size = paper.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape) {
        size.transpose();
    }
    CardGrid grid;
    grid.orientation = orientation;
    grid.columns = static_cast<int>(std::floor((size.width() - 2 * kMarginMm) / cardWidth + 1e-9));
    grid.rows = static_cast<int>(std::floor((size.height() - 2 * kMarginMm) / cardHeight + 1e-9));
    grid.columns = std::max(grid.columns, 0);
    grid.rows = std::max(grid.rows, 0);
    return grid;
}

QFont FittedFont(QFont font, const QString& text, double width, const QPaintDevice& device) {
    for (int tries = 0; tries < 30; ++tries) {
        if (QFontMetricsF(font, &device).horizontalAdvance(text) <= width ||
            font.pointSizeF() <= 4) {
            break;
        }
        font = ScaledFont(font, 0.92);
    }
    return font;
}

void DrawCard(QPainter& painter, const QPrinter& printer, const QRectF& card, const Board& board,
              Seat seat, const PrintRequest& request) {
    const QPaintDevice& device = printer;
    const QRectF inner = card.adjusted(Mm(printer, kCardPaddingMm), Mm(printer, kCardPaddingMm),
                                       -Mm(printer, kCardPaddingMm), -Mm(printer, kCardPaddingMm));
    const QString title = BoardTitle(board, request.words);
    const QString position = SeatWord(seat, request.words);
    const QFont titleFont = FittedFont(request.boardNumberFont, title, inner.width(), device);
    const QFont positionFont = FittedFont(request.positionFont, position, inner.width(), device);
    const QFontMetricsF titleMetrics(titleFont, &device);
    const QFontMetricsF positionMetrics(positionFont, &device);

    // Board number at the left, seat at the right; the seat drops to a line of its own when
    // the two do not share one.
    DrawTextAt(painter, inner.topLeft(), titleFont, title);
    double y = inner.top();
    const double positionWidth = positionMetrics.horizontalAdvance(position);
    if (titleMetrics.horizontalAdvance(title) + Mm(printer, 3) + positionWidth <= inner.width()) {
        y += std::max(titleMetrics.lineSpacing(), positionMetrics.lineSpacing());
        DrawTextAt(painter, QPointF(inner.right() - positionWidth, inner.top()), positionFont,
                   position);
    } else {
        y += titleMetrics.lineSpacing();
        DrawTextAt(painter, QPointF(inner.right() - positionWidth, y), positionFont, position);
        y += positionMetrics.lineSpacing();
    }
    y += Mm(printer, 1);
    QPen rule(QColor(140, 140, 140));
    rule.setWidthF(Mm(printer, 0.2));
    painter.setPen(rule);
    painter.drawLine(QPointF(inner.left(), y), QPointF(inner.right(), y));
    y += Mm(printer, 1.5);

    const QRectF room(inner.left(), y, inner.width(), inner.bottom() - y);
    const Hand& hand = board.hands[seat];
    QFont cardsFont = request.cardsFont;
    for (int tries = 0; tries < 30; ++tries) {
        const QFontMetricsF metrics(cardsFont, &device);
        if ((HandWidth(hand, cardsFont, request.words, device) <= room.width() &&
             4 * metrics.lineSpacing() <= room.height()) ||
            cardsFont.pointSizeF() <= 4) {
            break;
        }
        cardsFont = ScaledFont(cardsFont, 0.92);
    }
    const QFontMetricsF metrics(cardsFont, &device);
    const double handWidth = HandWidth(hand, cardsFont, request.words, device);
    const double handHeight = 4 * metrics.lineSpacing();
    const QPointF origin(room.center().x() - handWidth / 2,
                         room.top() + std::max(0.0, (room.height() - handHeight) / 2));
    DrawHand(painter, origin, hand, cardsFont, request.words, request.useColor);
}

void DrawCutLines(QPainter& painter, const QPrinter& printer, const QRectF& area,
                  const QPointF& origin, double cardWidth, double cardHeight,
                  const CardGrid& grid) {
    QPen cut(QColor(110, 110, 110));
    cut.setWidthF(Mm(printer, 0.2));
    cut.setStyle(Qt::DashLine);
    painter.setPen(cut);
    for (int column = 0; column <= grid.columns; ++column) {
        const double x = origin.x() + column * cardWidth;
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    for (int row = 0; row <= grid.rows; ++row) {
        const double y = origin.y() + row * cardHeight;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
}

}  // namespace

std::int32_t PrintCurtainCards(QPrinter& printer, const PrintRequest& request,
                               const std::vector<Board>& boards) {
    double cardWidthMm = request.cardWidthMm;
    double cardHeightMm = request.cardHeightMm;
    if (request.landscapeCards) {
        std::swap(cardWidthMm, cardHeightMm);
    }
    if (cardWidthMm < 10 || cardHeightMm < 10 || request.curtainSeats.empty()) {
        return kKestPrt3BadCardSize;
    }
    // The page turns whichever way holds more cards.
    const QPageSize paper = printer.pageLayout().pageSize();
    const CardGrid portrait = GridFor(paper, QPageLayout::Portrait, cardWidthMm, cardHeightMm);
    const CardGrid landscape = GridFor(paper, QPageLayout::Landscape, cardWidthMm, cardHeightMm);
    const CardGrid grid = landscape.PerPage() > portrait.PerPage() ? landscape : portrait;
    if (grid.PerPage() == 0) {
        return kKestPrt3BadCardSize;
    }
    printer.setPageOrientation(grid.orientation);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&printer)) {
        return kKestPrt3CannotOpen;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const double cardWidth = Mm(printer, cardWidthMm);
    const double cardHeight = Mm(printer, cardHeightMm);
    const QPointF origin(area.center().x() - grid.columns * cardWidth / 2,
                         area.center().y() - grid.rows * cardHeight / 2);

    const std::size_t seatsPerBoard = request.curtainSeats.size();
    const std::size_t cards = boards.size() * seatsPerBoard;
    const auto perPage = static_cast<std::size_t>(grid.PerPage());
    for (std::size_t first = 0; first < cards; first += perPage) {
        if (first > 0 && !printer.newPage()) {
            painter.end();
            return kKestPrt3PrintFailed;
        }
        DrawCutLines(painter, printer, area, origin, cardWidth, cardHeight, grid);
        for (std::size_t slot = 0; slot < perPage && first + slot < cards; ++slot) {
            const std::size_t index = first + slot;
            const int column = static_cast<int>(slot % static_cast<std::size_t>(grid.columns));
            const int row = static_cast<int>(slot / static_cast<std::size_t>(grid.columns));
            const QRectF card(origin.x() + column * cardWidth, origin.y() + row * cardHeight,
                              cardWidth, cardHeight);
            DrawCard(painter, printer, card, boards[index / seatsPerBoard],
                     request.curtainSeats[index % seatsPerBoard], request);
        }
    }
    return painter.end() ? kKestPrt3Ok : kKestPrt3PrintFailed;
}

}  // namespace kesto::prt3
