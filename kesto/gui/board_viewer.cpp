#include "kesto/gui/board_viewer.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <numeric>

#include "kesto/gui/text_convert.h"
#include "kesto/gui/workflow_dialogs.h"

namespace kesto::gui {

namespace {

constexpr int kGap = 8;
constexpr int kLabelHeight = 20;
constexpr int kCardsPixels = 12;
constexpr int kSmallestCardsPixels = 7;
constexpr int kLabelPixels = 11;
constexpr int kMargin = 6;
const char* const kColumns[] = {"Board", "Dlr", "Vul", "N", "E", "S", "W"};
constexpr int kColumnWidths[] = {38, 28, 36, 24, 24, 24, 24};
// The makeable contracts' rows: declarers North, South, East, West, as hand records list them.
constexpr Seat kRowSeats[] = {Seat::North, Seat::South, Seat::East, Seat::West};

QColor SuitColor(Suit suit) {
    return SuitIsRed(suit) ? QColor(208, 0, 0) : QColor(Qt::black);  // as the hand-entry page's
}

QString RunText(const TextRun& run) {
    return run.suit ? SuitSymbol(*run.suit) : ToQString(run.text);
}

QString RunsText(const std::vector<TextRun>& runs) {
    QString text;
    for (const TextRun& run : runs) {
        text += RunText(run);
    }
    return text;
}

QFont Pixels(QFont font, int pixels, bool bold = false, bool italic = false) {
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Text drawn with its top left at the point.
void DrawText(QPainter& painter, QPointF topLeft, const QFont& font, const QString& text,
              const QColor& color = Qt::black) {
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + QFontMetricsF(font).ascent()), text);
}

void DrawCentred(QPainter& painter, const QRectF& box, const QFont& font, const QString& text,
                 const QColor& color = Qt::black) {
    const QFontMetricsF metrics(font);
    DrawText(painter,
             QPointF(box.center().x() - metrics.horizontalAdvance(text) / 2,
                     box.center().y() - metrics.height() / 2),
             font, text, color);
}

// Runs one after another from the point; the width they took.
double DrawRuns(QPainter& painter, QPointF topLeft, const QFont& font,
                const std::vector<TextRun>& runs) {
    const double left = topLeft.x();
    for (const TextRun& run : runs) {
        const QString text = RunText(run);
        DrawText(painter, topLeft, font, text, run.suit ? SuitColor(*run.suit) : QColor(Qt::black));
        topLeft.rx() += QFontMetricsF(font).horizontalAdvance(text);
    }
    return topLeft.x() - left;
}

}  // namespace

// The chosen board, drawn on white as on paper.
class BoardDiagramView : public QWidget {
  public:
    explicit BoardDiagramView(QWidget* parent) : QWidget(parent) {
        setObjectName("BoardDiagram");
        setFocusPolicy(Qt::NoFocus);
    }

