#pragma once
// Pages that are cut apart after printing: individual deal sheets stacked down the page and
// curtain cards in a grid. Where each piece goes and where the cut lines run, in the page's
// lengths (any unit, the same for every argument). Pure geometry: nothing is drawn here.

#include <QLineF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace kesto::prt3 {

// Sheets of one height stacked down a room, as many whole ones as fit with at least minGap
// between two of them (at least one, even when one does not fit). The room is split into equal
// slots, one per sheet, so a sheet stands at the same place on every page.
struct SheetStack {
    int perPage = 1;
    double slotHeight = 0;
};
SheetStack StackSheets(double roomHeight, double sheetHeight, double minGap);

// The slot of the index-th sheet of a page (0 at the top).
QRectF SheetSlot(const QRectF& room, const SheetStack& stack, int index);

// The cut lines of a page holding the first sheets slots: one across the room under each sheet
// that has a slot below it. None above the first sheet, none between empty slots.
std::vector<QLineF> SheetCutLines(const QRectF& room, const SheetStack& stack, int sheets);

// Cards of one size in columns and rows, filled row by row from the top left.
struct CardGrid {
    int columns = 0;
    int rows = 0;
    int PerPage() const { return columns * rows; }
};

// The whole cards of this size that fit in the area (0 columns or rows when not one fits).
CardGrid FitCards(const QSizeF& area, const QSizeF& card);

// The grid's rectangle, centred in the area.
QRectF GridRect(const QRectF& area, const QSizeF& card, const CardGrid& grid);

// The rectangle of the slot-th card of a page (row by row).
QRectF CardSlot(const QRectF& gridRect, const QSizeF& card, const CardGrid& grid, int slot);

// The cut lines of a page holding the first cards slots: every edge of a card, and where such an
// edge lies on the grid's outline, its line runs on to the edge of the area so a guillotine can
// follow it. No edge of an empty slot is drawn. Every line lies inside the area.
std::vector<QLineF> GridCutLines(const QRectF& area, const QRectF& gridRect, const QSizeF& card,
                                 const CardGrid& grid, int cards);

}  // namespace kesto::prt3
