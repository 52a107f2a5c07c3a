#include "kestprt3/drawing.h"

#include "kestprt3/windows1252.h"

#include <QFontMetricsF>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace kesto::prt3 {

namespace {

constexpr double kMaxPoints = 200;
const char16_t* const kEnglishRanks[5] = {u"A", u"K", u"Q", u"J", u"T"};
const char16_t* const kEnglishSeats[4] = {u"North", u"East", u"South", u"West"};

QString RankWord(int rank, const Words& words) {
    if (rank >= 10) {
        const auto index = static_cast<std::size_t>(14 - rank);
        const QString& word = words.ranks[index];
        return word.isEmpty() ? QString::fromUtf16(kEnglishRanks[index]) : word;
    }
    return QString(QChar(u'0' + rank));
}

double TextWidth(const QFont& font, const QString& text, const QPaintDevice& device) {
    return QFontMetricsF(font, &device).horizontalAdvance(text);
}

double LineSpacing(const QFont& font, const QPaintDevice& device) {
    return QFontMetricsF(font, &device).lineSpacing();
}

// Where everything of a diagram goes, for a rectangle and fonts.
struct DiagramGeometry {
    double lineHeight = 0;
    double labelHeight = 0;
    double handOffset = 0;  // the seat label above a hand
    double blockHeight = 0;
    double gap = 0;
    double totalHeight = 0;
    QRectF compass;
    double northTop = 0;
    double middleTop = 0;
    double southTop = 0;
    double westX = 0;
    double eastX = 0;
    double northSouthX = 0;
    double westWidth = 0;  // room for West and the corner blocks
    double eastWidth = 0;
    double northSouthWidth = 0;
};

DiagramGeometry LayOutDiagram(const QRectF& rect, const DiagramStyle& style,
                              const QPaintDevice& device) {
    DiagramGeometry g;
    g.lineHeight = LineSpacing(style.cardsFont, device);
    g.labelHeight = LineSpacing(style.labelFont, device);
    g.handOffset = style.seatLabels ? g.labelHeight : 0;
    g.blockHeight = g.handOffset + 4 * g.lineHeight;
    g.gap = 0.8 * g.lineHeight;
    const double verticalGap = 0.35 * g.lineHeight;
    g.totalHeight = 3 * g.blockHeight + 2 * verticalGap;
    const double side = 4 * g.lineHeight;
    const double top = rect.top() + std::max(0.0, (rect.height() - g.totalHeight) / 2);
    g.northTop = top;
    g.middleTop = top + g.blockHeight + verticalGap;
    g.southTop = g.middleTop + g.blockHeight + verticalGap;
    g.compass = QRectF(rect.center().x() - side / 2, g.middleTop + g.handOffset, side, side);
    g.westX = rect.left();
    g.westWidth = g.compass.left() - g.gap - rect.left();
    g.eastX = g.compass.right() + g.gap;
    g.eastWidth = rect.right() - g.eastX;
    g.northSouthX = g.compass.left();
    g.northSouthWidth = rect.right() - g.northSouthX;
    return g;
}

QFont InfoTitleFont(const QFont& labelFont) {
    return BoldFont(ScaledFont(labelFont, 1.15));
}

QStringList InfoLines(const Board& board, const DiagramStyle& style, const Words& words) {
    QStringList lines{BoardTitle(board, words)};
    if (style.showDealerAndVulnerability) {
        for (const QString& line : {DealerLine(board, words), VulnerabilityLine(board, words)}) {
            if (!line.isEmpty()) {
                lines.append(line);
            }
        }
    }
    return lines;
}

double InfoWidth(const QStringList& lines, const DiagramStyle& style, const QPaintDevice& device) {
    double width = TextWidth(InfoTitleFont(style.labelFont), lines.front(), device);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        width = std::max(width, TextWidth(style.labelFont, lines[i], device));
    }
    return width;
}

double InfoHeight(const QStringList& lines, const DiagramStyle& style, const QPaintDevice& device) {
    return LineSpacing(InfoTitleFont(style.labelFont), device) +
           static_cast<double>(lines.size() - 1) * LineSpacing(style.labelFont, device);
}

// The points cross: North above, South below, West and East at the sides.
QSizeF PointsCrossSize(const QFont& font, const QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    const double digits = metrics.horizontalAdvance(QStringLiteral("40"));
    return {3 * digits + 2 * metrics.averageCharWidth(), 3 * metrics.height()};
}

bool HasCards(const Board& board) {
    if (!board.hasDeal) {
        return false;
    }
    return std::any_of(board.hands.begin(), board.hands.end(),
                       [](const Hand& hand) { return CardCount(hand) > 0; });
}

