#include "kesto/print/print_options.h"

namespace kesto {

PrintOptions DefaultPrintOptions(const LanguageTable& languages) {
    PrintOptions options;
    for (int slot = 0; slot < kWordSlots; ++slot) {
        options.words[static_cast<std::size_t>(slot)] =
            languages.LanguageWord(languages.CurrentLanguage(), slot);
    }
    options.analysisWords = BuiltInAnalysisWords(languages.CurrentLanguage());
    return options;
}

PrintOptions PrintOptionsOf(const TOptionDlg& dialog) {
    PrintOptions options = DefaultPrintOptions(dialog.Languages());
    options.fonts = dialog.FontSlots();
    options.useColor = dialog.UseColor();
    options.curtainCollation = dialog.CurtainCollation();
    options.curtainDimensions = dialog.CurtainDimensions();
    options.curtainOrientation = dialog.CurtainOrientation();
    return options;
}

}  // namespace kesto
