#pragma once
// What the three printouts share: lengths, fonts, the texts of a board and the hand diagram.
// Lengths are in the printer's device pixels; Mm converts.

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <QString>

#include <vector>

#include "kestprt3/board_record.h"
#include "kestprt3/print_request.h"

namespace kesto::prt3 {

// The smallest type any printout shrinks text to.
inline constexpr double kMinPoints = 4;

// Millimetres to the device pixels of the printer.
double Mm(const QPrinter& printer, double mm);

// The font of a PrintCustom font argument: family (empty: fallbackFamily), points (under 1:
// fallbackPoints; capped at 200) and style (low byte: bit 0 bold, bit 1 italic).
QFont MakeFont(const QString& family, int points, int style, const QString& fallbackFamily,
               double fallbackPoints);

// The font at factor times its size, never under 4 points.
QFont ScaledFont(const QFont& font, double factor);

QFont BoldFont(const QFont& font);

// The cards of one suit high to low in the language's letters, separated by spaces; a void
// suit is a long dash.
QString SuitCardsText(std::uint16_t suit, const Words& words);

// "♠", "♥", "♦", "♣".
QString SuitSymbol(int suit);

// Red for hearts and diamonds when printing in colour, else black.
QColor SuitColor(int suit, bool useColor);

// The first letter of the seat's word ("N", or "Ø" for Danish East); English when empty.
QString SeatInitial(Seat seat, const Words& words);

// The seat's word; English when empty.
QString SeatWord(Seat seat, const Words& words);

// "None", "Both" in the language; "N-S"/"E-W" from the seat initials; empty when unknown.
QString VulnerabilityText(Vulnerability vulnerability, const Words& words);

// "Board 12" in the language.
QString BoardTitle(const Board& board, const Words& words);

// "Dlr: North", "Vul: None" (empty texts when the board does not say).
QString DealerLine(const Board& board, const Words& words);
QString VulnerabilityLine(const Board& board, const Words& words);

// The width of the widest line of this hand in the cards font.
double HandWidth(const Hand& hand, const QFont& cardsFont, const Words& words,
                 const QPaintDevice& device);

// Draws the four suit lines of a hand from topLeft down, one line spacing of the font apart.
void DrawHand(QPainter& painter, QPointF topLeft, const Hand& hand, const QFont& cardsFont,
              const Words& words, bool useColor);

// Text drawn with its top-left at the point (the ascent below it).
void DrawTextAt(QPainter& painter, QPointF topLeft, const QFont& font, const QString& text,
                const QColor& color = Qt::black);

// The header lines centred at the top of the page area and a rule under them; returns the
// height used (0 when both lines are empty).
double DrawPageHeader(QPainter& painter, const QPrinter& printer, const QRectF& area,
                      const PrintRequest& request);

// Height the footer takes at the bottom of the page area.
double PageFooterHeight(const QPrinter& printer, const PrintRequest& request);

// A rule, the footer line at the left and "page / pages" at the right (no page numbers when
// pages is 0).
void DrawPageFooter(QPainter& painter, const QPrinter& printer, const QRectF& area,
                    const PrintRequest& request, int page, int pages);

// Dashed grey cut lines that end exactly where the lines end (no pen cap beyond them).
void DrawCutLines(QPainter& painter, const QPrinter& printer, const std::vector<QLineF>& lines);

// The hand diagram of a board: the four hands around a compass that shows the seats, the
// board number, the dealer and the vulnerable sides. Corner blocks: board, dealer and
// vulnerability at the top left (optional) and the high-card points at the bottom left.
struct DiagramStyle {
    QFont cardsFont;
    QFont labelFont;
    bool infoCorner = true;   // board, dealer, vulnerability at the top left
    bool seatLabels = false;  // the seat's word above each hand
    // West's hand (and the points under it) close to the compass rather than at the left edge.
    bool westBesideCompass = false;
    bool showDealerAndVulnerability = true;
    bool useColor = false;
};

// The smallest rectangle the diagram needs with these fonts for a board with long suits, so a
// page can decide how many diagrams it holds.
QSizeF DiagramNaturalSize(const DiagramStyle& style, const Words& words,
                          const QPaintDevice& device);

// The free corner at the top left of a diagram drawn across this width: left of North's hand,
// above West's. Its size does not depend on the board.
QSizeF DiagramCornerRoom(const DiagramStyle& style, double width, const QPaintDevice& device);

// The narrowest diagram whose corner (DiagramCornerRoom) is cornerWidth wide.
double DiagramWidthForCorner(const DiagramStyle& style, double cornerWidth,
                             const QPaintDevice& device);

// Draws the diagram inside the rectangle, shrinking the fonts when a hand does not fit.
void DrawDiagram(QPainter& painter, const QRectF& rect, const Board& board,
                 const DiagramStyle& style, const Words& words);

}  // namespace kesto::prt3