bool DiagramFits(const QRectF& rect, const Board& board, const DiagramStyle& style,
                 const Words& words, const QPaintDevice& device) {
    const DiagramGeometry g = LayOutDiagram(rect, style, device);
    if (g.totalHeight > rect.height() || g.westWidth <= 0 || g.eastWidth <= 0) {
        return false;
    }
    const auto width = [&](Seat seat) {
        return HandWidth(board.hands[seat], style.cardsFont, words, device);
    };
    if (width(kWest) > g.westWidth || width(kEast) > g.eastWidth ||
        std::max(width(kNorth), width(kSouth)) > g.northSouthWidth) {
        return false;
    }
    if (style.infoCorner) {
        const QStringList lines = InfoLines(board, style, words);
        if (InfoWidth(lines, style, device) > g.westWidth ||
            InfoHeight(lines, style, device) > g.blockHeight) {
            return false;
        }
    }
    const QSizeF cross = PointsCrossSize(style.labelFont, device);
    return cross.width() <= g.westWidth && cross.height() <= g.blockHeight;
}

void DrawCentredText(QPainter& painter, const QRectF& box, const QFont& font, const QString& text,
                     const QColor& color) {
    const QFontMetricsF metrics(font, painter.device());
    const double x = box.center().x() - metrics.horizontalAdvance(text) / 2;
    const double y = box.center().y() - metrics.height() / 2;
    DrawTextAt(painter, QPointF(x, y), font, text, color);
}

double PointsForHeight(double pixels, const QPaintDevice& device) {
    return pixels * 72.0 / device.logicalDpiY();
}

void DrawCompass(QPainter& painter, const QRectF& box, const Board& board,
                 const DiagramStyle& style, const Words& words) {
    const QPaintDevice& device = *painter.device();
    const double side = box.width();
    const double band = side * 0.25;
    const QColor vulnerableFill = style.useColor ? QColor(196, 32, 40) : QColor(85, 85, 85);

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(246, 246, 246));
    painter.drawRect(box);

    const std::array<QRectF, 4> bands = {
        QRectF(box.left(), box.top(), side, band),
        QRectF(box.right() - band, box.top(), band, side),
        QRectF(box.left(), box.bottom() - band, side, band),
        QRectF(box.left(), box.top(), band, side),
    };
    const auto vulnerable = [&](Seat seat) {
        if (!style.showDealerAndVulnerability) {
            return false;
        }
        switch (board.vulnerability) {
            case Vulnerability::kBoth:
                return true;
            case Vulnerability::kNorthSouth:
                return seat == kNorth || seat == kSouth;
            case Vulnerability::kEastWest:
                return seat == kEast || seat == kWest;
            default:
                return false;
        }
    };
    for (const Seat seat : {kNorth, kSouth, kEast, kWest}) {
        if (vulnerable(seat)) {
            painter.setBrush(vulnerableFill);
            painter.drawRect(bands[seat]);
        }
    }
    painter.setBrush(Qt::NoBrush);
    QPen outline(QColor(60, 60, 60));
    outline.setWidthF(side / 90);
    painter.setPen(outline);
    painter.drawRect(box);

    QFont letterFont = BoldFont(style.labelFont);
    letterFont.setPointSizeF(std::max(kMinPoints, PointsForHeight(band * 0.62, device)));
    for (const Seat seat : {kNorth, kEast, kSouth, kWest}) {
        QFont font = letterFont;
        if (style.showDealerAndVulnerability && board.dealer == seat) {
            font.setUnderline(true);
        }
        QRectF cell = bands[seat];
        if (seat == kEast || seat == kWest) {
            cell = QRectF(cell.left(), box.center().y() - band / 2, band, band);
        } else {
            cell = QRectF(box.center().x() - band / 2, cell.top(), band, band);
        }
        DrawCentredText(painter, cell, font, SeatInitial(seat, words),
                        vulnerable(seat) ? Qt::white : Qt::black);
    }

    const QRectF inner = box.adjusted(band, band, -band, -band);
    QFont numberFont = BoldFont(style.labelFont);
    numberFont.setPointSizeF(std::max(kMinPoints, PointsForHeight(inner.height() * 0.55, device)));
    const QString number = FromWindows1252(board.number);
    while (TextWidth(numberFont, number, device) > inner.width() * 0.92 &&
           numberFont.pointSizeF() > kMinPoints) {
        numberFont.setPointSizeF(std::max(kMinPoints, numberFont.pointSizeF() * 0.85));
    }
    DrawCentredText(painter, inner, numberFont, number, Qt::black);
    painter.restore();
}

