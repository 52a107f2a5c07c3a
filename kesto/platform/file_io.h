#pragma once
// Whole-file reads and safe replacement of files. A replacement writes a temporary file in
// the target's folder, flushes it to disk and renames it over the target, so the old file
// stays intact until the new one is complete.

#include <optional>
#include <string>
#include <string_view>

namespace kesto {

struct IoResult {
    bool ok = true;
    std::string error;  // the system's reason, when not ok
};

IoResult ReplaceFileAtomically(const std::string& path, std::string_view contents);

// Nullopt when the file cannot be opened or read; error says why.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error = nullptr);

// The folder part of a path with its final "/", or "" when it has none.
std::string DirectoryOf(const std::string& path);

}  // namespace kesto
