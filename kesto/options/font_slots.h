#pragma once
// The seven font slots: the typeface, size and style of each kind of printed text. The
// options dialog owns the live table; the print job and the curtain cards read it when they
// run. Names are stored as the user chose them (Windows-1252), even when this system lacks
// that typeface: the printer substitutes one.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kesto {

// FontStyle bits; only bold and italic can be changed in the dialog.
inline constexpr std::uint8_t kFontBold = 1;
inline constexpr std::uint8_t kFontItalic = 2;
inline constexpr std::uint8_t kFontUnderline = 4;
inline constexpr std::uint8_t kFontStrikeOut = 8;

struct TMyFontRec {
    std::string FontName;
    std::int32_t FontSize = 0;  // points
    std::uint8_t FontStyle = 0;
    friend bool operator==(const TMyFontRec&, const TMyFontRec&) = default;
};

inline constexpr int kFontSlotCount = 7;

// The slots, by the text they set; the number is the entry's index in the dialog's list.
enum FontSlot : int {
    kFontHeaderLine1 = 0,
    kFontHeaderLine2 = 1,
    kFontCardsMulti = 2,
    kFontCardsSingle = 3,
    kFontCardsCurtain = 4,
    kFontBoardNumber = 5,
    kFontPositionIndicator = 6,
};

class FontSlots {
  public:
    FontSlots();  // the defaults

    // Slot 0..6; anything else is a programming error checked by assert.
    TMyFontRec& operator[](int slot);
    const TMyFontRec& operator[](int slot) const;

    void RestoreDefaults();

    // The slot's defaults, from its settings (kFontSlotSettings).
    static const TMyFontRec& Default(int slot);
    // The slot's entry in the dialog's list, e.g. "Cards (on curtain cards)".
    static std::string_view ListEntry(int slot);

    friend bool operator==(const FontSlots&, const FontSlots&) = default;

  private:
    std::array<TMyFontRec, kFontSlotCount> slots_;
};

}  // namespace kesto
