#include "kesto/gui/qt_printer_canvas.h"

#include <algorithm>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

#include "kesto/gui/text_convert.h"
#include "kesto/platform/text_encoding.h"

namespace kesto::gui {

namespace {

constexpr unsigned char kSymbolRule = 0xBE;

// The Symbol font's suit characters as Unicode suits.
char32_t SymbolCodePoint(unsigned char byte) {
    switch (byte) {
        case 0xAA:
            return U'\u2660';
        case 0xA9:
            return U'\u2665';
        case 0xA8:
            return U'\u2666';
        case 0xA7:
            return U'\u2663';
        default:
            return Windows1252ToCodePoint(byte);
    }
}

// Text drawn in the Symbol font shows its suit characters; any other text is Windows-1252.
QString ToQString(std::string_view text, bool symbol) {
    if (!symbol) {
        return gui::ToQString(text);
    }
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        out += QChar(static_cast<char16_t>(SymbolCodePoint(static_cast<unsigned char>(c))));
    }
    return out;
}

QPageSize LocalePageSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

// Creates the file only if no file of that name exists, so nothing is ever overwritten.
bool ReserveNewFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

// A job title made safe as a file name.
QString FileNameOf(std::string_view title) {
    QString name = ToQString(title, false);
    for (QChar& c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20) {
            c = u'_';
        }
    }
    return name.isEmpty() ? QStringLiteral("Kesto") : name;
}

// Calls f(run, isRule) for each stretch of the text that is all rule characters or has none.
template <typename F>
void ForEachRun(std::string_view text, bool symbol, F f) {
    while (!text.empty()) {
        const bool rule = symbol && static_cast<unsigned char>(text.front()) == kSymbolRule;
        std::size_t length = 1;
        while (length < text.size() &&
               (symbol && static_cast<unsigned char>(text[length]) == kSymbolRule) == rule) {
            ++length;
        }
        f(text.substr(0, length), rule);
        text.remove_prefix(length);
    }
}

}  // namespace

QtPrinterCanvas::QtPrinterCanvas(const QtPrintDestination& destination)
    : printerName_(destination.printerName), pdfFolder_(destination.pdfFolder) {
    if (!destination.printerName.empty()) {
        const QPrinterInfo info =
            QPrinterInfo::printerInfo(ToQString(destination.printerName, false));
        if (!info.isNull()) {
            printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            toPdf_ = false;
        }
    }
    if (toPdf_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setCreator(QStringLiteral("Kesto"));
    }
    printer_->setPageSize(LocalePageSize());
}

QtPrinterCanvas::~QtPrinterCanvas() {
    if (painter_ && painter_->isActive()) {
        painter_->end();
        painter_.reset();
        DiscardPdfFile();  // a job never ended is no printout
    }
}

int QtPrinterCanvas::PixelsPerInchX() const {
    return printer_->logicalDpiX();
}
int QtPrinterCanvas::PixelsPerInchY() const {
    return printer_->logicalDpiY();
}
int QtPrinterCanvas::PageWidth() const {
    return printer_->width();
}
int QtPrinterCanvas::PageHeight() const {
    return printer_->height();
}

PageOrientation QtPrinterCanvas::Orientation() const {
    return printer_->pageLayout().orientation() == QPageLayout::Landscape
               ? PageOrientation::Landscape
               : PageOrientation::Portrait;
}

