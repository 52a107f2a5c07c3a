#include "kesto/print/printing_library.h"

#include "kestprt3/kestprt3.h"

namespace kesto {

namespace {

template <typename Fn>
Fn As(void* entry) {
    return reinterpret_cast<Fn>(entry);
}

}  // namespace

LibraryLoader SystemLibraryLoader() {
    return [](const std::string& logicalName) { return LoadSharedLibrary(logicalName); };
}

std::unique_ptr<PrintingLibrary> PrintingLibrary::Bind(std::unique_ptr<SharedLibrary> library) {
    if (!library) {
        return nullptr;
    }
    void* addDeal = library->Entry("AddDeal");
    void* clearDeals = library->Entry("ClearDeals");
    void* printCustom = library->Entry("PrintCustom");
    if (addDeal == nullptr || clearDeals == nullptr || printCustom == nullptr) {
        return nullptr;  // the library goes with `library`
    }
    // Looked up before the library moves into the binding; a library without it still binds.
    void* setAnalysisWords = library->Entry("SetAnalysisWords");
    auto bound =
        std::make_unique<PrintingLibrary>(std::move(library), addDeal, clearDeals, printCustom);
    bound->setAnalysisWords_ = setAnalysisWords;
    return bound;
}

PrintingLibrary::PrintingLibrary(std::unique_ptr<SharedLibrary> library, void* addDeal,
                                 void* clearDeals, void* printCustom)
    : library_(std::move(library)),
      addDeal_(addDeal),
      clearDeals_(clearDeals),
      printCustom_(printCustom) {}

PrintingLibrary::~PrintingLibrary() = default;

void PrintingLibrary::AddDeal(const std::string& record) const {
    As<AddDealFn>(addDeal_)(record.c_str());
}

void PrintingLibrary::ClearDeals() const {
    As<ClearDealsFn>(clearDeals_)();
}

bool PrintingLibrary::SetAnalysisWords(const AnalysisWords& words) const {
    if (setAnalysisWords_ == nullptr) {
        return false;
    }
    const std::string par(words.par), noTrump(words.noTrump), passedOut(words.passedOut),
        caption(words.caption);
    As<SetAnalysisWordsFn>(setAnalysisWords_)(par.c_str(), noTrump.c_str(), passedOut.c_str(),
                                              caption.c_str());
    return true;
}

std::int32_t PrintingLibrary::PrintCustom(const PrintCustomArguments& a) const {
    const auto& n = a.fontNames;
    const auto& z = a.fontSizes;
    const auto& s = a.fontStyles;
    return As<PrintCustomFn>(printCustom_)(
        a.kind, a.orientation, a.header1.c_str(), a.header2.c_str(), a.unused5.c_str(),
        a.footer.c_str(), a.ace.c_str(), a.king.c_str(), a.queen.c_str(), a.jack.c_str(),
        a.ten.c_str(), a.north.c_str(), a.east.c_str(), a.south.c_str(), a.west.c_str(),
        a.none.c_str(), a.both.c_str(), a.dealerWord.c_str(), a.boardWord.c_str(),
        a.vulWord.c_str(), a.rankLetters.c_str(), n[0].c_str(), n[1].c_str(), n[2].c_str(),
        n[3].c_str(), n[4].c_str(), n[5].c_str(), n[6].c_str(), z[0], z[1], z[2], z[3], z[4], z[5],
        z[6], z[7], s[0], s[1], s[2], s[3], s[4], s[5], s[6], a.cardWidthCm, a.cardHeightCm,
        a.useColor, a.unused47, a.unused48);
}

}  // namespace kesto
