#include "kesto/options/font_slots.h"

#include <cassert>

namespace kesto {

namespace {

struct SlotDescription {
    std::string_view listEntry;
    std::string_view settingsPrefix;
    std::int32_t size;
    std::uint8_t style;
};

constexpr std::array<SlotDescription, kFontSlotCount> kSlots = {{
    {"Header Line 1", "Header1", 14, kFontBold},
    {"Header Line 2", "Header2", 10, 0},
    {"Cards (on multi-deal printouts)", "CardsMulti", 10, 0},
    {"Cards (on single deal printouts)", "CardsSingle", 12, 0},
    {"Cards (on curtain cards)", "CardsCurtain", 14, 0},
    {"Board No. (curtain cards)", "SubHead1", 10, 0},
    {"Position Indicator (curtain cards)", "SubHead2", 14, kFontBold},
}};

constexpr const char* kDefaultTypeface = "Arial";

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
            records[i] = {kDefaultTypeface, kSlots[i].size, kSlots[i].style};
        }
        return records;
    }();
    assert(ValidSlot(slot));
    return defaults[static_cast<std::size_t>(slot)];
}

std::string_view FontSlots::ListEntry(int slot) {
    return ValidSlot(slot) ? kSlots[static_cast<std::size_t>(slot)].listEntry : "";
}

std::string_view FontSlots::SettingsPrefix(int slot) {
    return ValidSlot(slot) ? kSlots[static_cast<std::size_t>(slot)].settingsPrefix : "";
}

}  // namespace kesto
