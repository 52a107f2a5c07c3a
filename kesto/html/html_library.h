#pragma once
// The binding to the HTML page library "KESTWEB2.DLL", loaded at start-up: its entries
// AddDeal, ClearDeals and HTMLCustom looked up by name, typed calls. Texts are only lent for
// the call; the library keeps its own copies.

#include <cstdint>
#include <memory>
#include <string>

#include "kesto/platform/shared_library.h"

namespace kesto {

inline constexpr const char* kHtmlLibraryName = "KESTWEB2.DLL";

// The 20 arguments of HTMLCustom, in call order. Texts are Windows-1252.
struct HtmlCustomArguments {
    std::string fileName, imageLocation, title1, title2;
    std::string ace, king, queen, jack, ten;
    std::string none, both, dealer, board, vul;
    std::string north, east, south, west;
    std::int32_t boardByPosition = 0;
    std::int32_t dealerVulByPosition = 0;
};

class HtmlLibrary {
  public:
    // As PrintingLibrary::Bind, for the entries AddDeal, ClearDeals and HTMLCustom.
    static std::unique_ptr<HtmlLibrary> Bind(std::unique_ptr<SharedLibrary> library);

    void AddDeal(const std::string& record) const;
    void ClearDeals() const;
    // 0 when the page was written completely, otherwise the library's error number.
    std::int32_t HTMLCustom(const HtmlCustomArguments& arguments) const;

    HtmlLibrary(std::unique_ptr<SharedLibrary> library, void* addDeal, void* clearDeals,
                void* htmlCustom);
    ~HtmlLibrary();

  private:
    std::unique_ptr<SharedLibrary> library_;
    void* addDeal_;
    void* clearDeals_;
    void* htmlCustom_;
};

}  // namespace kesto
