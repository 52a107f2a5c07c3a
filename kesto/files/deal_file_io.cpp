#include "kesto/files/deal_file_io.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "kesto/files/deal_file.h"
#include "kesto/platform/file_io.h"

namespace kesto {

namespace fs = std::filesystem;

namespace {

std::string TooBig(const std::string& fileName) {
    return fileName + " is too big for a deal file.";
}

// The system's words as a sentence. A text that begins with the file name keeps it exactly as
// given; only a leading lower-case word of ours ("cannot open") gets its capital.
std::string Sentence(std::string text) {
    if (text.starts_with("cannot ")) {
        text[0] = 'C';
    }
    if (!text.empty() && !text.ends_with('.')) {
        text += '.';
    }
    return text;
}

}  // namespace

StatusOr<std::string> ReadDealFileBytes(const std::string& fileName) {
    const auto fail = [](std::string reason) -> StatusOr<std::string> {
        return {{}, Status::Failure(std::move(reason))};
    };
    std::error_code error;
    const fs::file_status status = fs::status(fileName, error);
    if (error) {
        return fail("Cannot open " + fileName + ": " + error.message() + ".");
    }
    if (!fs::is_regular_file(status)) {
        return fail(fileName + " is not a file.");
    }
    const auto size = fs::file_size(fileName, error);
    if (error) {
        return fail("Cannot read " + fileName + ": " + error.message() + ".");
    }
    if (size > kMaxDealFileBytes) {
        return fail(TooBig(fileName));
    }
    StatusOr<std::string> file = ReadWholeFile(fileName);
    if (!file.status.Ok()) {
        return fail(Sentence(file.status.Reason()));
    }
    // The file may have grown since it was measured.
    if (file.value.size() > kMaxDealFileBytes) {
        return fail(TooBig(fileName));
    }
    return file;
}

std::string SystemReason(std::string_view error) {
    const std::size_t colon = error.rfind(": ");
    return std::string(colon == std::string_view::npos ? error : error.substr(colon + 2));
}

WriteResult SaveFailed(const std::string& fileName, const Status& replaced) {
    return {WriteStatus::Failed,
            "Error writing " + fileName + " (" + SystemReason(replaced.Reason()) +
                "). The deals were not saved; an existing file of that name is unchanged."};
}

// More boards than the readers take would make a file Kesto cannot read back.
WriteResult TooManyBoardsToSave() {
    return {WriteStatus::Failed, "Kesto saves at most " + std::to_string(kMaxBoards) +
                                     " boards in a file. The deals were not saved."};
}

WriteResult SaveBoardSet(const std::string& fileName, const tBoardSet& boardSet,
                         const std::function<std::string(const tBoardSet&)>& bytes) {
    if (boardSet.empty()) {
        return {WriteStatus::EmptyBoardSet, std::string(kNothingToSaveText)};
    }
    if (boardSet.size() > static_cast<std::size_t>(kMaxBoards)) {
        return TooManyBoardsToSave();
    }
    const Status replaced = ReplaceFileAtomically(fileName, bytes(boardSet));
    if (!replaced.Ok()) {
        return SaveFailed(fileName, replaced);
    }
    return {};
}

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return line;
}

}  // namespace kesto
