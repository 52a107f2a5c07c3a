#include "kesto/html/html_library.h"

#include "kestweb2/kestweb2.h"

namespace kesto {

namespace {

template <typename Fn>
Fn As(void* entry) {
    return reinterpret_cast<Fn>(entry);
}

}  // namespace

std::unique_ptr<HtmlLibrary> HtmlLibrary::Bind(std::unique_ptr<SharedLibrary> library) {
    if (!library) {
        return nullptr;
    }
    void* addDeal = library->Entry("AddDeal");
    void* clearDeals = library->Entry("ClearDeals");
    void* htmlCustom = library->Entry("HTMLCustom");
    if (addDeal == nullptr || clearDeals == nullptr || htmlCustom == nullptr) {
        return nullptr;
    }
    return std::make_unique<HtmlLibrary>(std::move(library), addDeal, clearDeals, htmlCustom);
}

HtmlLibrary::HtmlLibrary(std::unique_ptr<SharedLibrary> library, void* addDeal, void* clearDeals,
                         void* htmlCustom)
    : library_(std::move(library)),
      addDeal_(addDeal),
      clearDeals_(clearDeals),
      htmlCustom_(htmlCustom) {}

HtmlLibrary::~HtmlLibrary() = default;

void HtmlLibrary::AddDeal(const std::string& record) const {
    As<AddDealFn>(addDeal_)(record.c_str());
}

void HtmlLibrary::ClearDeals() const {
    As<ClearDealsFn>(clearDeals_)();
}

std::int32_t HtmlLibrary::HTMLCustom(const HtmlCustomArguments& a) const {
    return As<HTMLCustomFn>(htmlCustom_)(
        a.fileName.c_str(), a.imageLocation.c_str(), a.title1.c_str(), a.title2.c_str(),
        a.ace.c_str(), a.king.c_str(), a.queen.c_str(), a.jack.c_str(), a.ten.c_str(),
        a.none.c_str(), a.both.c_str(), a.dealer.c_str(), a.board.c_str(), a.vul.c_str(),
        a.north.c_str(), a.east.c_str(), a.south.c_str(), a.west.c_str(), a.boardByPosition,
        a.dealerVulByPosition);
}

}  // namespace kesto
