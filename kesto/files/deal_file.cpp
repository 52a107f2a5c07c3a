#include "kesto/files/deal_file.h"

#include "kesto/files/bri_file.h"
#include "kesto/files/dge_file.h"
#include "kesto/files/lin_file.h"
#include "kesto/files/pbn_reader.h"
#include "kesto/platform/ascii_text.h"

namespace kesto {

namespace {

constexpr std::string_view kGenerated = " Hands randomly generated.";
constexpr std::string_view kEntered = " Hands entered by user.";

}  // namespace

Recognition RecogniseDealFile(std::string_view firstBytes) {
    std::string bytes(firstBytes.substr(0, kRecognitionBytes));
    bytes.resize(kRecognitionBytes, ' ');
    const std::string_view all = bytes;
    // Line feeds end the line too, so files with bare LF line ends are judged the same way.
    const std::string_view firstLine = all.substr(0, all.find_first_of("\r\n"));

    if (all.starts_with("% Kesto ")) {
        if (firstLine.find(kGenerated) != std::string_view::npos) {
            return {DealFileKind::Own, true};
        }
        if (firstLine.find(kEntered) != std::string_view::npos) {
            return {DealFileKind::Own, false};
        }
    }
    if (all.starts_with("Kesto ")) {
        if (firstLine.ends_with(kGenerated)) {
            return {DealFileKind::Legacy, true};
        }
        if (firstLine.ends_with(kEntered)) {
            return {DealFileKind::Legacy, false};
        }
    }
    if (all.starts_with("[Document]")) {
        return {DealFileKind::Dlm, false};
    }
    const std::string_view given = firstBytes.substr(0, kRecognitionBytes);
    if (StartsLikeBRIFile(given)) {
        return {DealFileKind::Bri, true};
    }
    bool digits = true;
    for (std::size_t i = 0; i < 78 && digits; ++i) {
        digits = IsAsciiDigit(all[i]);
    }
    if (digits && (all[78] == ' ' || all[78] == '\0' || all[78] == '\x06')) {
        return {DealFileKind::Dup, true};
    }
    if (StartsLikeDGEFile(given)) {
        return {DealFileKind::Dge, true};
    }
    if (StartsWithPbnVersionLine(given) || HoldsPbnDealTag(given)) {
        return {DealFileKind::Pbn, false};
    }
    if (HoldsLINDeal(given)) {
        return {DealFileKind::Lin, true};
    }
    return {DealFileKind::Unknown, false};
}

Status TooManyBoards(std::string_view kindName, std::size_t boardCount) {
    return Status::Failure(
        "A " + std::string(kindName) + " file holds at most " +
        std::to_string(kDuplimateMaxBoards) + " boards, and there are " +
        std::to_string(boardCount) +
        ". The deals were not saved; an existing file of that name is unchanged.");
}

}  // namespace kesto
