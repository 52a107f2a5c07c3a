// Where the pieces of a cut-apart page go and where its cut lines run: the stacked deal sheets
// and the grid of curtain cards, compiled in from the library's source.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "kestprt3/cut_layout.h"

namespace kesto::prt3 {
namespace {

std::string Describe(const std::vector<QLineF>& lines) {
    std::string text;
    for (const QLineF& line : lines) {
        text += "(" + std::to_string(line.x1()) + "," + std::to_string(line.y1()) + ")-(" +
                std::to_string(line.x2()) + "," + std::to_string(line.y2()) + ") ";
    }
    return text;
}

struct StackCase {
    double room;
    double sheet;
    double gap;
    int perPage;
};

TEST(SheetStack, AsManyWholeSheetsAsFitWithTheGapBetweenThem) {
    const StackCase cases[] = {
        {264, 80, 12, 3},     // three sheets and two gaps fill the room exactly
        {264, 80.01, 12, 2},  // a hair taller: two
        {264, 60, 12, 3},     // four would need 4 * 60 + 3 * 12 = 276
        {264, 264, 12, 1},    // one sheet as tall as the room
        {264, 500, 12, 1},    // taller than the room: still one, shrunk by its drawing
        {264, 20, 0, 13},     // no gap asked for
        {264, 0, 12, 1},      // nothing to stack
    };
    for (const StackCase& c : cases) {
        SCOPED_TRACE("sheet " + std::to_string(c.sheet));
        const SheetStack stack = StackSheets(c.room, c.sheet, c.gap);
        EXPECT_EQ(stack.perPage, c.perPage);
        // The room is shared evenly: a sheet stands at the same place on every page.
        EXPECT_DOUBLE_EQ(stack.slotHeight * stack.perPage, c.room);
        if (c.sheet > 0 && c.sheet <= c.room) {
            EXPECT_GE(stack.slotHeight, c.sheet);
        }
    }
}

TEST(SheetStack, SlotsFollowEachOtherDownTheRoom) {
    const QRectF room(10, 20, 180, 240);
    const SheetStack stack = StackSheets(room.height(), 70, 8);
    ASSERT_EQ(stack.perPage, 3);
    EXPECT_EQ(SheetSlot(room, stack, 0), QRectF(10, 20, 180, 80));
    EXPECT_EQ(SheetSlot(room, stack, 1), QRectF(10, 100, 180, 80));
    EXPECT_EQ(SheetSlot(room, stack, 2), QRectF(10, 180, 180, 80));
}

struct SheetCutCase {
    int perPage;
    int sheets;
    std::vector<double> ys;  // the cut lines' heights, each across the room
};

TEST(SheetStack, ACutLineUnderEverySheetThatHasASlotBelowIt) {
    const QRectF room(10, 20, 180, 240);
    const SheetCutCase cases[] = {
        {3, 3, {100, 180}},  // a full page: none under the last sheet, above the footer
        {3, 2, {100, 180}},  // the second sheet is cut from the empty slot under it
        {3, 1, {100}},       // the last page's single sheet: no frame around the empty slots
        {1, 1, {}},          // one sheet a page
        {3, 0, {}},
    };
    for (const SheetCutCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.sheets) + " of " + std::to_string(c.perPage));
        const SheetStack stack{c.perPage, room.height() / c.perPage};
        std::vector<QLineF> expected;
        for (const double y : c.ys) {
            expected.emplace_back(room.left(), y, room.right(), y);
        }
        const std::vector<QLineF> lines = SheetCutLines(room, stack, c.sheets);
        EXPECT_EQ(lines, expected) << Describe(lines);
    }
}

struct FitCase {
    QSizeF area;
    QSizeF card;
    int columns;
    int rows;
};

TEST(CardGrid, TheWholeCardsThatFitTheArea) {
    const FitCase cases[] = {
        {{194, 281}, {50, 70}, 3, 4},  // A4 upright less 8 mm margins, 5 x 7 cm cards
        {{281, 194}, {50, 70}, 5, 2},  // the same page turned
        {{150, 70}, {50, 70}, 3, 1},   // exactly three cards
        {{149.9, 70}, {50, 70}, 2, 1}, {{49, 300}, {50, 70}, 0, 4},  // not one card across
        {{100, 100}, {0, 70}, 0, 0},
    };
    for (const FitCase& c : cases) {
        const CardGrid grid = FitCards(c.area, c.card);
        EXPECT_EQ(grid.columns, c.columns) << c.area.width();
        EXPECT_EQ(grid.rows, c.rows) << c.area.height();
    }
}

TEST(CardGrid, TheGridStandsInTheMiddleOfTheAreaAndFillsRowByRow) {
    const QRectF area(0, 0, 200, 300);
    const QSizeF card(50, 70);
    const CardGrid grid{3, 4};
    const QRectF gridRect = GridRect(area, card, grid);
    EXPECT_EQ(gridRect, QRectF(25, 10, 150, 280));
    EXPECT_EQ(CardSlot(gridRect, card, grid, 0), QRectF(25, 10, 50, 70));
    EXPECT_EQ(CardSlot(gridRect, card, grid, 2), QRectF(125, 10, 50, 70));
    EXPECT_EQ(CardSlot(gridRect, card, grid, 3), QRectF(25, 80, 50, 70));
    EXPECT_EQ(CardSlot(gridRect, card, grid, 11), QRectF(125, 220, 50, 70));
}