void DrawPointsCross(QPainter& painter, const QRectF& region, const Board& board,
                     const QFont& font) {
    const QPaintDevice& device = *painter.device();
    const QFontMetricsF metrics(font, &device);
    const double h = metrics.height();
    const double half =
        metrics.horizontalAdvance(QStringLiteral("40")) / 2 + metrics.averageCharWidth();
    const QPointF centre = region.center();
    const QColor grey(70, 70, 70);
    const auto text = [&](Seat seat) { return QString::number(HighCardPoints(board.hands[seat])); };
    const auto centred = [&](Seat seat, double cx, double top) {
        DrawTextAt(painter, QPointF(cx - metrics.horizontalAdvance(text(seat)) / 2, top), font,
                   text(seat), grey);
    };
    centred(kNorth, centre.x(), centre.y() - 1.5 * h);
    centred(kSouth, centre.x(), centre.y() + 0.5 * h);
    centred(kWest, centre.x() - 2 * half, centre.y() - 0.5 * h);
    centred(kEast, centre.x() + 2 * half, centre.y() - 0.5 * h);
}

}  // namespace

double Mm(const QPrinter& printer, double mm) {
    return mm * printer.resolution() / 25.4;
}

QFont MakeFont(const QString& family, int points, int style, const QString& fallbackFamily,
               double fallbackPoints) {
    QFont font(family.trimmed().isEmpty() ? fallbackFamily : family.trimmed());
    font.setPointSizeF(points >= 1 ? std::min<double>(points, kMaxPoints) : fallbackPoints);
    const auto low = static_cast<unsigned>(style) & 0xFFu;
    font.setBold((low & 1u) != 0);
    font.setItalic((low & 2u) != 0);
    // Printed text follows the font's outlines, not the screen's pixel grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont ScaledFont(const QFont& font, double factor) {
    QFont scaled = font;
    scaled.setPointSizeF(std::clamp(font.pointSizeF() * factor, kMinPoints, kMaxPoints));
    return scaled;
}

