#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "kestprt3/cut_layout.h"
#include "kestprt3/drawing.h"
#include "kestprt3/kestprt3.h"
#include "kestprt3/printouts.h"

namespace kesto::prt3 {

namespace {

constexpr double kMarginMm = 8;
constexpr double kCardPaddingMm = 3;
// Between the two texts of a line: the board number and the seat, the dealer and the
// vulnerability.
constexpr double kHeaderGapMm = 3;
// The hand fills the card's width but for a margin either side.
constexpr double kHandShareOfWidth = 0.9;

// The printable area of the page in device pixels once the margins are set: a printer may keep
// wider margins than asked for, and the cards must stay inside what it prints.
QRectF PrintableArea(QPrinter& printer, QPageLayout::Orientation orientation) {
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
    return {QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()};
}

// The font shrunk until every text fits the width (never under 4 points).
QFont FittedFont(QFont font, const QStringList& texts, double width, const QPaintDevice& device) {
    for (int tries = 0; tries < 30 && font.pointSizeF() > kMinPoints; ++tries) {
        const QFontMetricsF metrics(font, &device);
        const bool fits = std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
            return metrics.horizontalAdvance(text) <= width;
        });
        if (fits) {
            break;
        }
        font = ScaledFont(font, 0.92);
    }
    return font;
}

// The widest of the texts in the font.
double Widest(const QStringList& texts, const QFont& font, const QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    double widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    return widest;
}

// Two texts of a card, one at the left and one at the right of a line: the board number and
// the seat, the dealer and the vulnerability. The right one drops to a line of its own on every
// card when the two do not share one on some card.
struct LinePair {
    QFont leftFont;
    QFont rightFont;
    bool rightOnItsOwnLine = false;
    double Height(const QPaintDevice& device) const {
        const double left = QFontMetricsF(leftFont, &device).lineSpacing();
        const double right = QFontMetricsF(rightFont, &device).lineSpacing();
        return rightOnItsOwnLine ? left + right : std::max(left, right);
    }
};

// Each font the largest, up to the one asked for, that fits every card of the printout.
LinePair MakeLinePair(const QPrinter& printer, double width, const QFont& leftFont,
                      const QStringList& lefts, const QFont& rightFont, const QStringList& rights) {
    LinePair pair;
    pair.leftFont = FittedFont(leftFont, lefts, width, printer);
    pair.rightFont = FittedFont(rightFont, rights, width, printer);
    pair.rightOnItsOwnLine = Widest(lefts, pair.leftFont, printer) + Mm(printer, kHeaderGapMm) +
                                 Widest(rights, pair.rightFont, printer) >
                             width;
    return pair;
}

void DrawLinePair(QPainter& painter, const QRectF& inner, double top, const LinePair& pair,
                  const QString& left, const QString& right) {
    const QPaintDevice& device = *painter.device();
    DrawTextAt(painter, QPointF(inner.left(), top), pair.leftFont, left);
    const double rightTop =
        top + (pair.rightOnItsOwnLine ? QFontMetricsF(pair.leftFont, &device).lineSpacing() : 0);
    const double rightWidth = QFontMetricsF(pair.rightFont, &device).horizontalAdvance(right);
    DrawTextAt(painter, QPointF(inner.right() - rightWidth, rightTop), pair.rightFont, right);
}

// What every card of a printout shares, so all cards look alike: the fonts, the lines above
// the rule, and the room left for the hand.
struct CardFace {
    LinePair heading;  // board number and seat
    bool info = false;
    LinePair infoLine;   // dealer and vulnerability
    double ruleY = 0;    // from the inner top
    double handTop = 0;  // from the inner top
    QFont cardsFont;
};

bool HandsFit(const QFont& font, const std::vector<Hand>& hands, const QSizeF& room,
              const Words& words, const QPaintDevice& device) {
    if (4 * QFontMetricsF(font, &device).lineSpacing() > room.height()) {
        return false;
    }
    return std::all_of(hands.begin(), hands.end(), [&](const Hand& hand) {
        return HandWidth(hand, font, words, device) <= room.width();
    });
}

// The largest cards font in which every hand fits the room, whatever size was asked for: the
// hand is what a curtain card is for, and players read it across the table.
QFont CardsFont(const QFont& asked, const std::vector<Hand>& hands, const QSizeF& room,
                const Words& words, const QPaintDevice& device) {
    // Text grows with its size, so one step goes close; small steps then take it the rest.
    double widest = 0;
    for (const Hand& hand : hands) {
        widest = std::max(widest, HandWidth(hand, asked, words, device));
    }
    const double height = 4 * QFontMetricsF(asked, &device).lineSpacing();
    const double factor = std::min(room.width() / std::max(widest, 1.0), room.height() / height);
    QFont font = ScaledFont(asked, factor);
    for (int tries = 0; tries < 60 && font.pointSizeF() > kMinPoints &&
                        !HandsFit(font, hands, room, words, device);
         ++tries) {
        font = ScaledFont(font, 0.98);
    }
    return font;
}

