#include "kesto/gui/about_box.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "kesto/gui/help.h"
#include "kesto/platform/program_version.h"

namespace kesto::gui {

namespace {

// A playing card with a red heart and a black spade: what the program is about.
QPixmap DrawnIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(size * 0.16, size * 0.06, size * 0.68, size * 0.88);
    painter.setPen(QPen(QColor(40, 40, 40), size / 32.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, size * 0.08, size * 0.08);
    QFont suits = painter.font();
    suits.setPixelSize(size * 2 / 5);
    painter.setFont(suits);
    painter.setPen(QColor(200, 0, 0));
    painter.drawText(QRectF(card.left(), card.top(), card.width(), card.height() / 2),
                     Qt::AlignCenter, QString(QChar(0x2665)));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(card.left(), card.center().y(), card.width(), card.height() / 2),
                     Qt::AlignCenter, QString(QChar(0x2660)));
    return pixmap;
}

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ProgramVersion() {
    return Latin1(kProgramVersion);
}

}  // namespace

QIcon ProgramIcon() {
    const QIcon own = QApplication::windowIcon();
    if (!own.isNull() && !own.availableSizes().isEmpty()) {
        return own;
    }
    QIcon drawn;
    for (const int size : {16, 32, 48, 64}) {
        drawn.addPixmap(DrawnIcon(size));
    }
    return drawn;
}

LinkLabel::LinkLabel(const QString& text, const QString& toolTip, std::function<void()> open,
                     QWidget* parent)
    : QLabel(text, parent), open_(std::move(open)) {
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    setPalette(blue);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setToolTip(toolTip);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        open_();
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        open_();
        return;
    }
    QLabel::keyPressEvent(event);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    setModal(true);

    auto* icon = new QLabel;
    icon->setObjectName("ProgramIcon");
    icon->setPixmap(ProgramIcon().pixmap(48, 48));

    auto* product = new QLabel("Kesto");
    product->setObjectName("ProductName");
    // Six points above the size the label really draws in: a pixel-sized font has no point
    // size of its own (pointSize() is -1).
    QFont large = product->font();
    large.setPointSizeF(QFontInfo(large).pointSizeF() + 6);
    large.setBold(true);
    product->setFont(large);

    auto* version = new QLabel("Version " + ProgramVersion());
    version->setObjectName("Version");
    auto* licence = new QLabel(Latin1(kProgramCopyright) + "\n" + Latin1(kProgramLicence));
    licence->setObjectName("Licence");

    auto* link = new LinkLabel("About Kesto " + ProgramVersion() + " in the manual",
                               QDir::toNativeSeparators(QDir(HelpFolder()).filePath("about.html")),
                               [this] { ShowHelpAbout(this); });
    link->setObjectName("WebLink");

    auto* okButton = new QPushButton("OK");
    okButton->setObjectName("OKButton");
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addWidget(licence);
    texts->addSpacing(8);
    texts->addWidget(link);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(okButton);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed-size dialog
}

void ShowAboutBox(QWidget* parent) {
    TAboutBox box(parent);
    box.exec();
}

}  // namespace kesto::gui