void QtPrinterCanvas::SetOrientation(PageOrientation orientation) {
    printer_->setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

bool QtPrinterCanvas::IsSymbolFont() const {
    return QString::fromStdString(font_.name).compare(u"Symbol", Qt::CaseInsensitive) == 0;
}

QFont QtPrinterCanvas::DeviceFont() const {
    QFont font(ToQString(font_.name, false));
    font.setPointSize(font_.size > 0 ? font_.size : 10);
    font.setBold(font_.bold);
    font.setItalic(font_.italic);
    return QFont(font, printer_.get());
}

// The Symbol font's line segment is one em wide, so that a run of them joins up.
int QtPrinterCanvas::RuleCharWidth() const {
    return std::max(1, (font_.size > 0 ? font_.size : 10) * PixelsPerInchY() / 72);
}

int QtPrinterCanvas::TextWidth(std::string_view text) const {
    const bool symbol = IsSymbolFont();
    const QFontMetrics metrics(DeviceFont(), printer_.get());
    int width = 0;
    ForEachRun(text, symbol, [&](std::string_view run, bool rule) {
        width += rule ? static_cast<int>(run.size()) * RuleCharWidth()
                      : metrics.horizontalAdvance(ToQString(run, symbol));
    });
    return width;
}

int QtPrinterCanvas::TextHeight(std::string_view) const {
    return QFontMetrics(DeviceFont(), printer_.get()).height();
}

void QtPrinterCanvas::TextOut(int x, int y, std::string_view text) {
    if (!painter_ || !painter_->isActive()) {
        return;
    }
    const bool symbol = IsSymbolFont();
    const QFont font = DeviceFont();
    const QFontMetrics metrics(font, printer_.get());
    painter_->setFont(font);
    const int baseline = y + metrics.ascent();
    int left = x;
    ForEachRun(text, symbol, [&](std::string_view run, bool rule) {
        if (rule) {
            const int width = static_cast<int>(run.size()) * RuleCharWidth();
            const int lineY = baseline - metrics.xHeight() / 2;
            painter_->save();
            QPen pen(Qt::black);
            pen.setWidth(std::max(1, metrics.lineWidth()));
            pen.setCapStyle(Qt::FlatCap);
            painter_->setPen(pen);
            painter_->drawLine(left, lineY, left + width, lineY);
            painter_->restore();
            left += width;
        } else {
            const QString qtext = ToQString(run, symbol);
            painter_->drawText(left, baseline, qtext);
            left += metrics.horizontalAdvance(qtext);
        }
    });
}

Status QtPrinterCanvas::BeginDoc(std::string_view title) {
    if (painter_ && painter_->isActive()) {
        return Status::Failure("A print job was begun while another was still open.");
    }
    printer_->setDocName(ToQString(title, false));
    if (toPdf_) {
        Status reserved = ReservePdfFile(title);
        if (!reserved.Ok()) {
            return reserved;
        }
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        DiscardPdfFile();
        return Status::Failure(toPdf_ ? "The printout could not be written to " + jobPdfFile_ + "."
                                      : "The printer " + printerName_ +
                                            " could not start the print job.");
    }
    return {};
}

Status QtPrinterCanvas::ReservePdfFile(std::string_view title) {
    const QString folder = pdfFolder_.empty() ? QDir::currentPath() : FileNameToQString(pdfFolder_);
    if (!QDir().mkpath(folder)) {
        return Status::Failure("The folder " + FileNameFromQString(folder) +
                               " for the printouts could not be created.");
    }
    const QString stem =
        FileNameOf(title) + u' ' +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    const QDir dir(folder);
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString path =
            dir.filePath(attempt == 1 ? stem + QStringLiteral(".pdf")
                                      : stem + QStringLiteral(" (%1).pdf").arg(attempt));
        if (ReserveNewFile(path)) {
            printer_->setOutputFileName(path);
            reservedPdf_ = path;
            jobPdfFile_ = FileNameFromQString(path);
            return {};
        }
        if (!QFileInfo::exists(path)) {
            break;  // not taken, yet it cannot be created: the folder refuses
        }
    }
    return Status::Failure("No new PDF file could be created in the folder " +
                           FileNameFromQString(folder) + ".");
}

void QtPrinterCanvas::DiscardPdfFile() {
    if (!reservedPdf_.isEmpty()) {
        QFile::remove(reservedPdf_);
        reservedPdf_.clear();
    }
}

Status QtPrinterCanvas::EndDoc() {
    if (!painter_) {
        return Status::Failure("No print job was open.");
    }
    const bool ended = painter_->end();
    painter_.reset();
    const bool failed = !ended || printer_->printerState() == QPrinter::Error;
    if (toPdf_) {
        if (failed || QFileInfo(reservedPdf_).size() == 0) {
            DiscardPdfFile();
            return Status::Failure("The printout could not be written to " + jobPdfFile_ + ".");
        }
        reservedPdf_.clear();
    } else if (failed) {
        return Status::Failure("The printer " + printerName_ + " could not finish the print job.");
    }
    return {};
}

}  // namespace kesto::gui
