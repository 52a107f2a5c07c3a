// The exported entries: the deal list and the two page writers. No exception crosses the
// library boundary; the caller sees a status instead.

#include "kestweb2/kestweb2.h"

#include <string>
#include <vector>

#include "kestweb2/page_writer.h"

namespace {

using kesto::kestweb2::PageRequest;
using kesto::kestweb2::PageWords;

// Lives from the loading of the library to its unloading.
std::vector<std::string>& DealList() {
    static std::vector<std::string> deals;
    return deals;
}

std::string Text(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

std::string TextOr(const char* text, const char* fallback) {
    return text == nullptr || *text == '\0' ? std::string(fallback) : std::string(text);
}

bool Flag(int32_t value) {
    return (static_cast<uint32_t>(value) & 0xFFu) != 0;
}

}  // namespace

extern "C" {

KESTO_EXPORT void KESTO_STDCALL AddDeal(const char* record) {
    try {
        DealList().push_back(Text(record));
    } catch (...) {
        // Out of memory. The entry has no way to report; the record is not added and the list
        // stays whole.
    }
}

KESTO_EXPORT void KESTO_STDCALL ClearDeals(void) {
    DealList().clear();
}

KESTO_EXPORT int32_t KESTO_STDCALL
HTMLCustom(const char* fileName, const char* imageLocation, const char* title1, const char* title2,
           const char* ace, const char* king, const char* queen, const char* jack, const char* ten,
           const char* none, const char* both, const char* dealer, const char* board,
           const char* vul, const char* north, const char* east, const char* south,
           const char* west, int32_t boardByPosition, int32_t dealerVulByPosition) {
    try {
        if (DealList().empty()) {
            return kKestWeb2Ok;
        }
        PageRequest request;
        request.fileName = fileName;
        request.imageLocation = Text(imageLocation);
        request.title1 = Text(title1);
        request.title2 = Text(title2);
        request.title2Given = title2 != nullptr;
        PageWords& words = request.words;
        words.ace = Text(ace);
        words.king = Text(king);
        words.queen = Text(queen);
        words.jack = Text(jack);
        words.ten = Text(ten);
        words.noneVulnerable = TextOr(none, "None");
        words.bothVulnerable = TextOr(both, "Both");
        words.dealerLabel = TextOr(dealer, "Dlr");
        words.boardLabel = TextOr(board, "Board");
        words.vulnerabilityLabel = TextOr(vul, "Vul");
        words.seatLetters = {Text(north), Text(east), Text(south), Text(west)};
        request.boardByPosition = Flag(boardByPosition);
        request.dealerVulByPosition = Flag(dealerVulByPosition);
        return kesto::kestweb2::WritePage(DealList(), request);
    } catch (...) {
        // Only running out of memory can throw here (std::bad_alloc, std::length_error).
        return kKestWeb2OutOfMemory;
    }
}

KESTO_EXPORT int32_t KESTO_STDCALL HTMLDef(const char* fileName, const char* imageLocation,
                                           const char* title1, const char* title2,
                                           int32_t tenCharacter, int32_t boardByPosition,
                                           int32_t dealerVulByPosition) {
    const char character = static_cast<char>(tenCharacter & 0xFF);
    const char single[2] = {character, '\0'};
    const char* tenText = character == '1' ? "10" : single;
    return HTMLCustom(fileName, imageLocation, title1, title2, "A", "K", "Q", "J", tenText, "None",
                      "Both", "Dlr", "Board", "Vul", "N", "E", "S", "W", boardByPosition,
                      dealerVulByPosition);
}

}  // extern "C"
