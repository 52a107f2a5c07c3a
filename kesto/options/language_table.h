#pragma once
// The eight languages of printed words: slot 0 is the language's name, slots 1 to 19 the
// card letters, seat names and labels that printouts and the HTML page use. Words are
// Windows-1252 bytes. The table starts with the built-in words; the user's stored words
// replace them at start-up, and the options dialog changes them when the user confirms.

#include <array>
#include <string>
#include <string_view>

#include "kesto/options/settings_store.h"

namespace kesto {

inline constexpr int kLanguageCount = 8;  // numbered 1..8
inline constexpr int kWordSlots = 20;     // slots 0..19

// The slots, by what they hold.
enum LanguageSlot : int {
    kSlotLanguageName = 0,
    kSlotAce = 1,
    kSlotKing = 2,
    kSlotQueen = 3,
    kSlotJack = 4,
    kSlotTen = 5,
    kSlotNorth = 6,
    kSlotEast = 7,
    kSlotSouth = 8,
    kSlotWest = 9,
    kSlotVulnerable = 10,
    kSlotBoth = 11,
    kSlotNone = 12,
    kSlotNorthLetter = 13,
    kSlotEastLetter = 14,
    kSlotSouthLetter = 15,
    kSlotWestLetter = 16,
    kSlotDealerLong = 17,
    kSlotDealerShort = 18,
    kSlotBoard = 19,
};

// The words of the makeable-contracts table and par line. They are bridge terms every club
// knows in its language, so the user does not edit them: the seats' letters come from the
// table's slots 13 to 16 like everywhere else.
struct AnalysisWords {
    std::string_view par;        // "Par: 4S N, NS +420"
    std::string_view noTrump;    // "NT", "SA" (sans atout) ...
    std::string_view passedOut;  // par when nobody can make anything
    std::string_view caption;    // over the table: its numbers are contracts, not tricks
};

// The analysis words of a language by its number (1..8); English for any other number.
const AnalysisWords& BuiltInAnalysisWords(int language);

// The settings key of one language's words: kSettingsKey, a backslash and the name.
std::string LanguageSubkey(std::string_view languageName);

class LanguageTable {
  public:
    LanguageTable();  // built-in words, CurrentLanguage 1

    // An empty word for a language outside 1..8 or a slot outside 0..19.
    const std::string& LanguageWord(int language, int slot) const;
    // Slots 1..19 only: a language's name never changes. Anything else is ignored.
    void SetLanguageWord(int language, int slot, std::string word);

    int CurrentLanguage() const { return currentLanguage_; }
    // A number outside 1..8 is ignored.
    void SetCurrentLanguage(int language);
    const std::string& CurrentLanguageName() const {
        return LanguageWord(currentLanguage_, kSlotLanguageName);
    }

    // Exact, case-sensitive comparison with the names in table order; 0 when none matches.
    int FindLanguage(std::string_view name) const;

    // Start-up: CurrentLanguage from the stored UserLanguage (no match: 1), then each
    // language subkey's stored string values "1".."19" replace the words of their slots.
    void LoadFromSettings(const SettingsFile& settings);
    // The confirmed words of one language: its subkey (created if missing) gets the string
    // values "1".."19". A language outside 1..8 writes nothing.
    void WriteLanguageWords(const SettingsFile& settings, int language) const;

    // Shutdown: UserLanguage := slot 0 of CurrentLanguage; the options dialog writes it along
    // with its own values.

    static const std::string& BuiltInWord(int language, int slot);

  private:
    std::array<std::array<std::string, kWordSlots>, kLanguageCount> words_;
    int currentLanguage_ = 1;
};

}  // namespace kesto
