#pragma once
// Small text routines on the printer canvas, in its current font. y is the top of the text.

#include <string_view>

#include "kesto/platform/printer_canvas.h"

namespace kesto {

// Right edge of the text at x.
void TextOutRight(PrinterCanvas& canvas, int x, int y, std::string_view text);

// Left edge at x minus half the text's width (rounded down).
void TextOutCentered(PrinterCanvas& canvas, int x, int y, std::string_view text);

// Draws at (x, y), then moves y down by the text's height.
void TextOutLine(PrinterCanvas& canvas, int x, int& y, std::string_view text);

// Draws the text word-wrapped into the column from left to right (less margin), one line
// after another from y at x = left, and leaves y below the last line. Lines break at the last
// blank that makes them fit: a word wider than the column is drawn whole and runs past the
// right edge. A line never starts with a blank; double blanks inside a line stay.
void WrapTextOut(PrinterCanvas& canvas, int right, int left, std::string_view text, int& y,
                 int margin);

}  // namespace kesto