QFont BoldFont(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

QString SuitCardsText(std::uint16_t suit, const Words& words) {
    QString text;
    for (int rank = 14; rank >= 2; --rank) {
        if ((suit >> rank) & 1u) {
            if (!text.isEmpty()) {
                text += u' ';
            }
            text += RankWord(rank, words);
        }
    }
    return text.isEmpty() ? QString(QChar(u'\u2014')) : text;
}

QString SuitSymbol(int suit) {
    static const char16_t symbols[4] = {u'\u2660', u'\u2665', u'\u2666', u'\u2663'};
    return QString(QChar(symbols[std::clamp(suit, 0, 3)]));
}

QColor SuitColor(int suit, bool useColor) {
    if (useColor && (suit == kHearts || suit == kDiamonds)) {
        return QColor(204, 0, 0);
    }
    return Qt::black;
}

QString SeatWord(Seat seat, const Words& words) {
    const QString& word = words.seats[seat];
    return word.trimmed().isEmpty() ? QString::fromUtf16(kEnglishSeats[seat]) : word;
}

QString SeatInitial(Seat seat, const Words& words) {
    return SeatWord(seat, words).trimmed().left(1);
}

QString VulnerabilityText(Vulnerability vulnerability, const Words& words) {
    switch (vulnerability) {
        case Vulnerability::kNone:
            return words.none.isEmpty() ? QStringLiteral("None") : words.none;
        case Vulnerability::kBoth:
            return words.both.isEmpty() ? QStringLiteral("Both") : words.both;
        case Vulnerability::kNorthSouth:
            return SeatInitial(kNorth, words) + u'-' + SeatInitial(kSouth, words);
        case Vulnerability::kEastWest:
            return SeatInitial(kEast, words) + u'-' + SeatInitial(kWest, words);
        case Vulnerability::kUnknown:
            break;
    }
    return {};
}

QString BoardTitle(const Board& board, const Words& words) {
    const QString word = words.board.isEmpty() ? QStringLiteral("Board") : words.board;
    return word + u' ' + FromWindows1252(board.number);
}

QString DealerLine(const Board& board, const Words& words) {
    if (!board.dealer) {
        return {};
    }
    const QString word = words.dealer.isEmpty() ? QStringLiteral("Dealer") : words.dealer;
    return word + QStringLiteral(": ") + SeatWord(*board.dealer, words);
}

QString VulnerabilityLine(const Board& board, const Words& words) {
    const QString value = VulnerabilityText(board.vulnerability, words);
    if (value.isEmpty()) {
        return {};
    }
    const QString word = words.vul.isEmpty() ? QStringLiteral("Vul") : words.vul;
    return word + QStringLiteral(": ") + value;
}

double HandWidth(const Hand& hand, const QFont& cardsFont, const Words& words,
                 const QPaintDevice& device) {
    const QFontMetricsF metrics(cardsFont, &device);
    double widest = 0;
    for (int suit = kSpades; suit <= kClubs; ++suit) {
        const double width = metrics.horizontalAdvance(SuitSymbol(suit) + u' ') +
                             metrics.horizontalAdvance(SuitCardsText(hand[suit], words));
        widest = std::max(widest, width);
    }
    return widest;
}

void DrawTextAt(QPainter& painter, QPointF topLeft, const QFont& font, const QString& text,
                const QColor& color) {
    painter.setFont(font);
    painter.setPen(color);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

void DrawHand(QPainter& painter, QPointF topLeft, const Hand& hand, const QFont& cardsFont,
              const Words& words, bool useColor) {
    const QFontMetricsF metrics(cardsFont, painter.device());
    const double cardsX = metrics.horizontalAdvance(SuitSymbol(kSpades) + u' ');
    double y = topLeft.y();
    for (int suit = kSpades; suit <= kClubs; ++suit) {
        DrawTextAt(painter, QPointF(topLeft.x(), y), cardsFont, SuitSymbol(suit),
                   SuitColor(suit, useColor));
        DrawTextAt(painter, QPointF(topLeft.x() + cardsX, y), cardsFont,
                   SuitCardsText(hand[suit], words));
        y += metrics.lineSpacing();
    }
}

double DrawPageHeader(QPainter& painter, const QPrinter& printer, const QRectF& area,
                      const PrintRequest& request) {
    const QPaintDevice& device = printer;
    double y = area.top();
    bool any = false;
    for (const auto& [text, font] : {std::pair{request.header1, request.header1Font},
                                     std::pair{request.header2, request.header2Font}}) {
        if (text.trimmed().isEmpty()) {
            continue;
        }
        any = true;
        // A line longer than the page gets a smaller font rather than losing its ends.
        QFont fitted = font;
        for (int tries = 0; tries < 30 && TextWidth(fitted, text, device) > area.width() &&
                            fitted.pointSizeF() > kMinPoints;
             ++tries) {
            fitted = ScaledFont(fitted, 0.92);
        }
        const double width = TextWidth(fitted, text, device);
        DrawTextAt(painter, QPointF(area.center().x() - std::min(width, area.width()) / 2, y),
                   fitted, text);
        y += LineSpacing(fitted, device);
    }
    if (!any) {
        return 0;
    }
    y += Mm(printer, 1.5);
    QPen rule(QColor(40, 40, 40));
    rule.setWidthF(Mm(printer, 0.35));
    painter.setPen(rule);
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    return y - area.top() + Mm(printer, 4);
}

double PageFooterHeight(const QPrinter& printer, const PrintRequest& request) {
    return LineSpacing(request.footerFont, printer) + Mm(printer, 2.5);
}

void DrawPageFooter(QPainter& painter, const QPrinter& printer, const QRectF& area,
                    const PrintRequest& request, int page, int pages) {
    const double height = PageFooterHeight(printer, request);
    const double ruleY = area.bottom() - height + Mm(printer, 0.5);
    QPen rule(QColor(120, 120, 120));
    rule.setWidthF(Mm(printer, 0.2));
    painter.setPen(rule);
    painter.drawLine(QPointF(area.left(), ruleY), QPointF(area.right(), ruleY));
    const double textTop = area.bottom() - LineSpacing(request.footerFont, printer);
    DrawTextAt(painter, QPointF(area.left(), textTop), request.footerFont, request.footer);
    if (pages > 0) {
        const QString number =
            QString::number(page) + QStringLiteral(" / ") + QString::number(pages);
        const double width = TextWidth(request.footerFont, number, printer);
        DrawTextAt(painter, QPointF(area.right() - width, textTop), request.footerFont, number);
    }
}

void DrawCutLines(QPainter& painter, const QPrinter& printer, const std::vector<QLineF>& lines) {
    QPen cut(QColor(110, 110, 110));
    cut.setWidthF(Mm(printer, 0.2));
    cut.setStyle(Qt::DashLine);
    cut.setCapStyle(Qt::FlatCap);
    painter.setPen(cut);
    for (const QLineF& line : lines) {
        painter.drawLine(line);
    }
}

QSizeF DiagramCornerRoom(const DiagramStyle& style, double width, const QPaintDevice& device) {
    const DiagramGeometry g = LayOutDiagram(QRectF(0, 0, width, 0), style, device);
    return {std::max(0.0, g.westWidth), g.middleTop - g.northTop};
}

double DiagramWidthForCorner(const DiagramStyle& style, double cornerWidth,
                             const QPaintDevice& device) {
    // The compass stands in the middle, the corner left of it less the gap beside West.
    const DiagramGeometry g = LayOutDiagram(QRectF(0, 0, 0, 0), style, device);
    return 2 * (cornerWidth + g.gap) + g.compass.width();
}

QSizeF DiagramNaturalSize(const DiagramStyle& style, const Words& words,
                          const QPaintDevice& device) {
    // A board with a six-card suit headed by the top honours in every seat, and the longest
    // info lines, sets the room a diagram needs.
    Board sample;
    sample.number = "88";
    sample.dealer = kNorth;
    sample.vulnerability = Vulnerability::kBoth;
    sample.hasDeal = true;
    const std::uint16_t six =
        (1u << 14) | (1u << 13) | (1u << 12) | (1u << 11) | (1u << 10) | (1u << 9);
    sample.hands[kNorth] = {six, 0, 0, 0};
    DiagramGeometry g = LayOutDiagram(QRectF(0, 0, 0, 0), style, device);
    double column = HandWidth(sample.hands[kNorth], style.cardsFont, words, device);
    if (style.infoCorner) {
        double infoWidth = 0;
        for (const Seat seat : {kNorth, kEast, kSouth, kWest}) {
            sample.dealer = seat;
            infoWidth =
                std::max(infoWidth, InfoWidth(InfoLines(sample, style, words), style, device));
        }
        column = std::max(column, infoWidth);
    }
    const double width = 2 * (column + g.gap) + g.compass.width();
    return {width, g.totalHeight};
}

void DrawDiagram(QPainter& painter, const QRectF& rect, const Board& board,
                 const DiagramStyle& givenStyle, const Words& words) {
    const QPaintDevice& device = *painter.device();
    DiagramStyle style = givenStyle;
    for (int tries = 0; tries < 24 && !DiagramFits(rect, board, style, words, device); ++tries) {
        if (style.cardsFont.pointSizeF() <= kMinPoints &&
            style.labelFont.pointSizeF() <= kMinPoints) {
            break;
        }
        style.cardsFont = ScaledFont(style.cardsFont, 0.92);
        style.labelFont = ScaledFont(style.labelFont, 0.92);
    }
    const DiagramGeometry g = LayOutDiagram(rect, style, device);

    if (style.infoCorner) {
        const QStringList lines = InfoLines(board, style, words);
        const QFont titleFont = InfoTitleFont(style.labelFont);
        DrawTextAt(painter, QPointF(g.westX, g.northTop), titleFont, lines.front());
        double y = g.northTop + LineSpacing(titleFont, device);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            DrawTextAt(painter, QPointF(g.westX, y), style.labelFont, lines[i]);
            y += LineSpacing(style.labelFont, device);
        }
    }

    double westX = g.westX;
    double westRoom = g.westWidth;
    if (style.westBesideCompass) {
        const double needed =
            std::max(HandWidth(board.hands[kWest], style.cardsFont, words, device),
                     PointsCrossSize(style.labelFont, device).width());
        westX = std::max(g.westX, g.compass.left() - g.gap - needed);
        westRoom = g.compass.left() - g.gap - westX;
    }
    const std::array<QPointF, 4> origins = {
        QPointF(g.northSouthX, g.northTop),
        QPointF(g.eastX, g.middleTop),
        QPointF(g.northSouthX, g.southTop),
        QPointF(westX, g.middleTop),
    };
    QFont seatFont = style.labelFont;
    seatFont.setItalic(true);
    for (const Seat seat : {kNorth, kEast, kSouth, kWest}) {
        if (style.seatLabels) {
            DrawTextAt(painter, origins[seat], seatFont, SeatWord(seat, words), QColor(90, 90, 90));
        }
        DrawHand(painter, origins[seat] + QPointF(0, g.handOffset), board.hands[seat],
                 style.cardsFont, words, style.useColor);
    }

    DrawCompass(painter, g.compass, board, style, words);

    if (HasCards(board)) {
        const QRectF corner(westX, g.southTop + g.handOffset, westRoom, 4 * g.lineHeight);
        DrawPointsCross(painter, corner, board, style.labelFont);
    }
}

}  // namespace kesto::prt3