    void Show(const BoardDiagram& board) {
        if (board == board_) {
            return;
        }
        board_ = board;
        setAccessibleName(ToQString(board.title));
        setAccessibleDescription(Description());
        update();
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override;

  private:
    // Where the hands go, for a cards font.
    struct Layout {
        double line = 0;
        double block = 0;  // a hand's four lines
        QRectF compass;
        QRectF west, east;       // the side columns' room, level with the compass
        double northSouthX = 0;  // North and South start at the compass's left
        double northTop = 0, southTop = 0;
    };
    Layout LayOut(const QFont& cards) const;
    double HandWidth(Seat seat, const QFont& cards) const;
    bool HandsFit(const Layout& layout, const QFont& cards) const;
    void DrawHand(QPainter& painter, QPointF topLeft, Seat seat, const QFont& cards) const;
    void DrawCompass(QPainter& painter, const QRectF& box, const QFont& label) const;
    void DrawCorners(QPainter& painter, const Layout& layout, const QFont& label) const;
    // The makeable contracts, or the analysis's note, from top down; bottom is the room's.
    void DrawAnalysis(QPainter& painter, double top, double bottom, const QFont& label) const;
    // The board as a screen reader reads it.
    QString Description() const;

    BoardDiagram board_;
};

BoardDiagramView::Layout BoardDiagramView::LayOut(const QFont& cards) const {
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    Layout g;
    g.line = QFontMetricsF(cards).lineSpacing();
    g.block = 4 * g.line;
    const double verticalGap = 0.35 * g.line;
    const double gap = 0.8 * g.line;
    const double side = g.block;
    g.northTop = area.top();
    const double middleTop = g.northTop + g.block + verticalGap;
    g.southTop = middleTop + g.block + verticalGap;
    g.compass = QRectF(area.center().x() - side / 2, middleTop, side, side);
    g.west = QRectF(area.left(), middleTop, g.compass.left() - gap - area.left(), g.block);
    g.east =
        QRectF(g.compass.right() + gap, middleTop, area.right() - g.compass.right() - gap, g.block);
    g.northSouthX = g.compass.left();
    return g;
}

double BoardDiagramView::HandWidth(Seat seat, const QFont& cards) const {
    const QFontMetricsF metrics(cards);
    double widest = 0;
    for (Suit suit : kAllSuits) {
        const QString line =
            SuitSymbol(suit) + ' ' +
            ToQString(board_.cards[static_cast<int>(seat)][static_cast<int>(suit)]);
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

bool BoardDiagramView::HandsFit(const Layout& layout, const QFont& cards) const {
    const double northSouth = width() - kMargin - layout.northSouthX;
    return HandWidth(Seat::West, cards) <= layout.west.width() &&
           HandWidth(Seat::East, cards) <= layout.east.width() &&
           std::max(HandWidth(Seat::North, cards), HandWidth(Seat::South, cards)) <= northSouth;
}

void BoardDiagramView::DrawHand(QPainter& painter, QPointF topLeft, Seat seat,
                                const QFont& cards) const {
    const QFontMetricsF metrics(cards);
    const double cardsX = metrics.horizontalAdvance(SuitSymbol(Suit::Spades) + ' ');
    for (Suit suit : kAllSuits) {
        DrawText(painter, topLeft, cards, SuitSymbol(suit), SuitColor(suit));
        DrawText(painter, QPointF(topLeft.x() + cardsX, topLeft.y()), cards,
                 ToQString(board_.cards[static_cast<int>(seat)][static_cast<int>(suit)]));
        topLeft.ry() += metrics.lineSpacing();
    }
}

void BoardDiagramView::DrawCompass(QPainter& painter, const QRectF& box, const QFont& label) const {
    const double band = box.width() * 0.25;
    // By Seat: North's band at the top, then clockwise.
    const QRectF bands[] = {QRectF(box.left(), box.top(), box.width(), band),
                            QRectF(box.right() - band, box.top(), band, box.height()),
                            QRectF(box.left(), box.bottom() - band, box.width(), band),
                            QRectF(box.left(), box.top(), band, box.height())};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(246, 246, 246));
    painter.drawRect(box);
    painter.setBrush(QColor(196, 32, 40));
    for (Seat seat : kClockwise) {
        if (board_.vulnerable[static_cast<int>(seat)]) {
            painter.drawRect(bands[static_cast<int>(seat)]);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(box);
    for (Seat seat : kClockwise) {
        const int s = static_cast<int>(seat);
        QFont letter = Pixels(label, std::max(7, static_cast<int>(band * 0.7)), true);
        letter.setUnderline(seat == board_.dealer);  // the dealer, as on the hand record
        const QRectF cell = seat == Seat::North || seat == Seat::South
                                ? QRectF(box.center().x() - band / 2, bands[s].top(), band, band)
                                : QRectF(bands[s].left(), box.center().y() - band / 2, band, band);
        DrawCentred(painter, cell, letter, ToQString(board_.seatLetters[s]),
                    board_.vulnerable[s] ? QColor(Qt::white) : QColor(Qt::black));
    }
    const QRectF inner = box.adjusted(band, band, -band, -band);
    DrawCentred(painter, inner,
                Pixels(label, std::max(7, static_cast<int>(inner.height() * 0.6)), true),
                QString::number(board_.board));
    painter.restore();
}

void BoardDiagramView::DrawCorners(QPainter& painter, const Layout& layout,
                                   const QFont& label) const {
    // Top left: the board, the dealer and the vulnerability.
    const QFont title = Pixels(label, label.pixelSize() + 2, true);
    double y = layout.northTop;
    DrawText(painter, QPointF(layout.west.left(), y), title, ToQString(board_.title));
    y += QFontMetricsF(title).lineSpacing();
    for (const std::string& line : {board_.dealerLine, board_.vulnerabilityLine}) {
        DrawText(painter, QPointF(layout.west.left(), y), label, ToQString(line));
        y += QFontMetricsF(label).lineSpacing();
    }
    // Bottom left: the points of each hand, each where its hand sits.
    const QFontMetricsF metrics(label);
    const QRectF region(layout.west.left(), layout.southTop, layout.west.width(), layout.block);
    const double half = metrics.horizontalAdvance("40") / 2 + metrics.averageCharWidth();
    const double h = metrics.height();
    const QPointF centre = region.center();
    const QPointF where[] = {{centre.x(), centre.y() - 1.5 * h},  // by Seat
                             {centre.x() + 2 * half, centre.y() - 0.5 * h},
                             {centre.x(), centre.y() + 0.5 * h},
                             {centre.x() - 2 * half, centre.y() - 0.5 * h}};
    for (Seat seat : kClockwise) {
        const QString points = QString::number(board_.points[static_cast<int>(seat)]);
        const QPointF at = where[static_cast<int>(seat)];
        DrawText(painter, QPointF(at.x() - metrics.horizontalAdvance(points) / 2, at.y()), label,
                 points, QColor(70, 70, 70));
    }
}

void BoardDiagramView::DrawAnalysis(QPainter& painter, double top, double bottom,
                                    const QFont& label) const {
    const double left = kMargin;
    const double right = width() - kMargin;
    const QFont caption = Pixels(label, label.pixelSize(), false, true);
    if (!board_.makeable) {
        painter.setFont(caption);
        painter.setPen(QColor(90, 90, 90));
        painter.drawText(QRectF(left, top, right - left, bottom - top),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                         ToQString(board_.analysisNote));
        return;
    }
    const MakeableTable& table = *board_.makeable;
    const QFontMetricsF metrics(label);
    const double line = metrics.lineSpacing();
    double labelWidth = 0;
    for (const std::string& declarer : table.declarers) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(ToQString(declarer)));
    }
    labelWidth += metrics.averageCharWidth();
    double column = metrics.horizontalAdvance("7");
    for (const TextRun& strain : table.strains) {
        column = std::max(column, metrics.horizontalAdvance(RunText(strain)));
    }
    column += metrics.averageCharWidth();
    const double tableWidth = labelWidth + kStrainCount * column;

    DrawText(painter, QPointF(left, top), caption, ToQString(table.caption), QColor(90, 90, 90));
    const double head = top + line;
    for (int strain = 0; strain < kStrainCount; ++strain) {
        const TextRun& run = table.strains[static_cast<std::size_t>(strain)];
        DrawCentred(painter, QRectF(left + labelWidth + strain * column, head, column, line), label,
                    RunText(run), run.suit ? SuitColor(*run.suit) : QColor(Qt::black));
    }
    painter.setPen(QColor(150, 150, 150));
    painter.drawLine(QPointF(left, head + line), QPointF(left + tableWidth, head + line));
    for (std::size_t row = 0; row < std::size(kRowSeats); ++row) {
        const double y = head + static_cast<double>(row + 1) * line;
        DrawText(painter, QPointF(left, y), label, ToQString(table.declarers[row]));
        for (int strain = 0; strain < kStrainCount; ++strain) {
            DrawCentred(painter, QRectF(left + labelWidth + strain * column, y, column, line),
                        label, ToQString(table.levels[row][static_cast<std::size_t>(strain)]));
        }
    }
    // Par beside the table, level with North's row, when it fits there; else under it.
    const double parWidth = metrics.horizontalAdvance(RunsText(table.par));
    const double gap = 2 * metrics.averageCharWidth();
    const bool beside = left + tableWidth + gap + parWidth <= right;
    DrawRuns(
        painter,
        beside ? QPointF(left + tableWidth + gap, head + line) : QPointF(left, head + 5 * line),
        label, table.par);
}

void BoardDiagramView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(150, 150, 150));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (board_.board == 0) {
        return;
    }
    const QFont label = Pixels(font(), kLabelPixels);
    // A hand too wide for its room gets a smaller font, as the hand record's does.
    QFont cards = Pixels(font(), kCardsPixels);
    Layout layout = LayOut(cards);
    for (int pixels = kCardsPixels - 1; pixels >= kSmallestCardsPixels && !HandsFit(layout, cards);
         --pixels) {
        cards = Pixels(font(), pixels);
        layout = LayOut(cards);
    }
    DrawHand(painter, QPointF(layout.northSouthX, layout.northTop), Seat::North, cards);
    DrawHand(painter, layout.west.topLeft(), Seat::West, cards);
    DrawHand(painter, layout.east.topLeft(), Seat::East, cards);
    DrawHand(painter, QPointF(layout.northSouthX, layout.southTop), Seat::South, cards);
    DrawCompass(painter, layout.compass, label);
    DrawCorners(painter, layout, label);
    DrawAnalysis(painter, layout.southTop + layout.block + 0.6 * layout.line, height() - kMargin,
                 label);
}

