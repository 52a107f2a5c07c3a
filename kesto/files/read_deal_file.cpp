#include "kesto/files/read_deal_file.h"

#include <algorithm>

#include "kesto/files/deal_file_io.h"
#include "kesto/files/deal_file_kinds.h"

namespace kesto {

namespace {

// Text saved as UTF-16 (Windows "Unicode"): a byte order mark, or text characters each with a
// zero byte on the same side in nearly all of the first byte pairs. A binary file of another
// program, which may well open with a small number (a letter and a zero byte), does not pass.
bool LooksLikeUtf16(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return true;
    }
    const auto text = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '\t' || c == '\n' || c == '\r' || (byte >= ' ' && byte != 0x7F);
    };
    constexpr std::size_t kPairsJudged = 32;
    const std::size_t pairs = std::min(bytes.size() / 2, kPairsJudged);
    std::size_t littleEndian = 0;
    std::size_t bigEndian = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        const char first = bytes[2 * i];
        const char second = bytes[2 * i + 1];
        littleEndian += text(first) && second == '\0' ? 1 : 0;
        bigEndian += first == '\0' && text(second) ? 1 : 0;
    }
    // A character outside Latin-1 now and then has no zero byte.
    const auto nearlyAll = [pairs](std::size_t count) { return 8 * count >= 7 * pairs; };
    return pairs >= 4 && (nearlyAll(littleEndian) || nearlyAll(bigEndian));
}

// Why no reader takes the file.
std::string UnknownKindReason(std::string_view bytes) {
    if (LooksLikeUtf16(bytes)) {
        return "The file is saved as UTF-16 text; Kesto reads deal files saved as ANSI "
               "(Windows-1252) or UTF-8.";
    }
    return "Kesto does not know this kind of file: it reads its own KST files, Duplimate DLM "
           "and DUP files, BRI and DGE files, PBN files and LIN files.";
}

}  // namespace

Status ReadAnyDealFile(const std::string& fileName, DealFileContents& contents) {
    contents = {};
    const StatusOr<std::string> file = ReadDealFileBytes(fileName);
    if (!file.status.Ok()) {
        // The file is gone, is a folder or cannot be opened: the system says why.
        return file.status;
    }
    const std::string& bytes = file.value;
    const DealFileKind kind = RecogniseDealFile(bytes);
    const DealFileKindRow* row = FindDealFileKind(kind);
    Status parsed =
        row != nullptr ? row->read(bytes, contents) : Status::Failure(UnknownKindReason(bytes));
    // A file that yields no deal at all would leave the print page with nothing on it.
    if (parsed.Ok() && contents.boardSet.empty()) {
        parsed = Status::Failure("The file holds no deals.");
    }
    if (!parsed.Ok()) {
        contents = {};
        return Status::Failure("Error reading " + fileName + ". " + parsed.Reason());
    }
    contents.kind = kind;
    return {};
}

}  // namespace kesto
