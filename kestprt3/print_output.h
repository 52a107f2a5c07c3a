#pragma once
// Where a printout goes: the chosen printer, or a new PDF file in the output folder.

#include <QPrinter>
#include <QString>

#include <cstdint>
#include <memory>

#include "kestprt3/printer_settings.h"

namespace kesto::prt3 {

struct Output {
    std::unique_ptr<QPrinter> printer;
    QString pdfPath;  // the PDF file reserved for the printout; empty when printing on paper
};

// Sets up the printer or reserves a new PDF file named "<title> yyyy-MM-dd hh-mm-ss.pdf"
// (with " (2)", " (3)", ... when taken). The page size is Letter where the user's locale
// measures in inches, else A4. Returns a KestPrt3Status.
std::int32_t OpenOutput(const QString& title, const PrinterSettings& settings, Output& output);

// Removes the reserved PDF file of a printout that failed.
void DiscardOutput(Output& output);

}  // namespace kesto::prt3
