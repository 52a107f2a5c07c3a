#pragma once
// The printer canvas on Qt: QPrinter and QPainter, to the printer chosen in printer setup or,
// when none is chosen or it does not exist, to PDF files in a folder (one file per job).
// Font names are kept as given; fontconfig picks the face (Arial becomes Liberation Sans).
// The Symbol font's suit characters are drawn as the Unicode suits and its 0xBE as a line.

#include <memory>
#include <string>
#include <string_view>

#include "kesto/platform/printer_canvas.h"

class QPainter;
class QPrinter;
class QFont;

namespace kesto::gui {

struct QtPrintDestination {
    std::string printerName;  // the printer chosen in printer setup (Windows-1252); "" if none
    // Where PDF files go when that printer is not used: a path as the file system spells it.
    std::string pdfFolder;
};

class QtPrinterCanvas final : public PrinterCanvas {
  public:
    explicit QtPrinterCanvas(const QtPrintDestination& destination);
    ~QtPrinterCanvas() override;
    QtPrinterCanvas(const QtPrinterCanvas&) = delete;
    QtPrinterCanvas& operator=(const QtPrinterCanvas&) = delete;

    // True when jobs go to PDF files rather than to a printer.
    bool PrintsToPdf() const { return toPdf_; }
    // The PDF file of the last job begun ("" before the first and on a printer). A canvas
    // numbers its jobs: "<title> 1.pdf", "<title> 2.pdf", ...; a file of that name from an
    // earlier run is replaced.
    const std::string& LastPdfFile() const { return lastPdfFile_; }

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
    PrintResult BeginDoc(std::string_view title) override;
    PrintResult EndDoc() override;

  private:
    QFont DeviceFont() const;
    bool IsSymbolFont() const;
    int RuleCharWidth() const;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool toPdf_ = true;
    std::string printerName_;
    std::string pdfFolder_;
    std::string lastPdfFile_;
    int jobCount_ = 0;
    CanvasFont font_;
};

}  // namespace kesto::gui
