#include "kesto/files/deal_file_io.h"

#include <filesystem>
#include <system_error>

#include "kesto/files/deal_file.h"
#include "kesto/platform/file_io.h"

namespace kesto {

namespace fs = std::filesystem;

FileBytes ReadDealFileBytes(const std::string& fileName) {
    FileBytes result;
    std::error_code error;
    const fs::file_status status = fs::status(fileName, error);
    if (error) {
        result.error = "cannot open " + fileName + ": " + error.message();
        return result;
    }
    if (!fs::is_regular_file(status)) {
        result.error = fileName + " is not a file";
        return result;
    }
    const auto size = fs::file_size(fileName, error);
    if (error) {
        result.error = "cannot read " + fileName + ": " + error.message();
        return result;
    }
    if (size > kMaxDealFileBytes) {
        result.error = fileName + " is too big for a deal file";
        return result;
    }
    std::optional<std::string> bytes = ReadWholeFile(fileName, &result.error);
    if (!bytes) {
        return result;
    }
    // The file may have grown since it was measured.
    if (bytes->size() > kMaxDealFileBytes) {
        result.error = fileName + " is too big for a deal file";
        return result;
    }
    result.ok = true;
    result.bytes = std::move(*bytes);
    return result;
}

ReplaceResult ReplaceDealFile(const std::string& fileName, std::string_view contents) {
    std::string target = fileName;
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(fileName, error))) {
        const fs::path resolved = fs::weakly_canonical(fileName, error);
        if (error) {
            return {false, "cannot follow the link " + fileName + ": " + error.message()};
        }
        target = resolved.string();
    }
    const fs::file_status status = fs::status(target, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return {false, target + " is not a file"};
    }
    const IoResult written = ReplaceFileAtomically(target, contents);
    return {written.ok, written.error};
}

std::string_view LineReader::Next() {
    if (AtEnd()) {
        return {};
    }
    const std::size_t end = text_.find('\n', pos_);
    std::string_view line =
        text_.substr(pos_, end == std::string_view::npos ? text_.npos : end - pos_);
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string SystemReason(std::string_view error) {
    const std::size_t colon = error.rfind(": ");
    return std::string(colon == std::string_view::npos ? error : error.substr(colon + 2));
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
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
