#pragma once
// The printer canvas: what the program draws itself on the printer (the statistics sheet).
// Coordinates and sizes are printer pixels of the printable area, origin at its top left,
// in the current orientation. Texts are Windows-1252. With the font named "Symbol", 0xAA,
// 0xA9, 0xA8 and 0xA7 are the spade, heart, diamond and club symbols and 0xBE is a
// horizontal line segment one em wide, so a run of them draws a rule.
//
// A print job is BeginDoc, drawing, EndDoc; every job is one page. Resolution, page size,
// orientation, fonts and metrics may be used outside a job (the sheet measures before it
// starts); TextOut only inside one. Orientation is changed only outside a job.

#include <string>
#include <string_view>

#include "kesto/platform/status.h"

namespace kesto {

enum class PageOrientation { Portrait, Landscape };

struct CanvasFont {
    std::string name = "Arial";
    int size = 10;  // points
    bool bold = false;
    bool italic = false;

    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

class PrinterCanvas {
  public:
    virtual ~PrinterCanvas() = default;

    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    // The printable area in the current orientation.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    virtual PageOrientation Orientation() const = 0;
    virtual void SetOrientation(PageOrientation orientation) = 0;

    virtual CanvasFont Font() const = 0;
    virtual void SetFont(const CanvasFont& font) = 0;

    // Metrics in the current font. The height is the font's line height, whatever the text.
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextHeight(std::string_view text) const = 0;
    // Draws text in the current font with its top left corner at (x, y).
    virtual void TextOut(int x, int y, std::string_view text) = 0;

    // Starts a job named title (the spooler's name for it). On failure no job is open. The
    // reason of a failure, here and in EndDoc, is a sentence for the user.
    virtual Status BeginDoc(std::string_view title) = 0;
    // Ends the open job and hands the page to the printer.
    virtual Status EndDoc() = 0;
};

}  // namespace kesto
