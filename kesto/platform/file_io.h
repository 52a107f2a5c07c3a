#pragma once
// Whole-file reads and safe replacement of files. A replacement writes a temporary file in
// the target's folder, flushes it to disk and renames it over the target, so the old file
// stays intact until the new one is complete. Every writer of the program replaces its files
// this way.

#include <cstddef>
#include <string>
#include <string_view>

#include "kesto/platform/status.h"

namespace kesto {

// Puts contents in place of the file at path. A symbolic link is followed: the link stays a
// link and its target gets the contents. An existing target that is not a regular file (a
// folder, a device) is refused. On failure the old file is untouched and the reason names
// the file.
Status ReplaceFileAtomically(const std::string& path, std::string_view contents);

// The file's bytes; on failure the reason names the file and says why.
StatusOr<std::string> ReadWholeFile(const std::string& path);

// The bytes of the regular file at path (a symbolic link is followed) when it holds at most
// maxBytes. Anything else is refused without reading a byte: a folder, a device, or a named
// pipe, whose opening never waits for a writer. On failure the reason names the file.
StatusOr<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);

// The folder part of a path with its final "/", or "" when it has none.
std::string DirectoryOf(const std::string& path);

}  // namespace kesto
