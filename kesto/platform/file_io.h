#pragma once
// Whole-file reads and safe replacement of files. A replacement writes a temporary file in
// the target's folder, flushes it to disk and renames it over the target, so the old file
// stays intact until the new one is complete. Every writer of the program replaces its files
// this way.
//
// A temporary file is named after its target (".kesto-<name>-XXXXXX") and stays locked while
// its save runs. A save that was killed leaves its temporary file unlocked; the next save of
// the same target removes it, and never touches one that another save still holds.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "kesto/platform/status.h"

namespace kesto {

// Puts contents in place of the file at path. A symbolic link is followed: the link stays a
// link and its target gets the contents. An existing target that is not a regular file (a
// folder, a device) is refused. On failure the old file is untouched and the reason names
// the file.
Status ReplaceFileAtomically(const std::string& path, std::string_view contents);

// The new contents of a file, made beside it, for a writer that writes by file name (a
// library): Begin makes it empty, Commit puts it in place of the target as
// ReplaceFileAtomically does, and one that is never committed is removed when it goes.
class PendingFile {
  public:
    // The target is followed through symbolic links, must be a regular file or not exist yet,
    // and its folder must take a new file; otherwise the reason names the target.
    static StatusOr<PendingFile> Begin(const std::string& target);

    PendingFile() = default;
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&& other) noexcept;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    // Where the writer writes until Commit.
    const std::string& Path() const { return temp_; }
    // Replaces what the file holds with contents.
    Status Write(std::string_view contents);
    // Flushes the file to disk and renames it over the target, with the target's permissions
    // (a new target gets the usual ones). On failure the target is untouched and the file is
    // gone. Either way the object is empty afterwards.
    Status Commit();

  private:
    PendingFile(std::string target, std::string temp, int fd)
        : target_(std::move(target)), temp_(std::move(temp)), fd_(fd) {}
    void Discard();

    std::string target_;
    std::string temp_;
    int fd_ = -1;  // open and locked while the file is pending
};

// The file's bytes; on failure (NotFound, Unreadable) the reason names the file and says why.
StatusOr<std::string> ReadWholeFile(const std::string& path);

// The bytes of the regular file at path (a symbolic link is followed) when it holds at most
// maxBytes. Anything else is refused without reading a byte: a folder, a device, or a named
// pipe, whose opening never waits for a writer. On failure the reason names the file: NotFound
// when there is none, Broken when it is bigger than maxBytes, else Unreadable.
StatusOr<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);

// The file path names: path itself, or the file a symbolic link (or a chain of them) leads to,
// whether or not that file exists yet. Fails for a loop of links.
StatusOr<std::string> FileBehindLinks(const std::string& path);

// The folder part of a path with its final "/", or "" when it has none.
std::string DirectoryOf(const std::string& path);

}  // namespace kesto
