#include "kesto/options/font_slots.h"

#include <cassert>

#include "kesto/options/settings_table.h"

namespace kesto {

namespace {

constexpr std::array<std::string_view, kFontSlotCount> kListEntries = {
    "Header Line 1",
    "Header Line 2",
    "Cards (on multi-deal printouts)",
    "Cards (on single deal printouts)",
    "Cards (on curtain cards)",
    "Board No. (curtain cards)",
    "Position Indicator (curtain cards)",
};
static_assert(kFontSlotSettings.size() == kFontSlotCount);

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kFontSlotCount;
}

}  // namespace

FontSlots::FontSlots() {
    RestoreDefaults();
}

TMyFontRec& FontSlots::operator[](int slot) {
    assert(ValidSlot(slot));
    return slots_[static_cast<std::size_t>(slot)];
}

const TMyFontRec& FontSlots::operator[](int slot) const {
    assert(ValidSlot(slot));
    return slots_[static_cast<std::size_t>(slot)];
}

void FontSlots::RestoreDefaults() {
    for (int slot = 0; slot < kFontSlotCount; ++slot) {
        slots_[static_cast<std::size_t>(slot)] = Default(slot);
    }
}

const TMyFontRec& FontSlots::Default(int slot) {
    static const auto defaults = [] {
        std::array<TMyFontRec, kFontSlotCount> records;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const FontSlotSettings& settings = kFontSlotSettings[i];
            records[i] = {std::string(settings.font.defaultValue), settings.size.defaultValue,
                          static_cast<std::uint8_t>(settings.style.defaultValue)};
        }
        return records;
    }();
    assert(ValidSlot(slot));
    return defaults[static_cast<std::size_t>(slot)];
}

std::string_view FontSlots::ListEntry(int slot) {
    return ValidSlot(slot) ? kListEntries[static_cast<std::size_t>(slot)] : "";
}

}  // namespace kesto