QString BoardDiagramView::Description() const {
    QStringList lines{ToQString(board_.dealerLine), ToQString(board_.vulnerabilityLine)};
    for (Seat seat : kClockwise) {
        const int s = static_cast<int>(seat);
        QString hand = ToQString(board_.seatLetters[s]) + ':';
        for (Suit suit : kAllSuits) {
            hand +=
                ' ' + SuitSymbol(suit) + ' ' + ToQString(board_.cards[s][static_cast<int>(suit)]);
        }
        lines << hand + " (" + QString::number(board_.points[s]) + ')';
    }
    if (board_.makeable) {
        lines << RunsText(board_.makeable->par);
    } else if (!board_.analysisNote.empty()) {
        lines << ToQString(board_.analysisNote);
    }
    return lines.join('\n');
}

BoardViewer::BoardViewer(QWidget* parent) : QWidget(parent) {
    setObjectName("BoardViewer");
    list_ = new QTreeWidget(this);
    list_->setObjectName("BoardList");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setColumnCount(static_cast<int>(std::size(kColumns)));
    QStringList headers;
    for (const char* column : kColumns) {
        headers << column;
    }
    list_->setHeaderLabels(headers);
    list_->headerItem()->setToolTip(3, "High-card points of each hand");
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionsMovable(false);
    for (int column = 0; column < list_->columnCount(); ++column) {
        list_->header()->setSectionResizeMode(column, QHeaderView::Fixed);
        list_->setColumnWidth(column, kColumnWidths[column]);
        list_->headerItem()->setTextAlignment(column, column < 3 ? Qt::AlignLeft : Qt::AlignRight);
    }
    // Every column shows whole beside the scroll bar.
    listWidth_ = std::accumulate(std::begin(kColumnWidths), std::end(kColumnWidths), 0) +
                 list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_) +
                 2 * list_->frameWidth();
    list_->move(0, kLabelHeight + 4);
    auto* label = new QLabel("&Boards:", this);
    label->setGeometry(0, 0, listWidth_, kLabelHeight);
    label->setBuddy(list_);

    diagram_ = new BoardDiagramView(this);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) {
            emit BoardChosen(list_->indexOfTopLevelItem(item));
        }
    });
}

void BoardViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    list_->resize(listWidth_, height() - list_->y());
    diagram_->setGeometry(listWidth_ + kGap, 0, width() - listWidth_ - kGap, height());
}

void BoardViewer::ShowList(const std::vector<BoardListRow>& rows, int current) {
    const QSignalBlocker quiet(list_);
    if (rows != rows_) {
        rows_ = rows;
        list_->clear();
        QList<QTreeWidgetItem*> items;
        for (const BoardListRow& row : rows) {
            QStringList cells{QString::number(row.board), ToQString(row.dealer),
                              ToQString(row.vulnerability)};
            for (int points : row.points) {
                cells << QString::number(points);
            }
            auto* item = new QTreeWidgetItem(cells);
            for (int column = 0; column < item->columnCount(); ++column) {
                item->setTextAlignment(column, column < 3 ? Qt::AlignLeft : Qt::AlignRight);
            }
            items << item;
        }
        list_->addTopLevelItems(items);
    }
    if (QTreeWidgetItem* item = list_->topLevelItem(current)) {
        list_->setCurrentItem(item);
        list_->scrollToItem(item);
    }
}

void BoardViewer::ShowBoard(const BoardDiagram& board) {
    diagram_->Show(board);
}

}  // namespace kesto::gui
