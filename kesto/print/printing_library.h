#pragma once
// The binding to the hand-record printing library "KESTPRT3.DLL", loaded at start-up: its three
// entries (and the optional SetAnalysisWords) looked up by name, typed calls. The library
// keeps its own copy of every record; texts are only lent for the call.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "kesto/options/language_table.h"
#include "kesto/platform/shared_library.h"

namespace kesto {

inline constexpr const char* kPrintingLibraryName = "KESTPRT3.DLL";

// The program's loader: LoadSharedLibrary, from the program's library folder alone.
LibraryLoader SystemLibraryLoader();

// The 48 arguments of PrintCustom, in call order. Texts are Windows-1252.
struct PrintCustomArguments {
    std::int32_t kind = 1;          // 0 individual sheets, 1 copy with all hands, 8..12 curtains
    std::int32_t orientation = -1;  // curtain cards: 0 portrait, 1 landscape; else -1
    std::string header1, header2, unused5, footer;
    std::string ace, king, queen, jack, ten;
    std::string north, east, south, west;
    std::string none, both, dealerWord, boardWord, vulWord;
    std::string rankLetters;
    std::array<std::string, 7> fontNames;
    std::array<std::int32_t, 8> fontSizes{};
    std::array<std::int32_t, 7> fontStyles{};
    std::int32_t cardWidthCm = 0;
    std::int32_t cardHeightCm = 0;
    std::int32_t useColor = 0;
    std::int32_t unused47 = 0;
    std::int32_t unused48 = 0;
};

class PrintingLibrary {
  public:
    // Looks up the loaded library's entries. Null when there is no library or one of AddDeal,
    // ClearDeals and PrintCustom is missing; the library is then unloaded again.
    static std::unique_ptr<PrintingLibrary> Bind(std::unique_ptr<SharedLibrary> library);

    void AddDeal(const std::string& record) const;
    void ClearDeals() const;
    // The optional entry: the words of the makeable-contracts table, kept by the library until
    // ClearDeals. False, and nothing called, when the library does not have it (it then prints
    // the table in English, or not at all).
    bool SetAnalysisWords(const AnalysisWords& words) const;
    // A status of the library (0 printed); the printout is complete when it returns.
    std::int32_t PrintCustom(const PrintCustomArguments& arguments) const;

    PrintingLibrary(std::unique_ptr<SharedLibrary> library, void* addDeal, void* clearDeals,
                    void* printCustom);
    ~PrintingLibrary();

  private:
    std::unique_ptr<SharedLibrary> library_;
    void* addDeal_;
    void* clearDeals_;
    void* printCustom_;
    void* setAnalysisWords_ = nullptr;
};

}  // namespace kesto