struct GridCutCase {
    int cards;
    std::vector<QLineF> lines;
};

TEST(CardGrid, CutLinesRunAlongTheCardsOnlyAndOnToTheAreaEdge) {
    const QRectF area(0, 0, 200, 300);
    const QSizeF card(50, 70);
    const CardGrid grid{3, 4};
    const QRectF gridRect(25, 10, 150, 280);
    const GridCutCase cases[] = {
        {12,
         {{25, 0, 25, 300},
          {75, 0, 75, 300},
          {125, 0, 125, 300},
          {175, 0, 175, 300},
          {0, 10, 200, 10},
          {0, 80, 200, 80},
          {0, 150, 200, 150},
          {0, 220, 200, 220},
          {0, 290, 200, 290}}},
        // A single card: its four edges, the top and left ones on to the area's edge.
        {1, {{25, 0, 25, 80}, {75, 0, 75, 80}, {0, 10, 75, 10}, {0, 80, 75, 80}}},
        // A full row and one card under it.
        {4,
         {{25, 0, 25, 150},
          {75, 0, 75, 150},
          {125, 0, 125, 80},
          {175, 0, 175, 80},
          {0, 10, 200, 10},
          {0, 80, 200, 80},
          {0, 150, 75, 150}}},
        {0, {}},
        {20, {}},  // more cards than slots: a full page, below
    };
    for (const GridCutCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.cards) + " cards");
        const std::vector<QLineF> lines = GridCutLines(area, gridRect, card, grid, c.cards);
        if (c.cards == 20) {
            EXPECT_EQ(lines, GridCutLines(area, gridRect, card, grid, 12));
            continue;
        }
        EXPECT_EQ(lines, c.lines) << Describe(lines);
    }
}

// Whether the point lies on an edge of one of the first cards slots.
bool OnACardEdge(QPointF point, const QRectF& gridRect, const QSizeF& card, const CardGrid& grid,
                 int cards) {
    for (int slot = 0; slot < std::min(cards, grid.PerPage()); ++slot) {
        const QRectF rect = CardSlot(gridRect, card, grid, slot);
        const bool onVertical = (std::abs(point.x() - rect.left()) < 1e-6 ||
                                 std::abs(point.x() - rect.right()) < 1e-6) &&
                                point.y() >= rect.top() - 1e-6 && point.y() <= rect.bottom() + 1e-6;
        const bool onHorizontal = (std::abs(point.y() - rect.top()) < 1e-6 ||
                                   std::abs(point.y() - rect.bottom()) < 1e-6) &&
                                  point.x() >= rect.left() - 1e-6 &&
                                  point.x() <= rect.right() + 1e-6;
        if (onVertical || onHorizontal) {
            return true;
        }
    }
    return false;
}

TEST(CardGrid, EveryCutLineStaysInTheAreaAndInsideTheGridFollowsACardsEdge) {
    const QSizeF card(50, 60);
    for (const QRectF area : {QRectF(0, 0, 194, 281), QRectF(0, 0, 281, 194),
                              QRectF(5, 7, 170, 257), QRectF(0, 0, 50, 60)}) {
        const CardGrid grid = FitCards(area.size(), card);
        const QRectF gridRect = GridRect(area, card, grid);
        for (int cards = 1; cards <= grid.PerPage(); ++cards) {
            SCOPED_TRACE(std::to_string(area.width()) + " wide, " + std::to_string(cards) +
                         " cards");
            const std::vector<QLineF> lines = GridCutLines(area, gridRect, card, grid, cards);
            ASSERT_FALSE(lines.empty());
            for (const QLineF& line : lines) {
                for (const QPointF end : {line.p1(), line.p2()}) {
                    EXPECT_GE(end.x(), area.left());
                    EXPECT_LE(end.x(), area.right());
                    EXPECT_GE(end.y(), area.top());
                    EXPECT_LE(end.y(), area.bottom());
                }
                for (double t = 0; t <= 1.0; t += 1.0 / 64) {
                    const QPointF point = line.pointAt(t);
                    if (gridRect.adjusted(0.01, 0.01, -0.01, -0.01).contains(point)) {
                        EXPECT_TRUE(OnACardEdge(point, gridRect, card, grid, cards))
                            << point.x() << "," << point.y();
                    }
                }
            }
            // Every card has its four edges drawn.
            for (int slot = 0; slot < cards; ++slot) {
                const QRectF rect = CardSlot(gridRect, card, grid, slot);
                for (const QPointF middle : {QPointF(rect.center().x(), rect.top()),
                                             QPointF(rect.center().x(), rect.bottom()),
                                             QPointF(rect.left(), rect.center().y()),
                                             QPointF(rect.right(), rect.center().y())}) {
                    const bool drawn =
                        std::any_of(lines.begin(), lines.end(), [&](const QLineF& l) {
                            const QRectF span = QRectF(l.p1(), l.p2()).normalized();
                            return span.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(middle);
                        });
                    EXPECT_TRUE(drawn)
                        << "slot " << slot << " at " << middle.x() << "," << middle.y();
                }
            }
        }
    }
}

}  // namespace
}  // namespace kesto::prt3
