#include "tests/kestweb2/web_library.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace kesto::test {

std::unique_ptr<SharedLibrary> WebLibrary::library_;
AddDealFn WebLibrary::addDeal_ = nullptr;
ClearDealsFn WebLibrary::clearDeals_ = nullptr;
HTMLCustomFn WebLibrary::htmlCustom_ = nullptr;
HTMLDefFn WebLibrary::htmlDef_ = nullptr;

void WebLibrary::SetUpTestSuite() {
    LibraryLoad load = LoadSharedLibrary("KESTWEB2.DLL");
    ASSERT_TRUE(load.status.Ok()) << load.status.Reason();
    library_ = std::move(load.value);
    addDeal_ = reinterpret_cast<AddDealFn>(library_->Entry("AddDeal"));
    clearDeals_ = reinterpret_cast<ClearDealsFn>(library_->Entry("ClearDeals"));
    htmlCustom_ = reinterpret_cast<HTMLCustomFn>(library_->Entry("HTMLCustom"));
    htmlDef_ = reinterpret_cast<HTMLDefFn>(library_->Entry("HTMLDef"));
}

void WebLibrary::TearDownTestSuite() {
    library_.reset();
}

void WebLibrary::SetUp() {
    ASSERT_NE(library_, nullptr);
    ASSERT_NE(addDeal_, nullptr);
    ASSERT_NE(clearDeals_, nullptr);
    ASSERT_NE(htmlCustom_, nullptr);
    ASSERT_NE(htmlDef_, nullptr);
    clearDeals_();
}

void WebLibrary::TearDown() {
    if (clearDeals_ != nullptr) {
        clearDeals_();
    }
}

void WebLibrary::SetDeals(const std::vector<std::string>& records) {
    clearDeals_();
    for (const std::string& record : records) {
        addDeal_(record.c_str());
    }
}

std::string WebLibrary::PagePath(const std::string& name) const {
    return folder_ + name;
}

std::string WebLibrary::ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string WebLibrary::Golden(const std::string& name) {
    return ReadFile(std::string(KESTO_TEST_DATA) + "/html/" + name);
}

std::string Record(int board, std::string_view dealer, std::string_view vulnerable,
                   std::string_view deal) {
    std::string record = "[Board \"" + std::to_string(board) + "\"]|[Dealer \"";
    record += dealer;
    record += "\"]|[Vulnerable \"";
    record += vulnerable;
    record += "\"]|[Deal \"";
    record += deal;
    record += "\"]";
    return record;
}

std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

}  // namespace kesto::test
