#include "kesto/files/deal_file_io.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "kesto/files/deal_file.h"
#include "kesto/platform/file_io.h"

namespace kesto {

namespace fs = std::filesystem;

StatusOr<std::string> ReadDealFileBytes(const std::string& fileName) {
    const auto fail = [](std::string reason) -> StatusOr<std::string> {
        return {{}, Status::Failure(std::move(reason))};
    };
    std::error_code error;
    const fs::file_status status = fs::status(fileName, error);
    if (error) {
        return fail("cannot open " + fileName + ": " + error.message());
    }
    if (!fs::is_regular_file(status)) {
        return fail(fileName + " is not a file");
    }
    const auto size = fs::file_size(fileName, error);
    if (error) {
        return fail("cannot read " + fileName + ": " + error.message());
    }
    if (size > kMaxDealFileBytes) {
        return fail(fileName + " is too big for a deal file");
    }
    StatusOr<std::string> file = ReadWholeFile(fileName);
    // The file may have grown since it was measured.
    if (file.status.Ok() && file.value.size() > kMaxDealFileBytes) {
        return fail(fileName + " is too big for a deal file");
    }
    return file;
}

std::string SystemReason(std::string_view error) {
    const std::size_t colon = error.rfind(": ");
    return std::string(colon == std::string_view::npos ? error : error.substr(colon + 2));
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
