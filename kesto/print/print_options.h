#pragma once
// What printing reads from the options dialog at the moment it prints: the printing
// language's words, the seven font slots, the colour flag and the curtain-card layout. A plain
// value taken afresh for every printout, so a change in the options dialog applies to the
// next call.

#include <array>
#include <string>

#include "kesto/options/font_slots.h"
#include "kesto/options/language_table.h"
#include "kesto/options/option_dialog.h"

namespace kesto {

struct PrintOptions {
    std::array<std::string, kWordSlots> words;              // the current language's slots 0..19
    AnalysisWords analysisWords = BuiltInAnalysisWords(1);  // the current language's
    FontSlots fonts;
    bool useColor = true;
    int curtainCollation = kCollateByPosition;
    int curtainDimensions = kCurtain5x7;
    int curtainOrientation = kCurtainPortrait;

    const std::string& Word(int slot) const { return words.at(static_cast<std::size_t>(slot)); }
};

// The current language of the table and the rest at their defaults (English, default fonts,
// colour on, 5 x 7 cm cards grouped by position, portrait).
PrintOptions DefaultPrintOptions(const LanguageTable& languages);

// The live values of the options dialog.
PrintOptions PrintOptionsOf(const TOptionDlg& options);

}  // namespace kesto
