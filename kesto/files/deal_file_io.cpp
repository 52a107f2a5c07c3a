#include "kesto/files/deal_file_io.h"

#include <cstring>

#include "kesto/files/deal_file.h"
#include "kesto/platform/file_io.h"

namespace kesto {

StatusOr<std::string> ReadDealFileBytes(const std::string& fileName) {
    StatusOr<std::string> file = ReadRegularFile(fileName, kMaxDealFileBytes);
    if (!file.status.Ok()) {
        // The reader's words as a sentence; a reason that begins with the file name keeps it
        // exactly as given.
        std::string reason = file.status.Reason();
        if (reason.starts_with("cannot ")) {
            reason[0] = 'C';
        }
        file.status = file.status.WithReason(
            file.status.IsBroken() ? fileName + " is too big for a deal file." : reason + ".");
    }
    return file;
}

Status SaveBoardSet(const std::string& fileName, const tBoardSet& boardSet,
                    const std::function<std::string(const tBoardSet&)>& bytes) {
    if (boardSet.empty()) {
        return NothingToSave();
    }
    // More boards than the readers take would make a file Kesto cannot read back.
    if (boardSet.size() > static_cast<std::size_t>(kMaxBoards)) {
        return Status::Failure("Kesto saves at most " + std::to_string(kMaxBoards) +
                               " boards in a file. The deals were not saved.");
    }
    const Status replaced = ReplaceFileAtomically(fileName, bytes(boardSet));
    if (replaced.Ok()) {
        return {};
    }
    const int error = replaced.SystemError();
    return Status::Failure(
        "Error writing " + fileName + " (" +
        (error != 0 ? std::string(std::strerror(error)) : replaced.Reason()) +
        "). The deals were not saved; an existing file of that name is unchanged.");
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
