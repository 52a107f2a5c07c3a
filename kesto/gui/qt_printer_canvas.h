#pragma once
// The printer canvas on Qt: QPrinter and QPainter, to the printer chosen in printer setup or,
// when none is chosen or it does not exist, to PDF files in a folder, one new file per job,
// named as the printing library names its printouts: "<title> yyyy-MM-dd hh-mm-ss.pdf", with
// " (2)", " (3)" ... when taken; an existing file is never overwritten, and a job that fails
// leaves no file. Pages are Letter where the user's locale measures in inches, else A4.
// Font names are kept as given; fontconfig picks the face (Arial becomes Liberation Sans).
// The Symbol font's suit characters are drawn as the Unicode suits and its 0xBE as a line.

#include <memory>
#include <string>
#include <string_view>

#include <QString>

#include "kesto/platform/printer_canvas.h"

class QPainter;
class QPrinter;
class QFont;

namespace kesto::gui {

struct QtPrintDestination {
    std::string printerName;  // the printer chosen in printer setup (Windows-1252); "" if none
    std::string pdfFolder;    // where PDF files go when that printer is not used (name bytes)
};

class QtPrinterCanvas final : public PrinterCanvas {
  public:
    explicit QtPrinterCanvas(const QtPrintDestination& destination);
    ~QtPrinterCanvas() override;
    QtPrinterCanvas(const QtPrinterCanvas&) = delete;
    QtPrinterCanvas& operator=(const QtPrinterCanvas&) = delete;

    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    int PageWidth() const override;
    int PageHeight() const override;
    PageOrientation Orientation() const override;
    void SetOrientation(PageOrientation orientation) override;
    CanvasFont Font() const override { return font_; }
    void SetFont(const CanvasFont& font) override { font_ = font; }
    int TextWidth(std::string_view text) const override;
    int TextHeight(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    Status BeginDoc(std::string_view title) override;
    Status EndDoc() override;

  private:
    QFont DeviceFont() const;
    bool IsSymbolFont() const;
    int RuleCharWidth() const;
    Status ReservePdfFile(std::string_view title);
    void DiscardPdfFile();

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool toPdf_ = true;
    std::string printerName_;
    std::string pdfFolder_;
    std::string jobPdfFile_;  // the file reserved for the open job
    QString reservedPdf_;     // the same, until the job ends well
    CanvasFont font_;
};

}  // namespace kesto::gui
