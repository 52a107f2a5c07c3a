#include "kestprt3/cut_layout.h"

#include <algorithm>
#include <cmath>

namespace kesto::prt3 {

namespace {

// Lengths that should fit exactly must not lose a piece to rounding.
constexpr double kSlack = 1e-9;

// How many of the first cards slots of the grid lie in the column (row by row filling).
int CardsInColumn(const CardGrid& grid, int cards, int column) {
    if (column < 0 || column >= grid.columns) {
        return 0;
    }
    const int full = cards / grid.columns;
    const int rest = cards % grid.columns;
    return std::min(grid.rows, full + (column < rest ? 1 : 0));
}

int CardsInRow(const CardGrid& grid, int cards, int row) {
    if (row < 0 || row >= grid.rows) {
        return 0;
    }
    const int full = cards / grid.columns;
    if (row < full) {
        return grid.columns;
    }
    return row == full ? cards % grid.columns : 0;
}

bool Within(double value, double low, double high) {
    return value >= low - kSlack && value <= high + kSlack;
}

}  // namespace

SheetStack StackSheets(double roomHeight, double sheetHeight, double minGap) {
    SheetStack stack;
    if (sheetHeight > 0) {
        const double fit = std::floor((roomHeight + minGap) / (sheetHeight + minGap) + kSlack);
        stack.perPage = std::max(1, static_cast<int>(std::min(fit, 1000.0)));
    }
    stack.slotHeight = std::max(0.0, roomHeight) / stack.perPage;
    return stack;
}

QRectF SheetSlot(const QRectF& room, const SheetStack& stack, int index) {
    return {room.left(), room.top() + index * stack.slotHeight, room.width(), stack.slotHeight};
}

std::vector<QLineF> SheetCutLines(const QRectF& room, const SheetStack& stack, int sheets) {
    std::vector<QLineF> lines;
    const int last = std::min(sheets, stack.perPage - 1);
    for (int index = 1; index <= last; ++index) {
        const double y = room.top() + index * stack.slotHeight;
        lines.emplace_back(room.left(), y, room.right(), y);
    }
    return lines;
}

CardGrid FitCards(const QSizeF& area, const QSizeF& card) {
    CardGrid grid;
    if (card.width() <= 0 || card.height() <= 0) {
        return grid;
    }
    grid.columns = std::max(0, static_cast<int>(std::floor(area.width() / card.width() + kSlack)));
    grid.rows = std::max(0, static_cast<int>(std::floor(area.height() / card.height() + kSlack)));
    return grid;
}

QRectF GridRect(const QRectF& area, const QSizeF& card, const CardGrid& grid) {
    const QSizeF size(grid.columns * card.width(), grid.rows * card.height());
    return {area.center().x() - size.width() / 2, area.center().y() - size.height() / 2,
            size.width(), size.height()};
}

QRectF CardSlot(const QRectF& gridRect, const QSizeF& card, const CardGrid& grid, int slot) {
    const int column = slot % grid.columns;
    const int row = slot / grid.columns;
    return {gridRect.left() + column * card.width(), gridRect.top() + row * card.height(),
            card.width(), card.height()};
}

std::vector<QLineF> GridCutLines(const QRectF& area, const QRectF& gridRect, const QSizeF& card,
                                 const CardGrid& grid, int cards) {
    std::vector<QLineF> lines;
    if (grid.PerPage() == 0 || cards <= 0) {
        return lines;
    }
    cards = std::min(cards, grid.PerPage());
    const auto clampX = [&](double x) { return std::clamp(x, area.left(), area.right()); };
    const auto clampY = [&](double y) { return std::clamp(y, area.top(), area.bottom()); };
    // A column edge reaches as far down as the deeper of the two columns beside it.
    for (int edge = 0; edge <= grid.columns; ++edge) {
        const int depth =
            std::max(CardsInColumn(grid, cards, edge - 1), CardsInColumn(grid, cards, edge));
        const double x = gridRect.left() + edge * card.width();
        if (depth == 0 || !Within(x, area.left(), area.right())) {
            continue;
        }
        const double bottom =
            depth == grid.rows ? area.bottom() : gridRect.top() + depth * card.height();
        lines.emplace_back(clampX(x), area.top(), clampX(x), clampY(bottom));
    }
    // A row edge reaches as far right as the longer of the two rows beside it.
    for (int edge = 0; edge <= grid.rows; ++edge) {
        const int length =
            std::max(CardsInRow(grid, cards, edge - 1), CardsInRow(grid, cards, edge));
        const double y = gridRect.top() + edge * card.height();
        if (length == 0 || !Within(y, area.top(), area.bottom())) {
            continue;
        }
        const double right =
            length == grid.columns ? area.right() : gridRect.left() + length * card.width();
        lines.emplace_back(area.left(), clampY(y), clampX(right), clampY(y));
    }
    return lines;
}

}  // namespace kesto::prt3
