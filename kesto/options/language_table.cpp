#include "kesto/options/language_table.h"

#include <utility>

namespace kesto {

namespace {

using LanguageWords = std::array<const char*, kWordSlots>;

// Windows-1252: \xE7 c-cedilla, \xD8 O-slash, \xFC u-umlaut, \xE4 a-umlaut, \xD6 O-umlaut.
constexpr std::array<LanguageWords, kLanguageCount> kBuiltInWords = {{
    {"English", "A",    "K",    "Q", "J", "T", "North", "East",   "South", "West",
     "Vul",     "Both", "None", "N", "E", "S", "W",     "Dealer", "Dlr",   "Board"},
    {"Dansk", "E",    "K",     "D", "B",    "10", "Nord", "\xD8st", "Syd",   "Vest",
     "I.Z.",  "Alle", "Ingen", "N", "\xD8", "S",  "V",    "Giver",  "Giver", "Spil"},
    {"Deutsch",
     "A",
     "K",
     "D",
     "B",
     "Z",
     "Nord",
     "Ost",
     "S\xFC"
     "d",
     "West",
     "Gef\xE4hr",
     "Alle",
     "Keiner",
     "N",
     "O",
     "S",
     "W",
     "Teiler",
     "Tlr",
     "Board"},
    {"Dutch", "A",     "H",       "V", "B", "10", "Noord", "Oost",  "Zuid",  "West",
     "Kw",    "Allen", "Niemand", "N", "O", "Z",  "W",     "Gever", "Gever", "Spel"},
    {"Fran\xE7"
     "ais",
     "A",
     "R",
     "D",
     "V",
     "10",
     "Nord",
     "Est",
     "Sud",
     "Ouest",
     "Vul",
     "Tous",
     "Personne",
     "N",
     "E",
     "S",
     "O",
     "Donneur",
     "Donneur",
     "Donne"},
    {"Italiano", "A",     "K",       "Q", "J", "10", "Nord", "Est",      "Sud", "Ovest",
     "Zona",     "tutti", "nessuno", "N", "E", "S",  "O",    "Mazziere", "D",   "Mano"},
    {"Polski", "A",  "K",     "D", "W", "10", "North", "East",      "South", "West",
     "Obie",   "Po", "Przed", "N", "E", "S",  "W",     "Rozdajacy", "Rozd",  "Rozdanie"},
    {"Svenska", "E",    "K",     "D", "Kn",   "10", "Nord", "\xD6st", "Syd", "V\xE4st",
     "Zon",     "Alla", "Ingen", "N", "\xD6", "S",  "V",    "Giv",    "Giv", "Bricka"},
}};

// In the languages' order above. No trump is "sans atout" in German, Dutch, French and
// Italian, "uden trumf" in Danish, "bez atu" in Polish. The caption names the table by the
// club's own verb for making a contract; Polish keeps to the letters Windows-1252 has, as its
// dealer word does. \xFC u-umlaut, \xE9 e-acute, \xE5 a-ring.
constexpr std::array<AnalysisWords, kLanguageCount> kAnalysisWords = {{
    {"Par", "NT", "Pass", "Makeable contracts"},
    {"Par", "UT", "Pas", "Vindbare kontrakter"},
    {"Par", "SA", "Passe", "Erf\xFCllbare Kontrakte"},
    {"Par", "SA", "Pas", "Maakbare contracten"},
    {"Par", "SA", "Passe",
     "Contrats r\xE9"
     "alisables"},
    {"Par", "SA", "Passo", "Contratti realizzabili"},
    {"Par", "BA", "Pas", "Kontrakty do ugrania"},
    {"Par", "NT", "Pass",
     "Hemg\xE5"
     "ende kontrakt"},
}};

bool ValidLanguage(int language) {
    return language >= 1 && language <= kLanguageCount;
}
bool ValidSlot(int slot) {
    return slot >= 0 && slot < kWordSlots;
}

const std::string& EmptyWord() {
    static const std::string empty;
    return empty;
}

}  // namespace

const AnalysisWords& BuiltInAnalysisWords(int language) {
    return kAnalysisWords[static_cast<std::size_t>(ValidLanguage(language) ? language - 1 : 0)];
}

std::string LanguageSubkey(std::string_view languageName) {
    return std::string(kSettingsKey) + "\\" + std::string(languageName);
}

const std::string& LanguageTable::BuiltInWord(int language, int slot) {
    static const auto builtIn = [] {
        std::array<std::array<std::string, kWordSlots>, kLanguageCount> words;
        for (int l = 0; l < kLanguageCount; ++l) {
            for (int s = 0; s < kWordSlots; ++s) {
                words[l][s] = kBuiltInWords[l][s];
            }
        }
        return words;
    }();
    if (!ValidLanguage(language) || !ValidSlot(slot)) {
        return EmptyWord();
    }
    return builtIn[language - 1][slot];
}

LanguageTable::LanguageTable() {
    for (int language = 1; language <= kLanguageCount; ++language) {
        for (int slot = 0; slot < kWordSlots; ++slot) {
            words_[language - 1][slot] = BuiltInWord(language, slot);
        }
    }
}

const std::string& LanguageTable::LanguageWord(int language, int slot) const {
    if (!ValidLanguage(language) || !ValidSlot(slot)) {
        return EmptyWord();
    }
    return words_[language - 1][slot];
}

void LanguageTable::SetLanguageWord(int language, int slot, std::string word) {
    if (!ValidLanguage(language) || slot < 1 || slot >= kWordSlots) {
        return;
    }
    words_[language - 1][slot] = std::move(word);
}

void LanguageTable::SetCurrentLanguage(int language) {
    if (ValidLanguage(language)) {
        currentLanguage_ = language;
    }
}

int LanguageTable::FindLanguage(std::string_view name) const {
    for (int language = 1; language <= kLanguageCount; ++language) {
        if (words_[language - 1][kSlotLanguageName] == name) {
            return language;
        }
    }
    return 0;
}

void LanguageTable::LoadFromSettings(const SettingsFile& settings) {
    const int stored = FindLanguage(SettingsStore(settings).Read(kUserLanguage));
    currentLanguage_ = stored == 0 ? 1 : stored;
    for (int language = 1; language <= kLanguageCount; ++language) {
        const SettingsStore store(settings,
                                  LanguageSubkey(LanguageWord(language, kSlotLanguageName)));
        for (int slot = 1; slot < kWordSlots; ++slot) {
            // A missing value, or one of another type than a string, leaves the word as it is.
            words_[language - 1][slot] =
                store.ReadStringDef(std::to_string(slot), words_[language - 1][slot]);
        }
    }
}

void LanguageTable::WriteLanguageWords(const SettingsFile& settings, int language) const {
    if (!ValidLanguage(language)) {
        return;
    }
    SettingsStore store(settings, LanguageSubkey(LanguageWord(language, kSlotLanguageName)));
    for (int slot = 1; slot < kWordSlots; ++slot) {
        store.WriteString(std::to_string(slot), words_[language - 1][slot]);
    }
}

}  // namespace kesto
