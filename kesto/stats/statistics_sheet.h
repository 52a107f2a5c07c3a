#pragma once
// The statistics sheet: one landscape page with the High Card Points, One-Hand Distributions
// and Two-Hand Fits tables, drawn by the program itself on the printer canvas.

#include <string>
#include <string_view>

#include "kesto/platform/printer_canvas.h"
#include "kesto/stats/statistics.h"

namespace kesto {

// The spooler's name of a sheet's print job.
inline constexpr std::string_view kStatisticsJobTitle = "Statistics";

// Prints one sheet as one complete print job. Either header line may be empty (Windows-1252).
// The canvas's orientation is landscape for the job and back to what it was afterwards, also
// when the job fails; the canvas's font is left as the sheet last set it. A job that cannot
// begin or end comes back as a failure with the canvas's text.
Status PrintStatisticsSheet(PrinterCanvas& canvas, const tStatistics& statistics,
                            std::string_view header1, std::string_view header2,
                            std::string_view decimalSeparator = LocaleDecimalSeparator());

}  // namespace kesto
