#pragma once
// Every value of the settings key, declared once: its name, its type, its default and, for a
// number, the range its control can show and what a stored number outside it stands for. The
// program reads and writes the key only through these entries (SettingsStore::Read and Write),
// so a name or a default is never typed twice, and a number read is always one its control can
// show: the program uses what the user sees.
//
// Not here: the language subkeys, whose values are named by the word slots' numbers
// (language_table.h).

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <variant>

namespace kesto {

// What a stored number outside an entry's range is read as.
enum class OutsideRange {
    Nearest,    // the nearer end of the range, as a count's up-down control shows it
    LowByte,    // its low byte: a font style is one byte and only that byte of the number counts
    StandsFor,  // the entry's standsFor: the meaning the program gives every other number
};

struct IntegerSetting {
    std::string_view name;
    std::int32_t defaultValue;
    std::int32_t min;
    std::int32_t max;
    OutsideRange outside = OutsideRange::Nearest;
    std::int32_t standsFor = 0;  // only for OutsideRange::StandsFor

    constexpr bool InRange(std::int32_t value) const { return value >= min && value <= max; }
    constexpr std::int32_t Clamp(std::int32_t value) const { return std::clamp(value, min, max); }
    // The number a stored value is read as; always within min..max.
    constexpr std::int32_t FromStored(std::int32_t stored) const {
        if (InRange(stored)) {
            return stored;
        }
        switch (outside) {
            case OutsideRange::LowByte:
                return Clamp(static_cast<std::int32_t>(static_cast<std::uint32_t>(stored) & 0xFFU));
            case OutsideRange::StandsFor:
                return standsFor;
            case OutsideRange::Nearest:
                break;
        }
        return Clamp(stored);
    }
};

// Stored as a number, 0 or 1; any number but 0 reads as true.
struct BoolSetting {
    std::string_view name;
    bool defaultValue;
};

struct StringSetting {
    std::string_view name;
    std::string_view defaultValue;
};

// The main window's counts and flags.
inline constexpr IntegerSetting kNumHands{"NumHands", 30, 1, 500};
inline constexpr IntegerSetting kNumCopies{"NumCopies", 1, 0, 1000};
inline constexpr IntegerSetting kNumIndividualSets{"NumIndividualSets", 1, 0, 100};
inline constexpr IntegerSetting kNumStatSheets{"NumStatSheets", 0, 0, 1000};
inline constexpr BoolSetting kCurtains{"Curtains", false};
inline constexpr BoolSetting kStatsWithHtml{"StatsWithHTML", false};
// The index into the six date formats of header line 2; any other number means the first.
inline constexpr IntegerSetting kDateFormat{"DateFormat", 0, 0, 5, OutsideRange::StandsFor, 0};
inline constexpr BoolSetting kUseDateInHeader{"UseDateInHeader", false};
inline constexpr BoolSetting kSuppressSetWarning{"SuppressSetWarning", false};
inline constexpr BoolSetting kSuppressHtmlAlert{"SuppressHTMLAlert", false};
// The program only ever reads it; the sets field's range.
inline constexpr IntegerSetting kNumberOfIndividualSets{"NumberOfIndividualSets", 1, 0, 100};
// The kind of deal file the read and save dialogs show first, the same kind in both: its
// number in the table of kinds (kesto/files/deal_file_kinds.h: 1 KST, 2 DLM, 3 DUP, 4 PBN,
// 5 the older text file, 6 BRI, 7 DGE, 8 LIN), the max the largest number there. 0, and any number
// outside the range, means no one kind: the read dialog shows every kind Kesto reads, the save
// dialog the own file. Earlier versions stored the filter index of either dialog, 1 to 4; 4 was PBN
// in the save dialog and "All files" in the read dialog, the only entry that showed .pbn files
// there.
inline constexpr IntegerSetting kFileType{"FileType", 0, 0, 8, OutsideRange::StandsFor, 0};
// The folder the read or save dialog last chose a deal file in, and the folder the HTML
// dialog last chose a page in, as the file system names them. Empty: the documents folder.
inline constexpr StringSetting kDealFileFolder{"DealFileFolder", ""};
inline constexpr StringSetting kHtmlFolder{"HTMLFolder", ""};

// The options dialog's values.
inline constexpr BoolSetting kPrintVulDeal{"PrintVulDeal", true};
inline constexpr BoolSetting kUserWantsColor{"UserWantsColor", true};
inline constexpr StringSetting kGifDirectory{"GIFDirectory", ""};
// Deal from the system's cryptographic random source instead of the classic generator.
inline constexpr BoolSetting kSecureDealing{"SecureDealing", false};
// What each side can make double dummy and par, under every board of the printouts and the
// HTML page; off, no analysis runs.
inline constexpr BoolSetting kShowMakeableContracts{"ShowMakeableContracts", false};
// Curtain cards: the item index of each radio group. Printing takes only 0 as grouping by
// position and every other collation as by board; any size but 0 and 2 as 5 x 7 cm. An
// orientation other than landscape is printed portrait.
inline constexpr IntegerSetting kCurtainCollation{"CurtainCollation",      0, 0, 1,
                                                  OutsideRange::StandsFor, 1};
inline constexpr IntegerSetting kCurtainDimensions{"CurtainDimensions",     1, 0, 2,
                                                   OutsideRange::StandsFor, 1};
inline constexpr IntegerSetting kCurtainOrientation{"CurtainOrientation",    0, 0, 1,
                                                    OutsideRange::StandsFor, 0};
// A font size is any whole number the size field reads; a style is one byte (bold 1,
// italic 2).
inline constexpr std::int32_t kFontSizeMin = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kFontSizeMax = std::numeric_limits<std::int32_t>::max();
inline constexpr StringSetting kHeader1Font{"Header1Font", "Arial"};
inline constexpr IntegerSetting kHeader1Size{"Header1Size", 14, kFontSizeMin, kFontSizeMax};
inline constexpr IntegerSetting kHeader1Style{"Header1Style", 1, 0, 255, OutsideRange::LowByte};
inline constexpr StringSetting kHeader2Font{"Header2Font", "Arial"};
inline constexpr IntegerSetting kHeader2Size{"Header2Size", 10, kFontSizeMin, kFontSizeMax};
inline constexpr IntegerSetting kHeader2Style{"Header2Style", 0, 0, 255, OutsideRange::LowByte};
inline constexpr StringSetting kCardsMultiFont{"CardsMultiFont", "Arial"};
inline constexpr IntegerSetting kCardsMultiSize{"CardsMultiSize", 10, kFontSizeMin, kFontSizeMax};
inline constexpr IntegerSetting kCardsMultiStyle{"CardsMultiStyle", 0, 0, 255,
                                                 OutsideRange::LowByte};
inline constexpr StringSetting kCardsSingleFont{"CardsSingleFont", "Arial"};
inline constexpr IntegerSetting kCardsSingleSize{"CardsSingleSize", 12, kFontSizeMin, kFontSizeMax};
inline constexpr IntegerSetting kCardsSingleStyle{"CardsSingleStyle", 0, 0, 255,
                                                  OutsideRange::LowByte};
inline constexpr StringSetting kCardsCurtainFont{"CardsCurtainFont", "Arial"};
inline constexpr IntegerSetting kCardsCurtainSize{"CardsCurtainSize", 14, kFontSizeMin,
                                                  kFontSizeMax};
inline constexpr IntegerSetting kCardsCurtainStyle{"CardsCurtainStyle", 0, 0, 255,
                                                   OutsideRange::LowByte};
inline constexpr StringSetting kSubHead1Font{"SubHead1Font", "Arial"};
inline constexpr IntegerSetting kSubHead1Size{"SubHead1Size", 10, kFontSizeMin, kFontSizeMax};
inline constexpr IntegerSetting kSubHead1Style{"SubHead1Style", 0, 0, 255, OutsideRange::LowByte};
inline constexpr StringSetting kSubHead2Font{"SubHead2Font", "Arial"};
inline constexpr IntegerSetting kSubHead2Size{"SubHead2Size", 14, kFontSizeMin, kFontSizeMax};
inline constexpr IntegerSetting kSubHead2Style{"SubHead2Style", 1, 0, 255, OutsideRange::LowByte};
// The typeface of the suit symbols beside each cards font: always written as its default,
// never read back.
inline constexpr StringSetting kSymbolsMultiFont{"SymbolsMultiFont", "Symbol"};
inline constexpr StringSetting kSymbolsSingleFont{"SymbolsSingleFont", "Symbol"};
inline constexpr StringSetting kSymbolsCurtainFont{"SymbolsCurtainFont", "Symbol"};
// The printing language by its name (the name of the built-in first language by default).
inline constexpr StringSetting kUserLanguage{"UserLanguage", "English"};

// "&Printer setup...": the chosen printer and the folder for PDF files, both empty when none
// is chosen. The printing library reads these two (and PrintVulDeal) from the file itself.
inline constexpr StringSetting kPrinterName{"PrinterName", ""};
inline constexpr StringSetting kPdfFolder{"PdfFolder", ""};

// The plan dialog: the plan last kept with OK (its lines separated by "\n"), its "Mix the
// themes" box and its "Keep the script's seats as written" box.
inline constexpr StringSetting kPlan{"Plan", ""};
inline constexpr BoolSetting kPlanMix{"PlanMix", false};
inline constexpr BoolSetting kPlanFixedSeats{"PlanFixedSeats", false};

// The settings of one font slot (font_slots.h), in slot order; symbols is null for the slots
// that print no suit symbols.
struct FontSlotSettings {
    const StringSetting& font;
    const IntegerSetting& size;
    const IntegerSetting& style;
    const StringSetting* symbols;
};

inline constexpr std::array<FontSlotSettings, 7> kFontSlotSettings = {{
    {kHeader1Font, kHeader1Size, kHeader1Style, nullptr},
    {kHeader2Font, kHeader2Size, kHeader2Style, nullptr},
    {kCardsMultiFont, kCardsMultiSize, kCardsMultiStyle, &kSymbolsMultiFont},
    {kCardsSingleFont, kCardsSingleSize, kCardsSingleStyle, &kSymbolsSingleFont},
    {kCardsCurtainFont, kCardsCurtainSize, kCardsCurtainStyle, &kSymbolsCurtainFont},
    {kSubHead1Font, kSubHead1Size, kSubHead1Style, nullptr},
    {kSubHead2Font, kSubHead2Size, kSubHead2Style, nullptr},
}};

// The whole table, for whatever treats every value alike.
using SettingEntry = std::variant<const IntegerSetting*, const BoolSetting*, const StringSetting*>;

inline constexpr SettingEntry kAllSettings[] = {
    &kNumHands,
    &kNumCopies,
    &kNumIndividualSets,
    &kNumStatSheets,
    &kCurtains,
    &kStatsWithHtml,
    &kDateFormat,
    &kUseDateInHeader,
    &kSuppressSetWarning,
    &kSuppressHtmlAlert,
    &kNumberOfIndividualSets,
    &kFileType,
    &kDealFileFolder,
    &kHtmlFolder,
    &kPrintVulDeal,
    &kUserWantsColor,
    &kGifDirectory,
    &kSecureDealing,
    &kShowMakeableContracts,
    &kCurtainCollation,
    &kCurtainDimensions,
    &kCurtainOrientation,
    &kHeader1Font,
    &kHeader1Size,
    &kHeader1Style,
    &kHeader2Font,
    &kHeader2Size,
    &kHeader2Style,
    &kCardsMultiFont,
    &kCardsMultiSize,
    &kCardsMultiStyle,
    &kCardsSingleFont,
    &kCardsSingleSize,
    &kCardsSingleStyle,
    &kCardsCurtainFont,
    &kCardsCurtainSize,
    &kCardsCurtainStyle,
    &kSubHead1Font,
    &kSubHead1Size,
    &kSubHead1Style,
    &kSubHead2Font,
    &kSubHead2Size,
    &kSubHead2Style,
    &kSymbolsMultiFont,
    &kSymbolsSingleFont,
    &kSymbolsCurtainFont,
    &kUserLanguage,
    &kPrinterName,
    &kPdfFolder,
    &kPlan,
    &kPlanMix,
    &kPlanFixedSeats,
};

}  // namespace kesto