CardFace MakeCardFace(const QPrinter& printer, const QSizeF& inner, const PrintRequest& request,
                      const std::vector<Board>& boards) {
    QStringList titles, dealers, vulnerabilities;
    std::vector<Hand> hands;
    for (const Board& board : boards) {
        titles.append(BoardTitle(board, request.words));
        dealers.append(DealerLine(board, request.words));
        vulnerabilities.append(VulnerabilityLine(board, request.words));
        for (const Seat seat : request.curtainSeats) {
            hands.push_back(board.hands[seat]);
        }
    }
    QStringList positions;
    for (const Seat seat : request.curtainSeats) {
        positions.append(SeatWord(seat, request.words));
    }
    CardFace face;
    face.heading = MakeLinePair(printer, inner.width(), request.boardNumberFont, titles,
                                request.positionFont, positions);
    face.ruleY = face.heading.Height(printer);
    face.info = request.showDealerAndVulnerability &&
                std::any_of(boards.begin(), boards.end(), [&](const Board& board) {
                    return board.dealer || board.vulnerability != Vulnerability::kUnknown;
                });
    if (face.info) {
        face.infoLine = MakeLinePair(printer, inner.width(), request.labelFont, dealers,
                                     request.labelFont, vulnerabilities);
        face.ruleY += Mm(printer, 0.5) + face.infoLine.Height(printer);
    }
    face.ruleY += Mm(printer, 1);
    face.handTop = face.ruleY + Mm(printer, 1.5);
    const QSizeF room(kHandShareOfWidth * inner.width(),
                      std::max(0.0, inner.height() - face.handTop));
    face.cardsFont = CardsFont(request.cardsFont, hands, room, request.words, printer);
    return face;
}

QRectF InnerRect(const QPrinter& printer, const QRectF& card) {
    const double padding = Mm(printer, kCardPaddingMm);
    return card.adjusted(padding, padding, -padding, -padding);
}

void DrawCard(QPainter& painter, const QPrinter& printer, const QRectF& card, const Board& board,
              Seat seat, const PrintRequest& request, const CardFace& face) {
    const QPaintDevice& device = printer;
    const QRectF inner = InnerRect(printer, card);
    DrawLinePair(painter, inner, inner.top(), face.heading, BoardTitle(board, request.words),
                 SeatWord(seat, request.words));
    if (face.info) {
        DrawLinePair(painter, inner, inner.top() + face.heading.Height(device) + Mm(printer, 0.5),
                     face.infoLine, DealerLine(board, request.words),
                     VulnerabilityLine(board, request.words));
    }

    QPen rule(QColor(140, 140, 140));
    rule.setWidthF(Mm(printer, 0.2));
    painter.setPen(rule);
    const double ruleY = inner.top() + face.ruleY;
    painter.drawLine(QPointF(inner.left(), ruleY), QPointF(inner.right(), ruleY));

    const QRectF room(inner.left(), inner.top() + face.handTop, inner.width(),
                      inner.height() - face.handTop);
    const Hand& hand = board.hands[seat];
    const QFontMetricsF metrics(face.cardsFont, &device);
    const double handWidth = HandWidth(hand, face.cardsFont, request.words, device);
    const double handHeight = 4 * metrics.lineSpacing();
    const QPointF origin(room.center().x() - handWidth / 2,
                         room.top() + std::max(0.0, (room.height() - handHeight) / 2));
    DrawHand(painter, origin, hand, face.cardsFont, request.words, request.useColor);
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
    const QSizeF card(Mm(printer, cardWidthMm), Mm(printer, cardHeightMm));
    const QRectF portraitArea = PrintableArea(printer, QPageLayout::Portrait);
    const QRectF landscapeArea = PrintableArea(printer, QPageLayout::Landscape);
    const CardGrid portrait = FitCards(portraitArea.size(), card);
    const CardGrid landscape = FitCards(landscapeArea.size(), card);
    const bool turned = landscape.PerPage() > portrait.PerPage();
    const CardGrid grid = turned ? landscape : portrait;
    if (grid.PerPage() == 0) {
        return kKestPrt3BadCardSize;
    }
    const QRectF area =
        PrintableArea(printer, turned ? QPageLayout::Landscape : QPageLayout::Portrait);

    QPainter painter;
    if (!painter.begin(&printer)) {
        return kKestPrt3CannotOpen;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF gridRect = GridRect(area, card, grid);
    const CardFace face =
        MakeCardFace(printer, InnerRect(printer, QRectF(QPointF(), card)).size(), request, boards);

    const std::size_t seatsPerBoard = request.curtainSeats.size();
    const std::size_t cards = boards.size() * seatsPerBoard;
    const auto perPage = static_cast<std::size_t>(grid.PerPage());
    for (std::size_t first = 0; first < cards; first += perPage) {
        if (first > 0 && !printer.newPage()) {
            painter.end();
            return kKestPrt3PrintFailed;
        }
        const std::size_t onPage = std::min(perPage, cards - first);
        DrawCutLines(painter, printer,
                     GridCutLines(area, gridRect, card, grid, static_cast<int>(onPage)));
        for (std::size_t slot = 0; slot < onPage; ++slot) {
            const std::size_t index = first + slot;
            DrawCard(painter, printer, CardSlot(gridRect, card, grid, static_cast<int>(slot)),
                     boards[index / seatsPerBoard], request.curtainSeats[index % seatsPerBoard],
                     request, face);
        }
    }
    return painter.end() ? kKestPrt3Ok : kKestPrt3PrintFailed;
}

}  // namespace kesto::prt3
