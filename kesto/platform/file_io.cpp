#include "kesto/platform/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>
#include <utility>

namespace kesto {

namespace {

namespace fs = std::filesystem;

// Writes all bytes, retrying short writes.
bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The name of the target as it goes into its temporary files' names, cut so that the whole
// name stays within the system's limit of 255 bytes.
std::string TemporaryPrefix(const std::string& target) {
    constexpr std::size_t kMaxNamePart = 200;
    const std::string name = target.substr(DirectoryOf(target).size());
    return ".kesto-" + name.substr(0, kMaxNamePart) + "-";
}

constexpr std::size_t kUniquePart = 6;  // mkstemp's "XXXXXX"

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the open file fd still goes by the name path.
bool StillNamed(int fd, const std::string& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(open, named);
}

// Removes the temporary files of target that no running save holds: what a killed save left.
// A save locks its file from the moment it exists, so a file that can be locked here is
// nobody's; it is removed only if the name still leads to the file that was locked.
void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = DirectoryOf(target);
    const std::string prefix = TemporaryPrefix(target);
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + kUniquePart || !name.starts_with(prefix)) {
            continue;
        }
        const std::string path = folder + std::string(name);
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat info {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &info) == 0 &&
            S_ISREG(info.st_mode) && StillNamed(fd, path)) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
    ::closedir(dir);
}

// A new, empty, locked temporary file for target. A cleaner of another save may remove the
// file between its making and its locking; then another one is made.
StatusOr<std::pair<std::string, int>> MakeTemporary(const std::string& target) {
    constexpr int kAttempts = 8;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string name = DirectoryOf(target) + TemporaryPrefix(target) + "XXXXXX";
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) {
            return {
                {},
                Status::SystemFailure("cannot create a file in the folder of " + target, errno)};
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, name)) {
            return {{std::move(name), fd}, {}};
        }
        ::close(fd);
    }
    return {{}, Status::SystemFailure("cannot create a file in the folder of " + target, EEXIST)};
}

// The permissions the new file gets: those of the file it replaces, or the usual ones.
mode_t ModeFor(const std::string& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes a rename in folder durable.
void SyncFolder(const std::string& folder) {
    const int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

}  // namespace

StatusOr<PendingFile> PendingFile::Begin(const std::string& linkOrPath) {
    const StatusOr<std::string> file = FileBehindLinks(linkOrPath);
    if (!file.status.Ok()) {
        return {{}, file.status};
    }
    const std::string& target = file.value;
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return {{}, Status::Failure(target + " is not a file")};
    }
    RemoveStaleTemporaries(target);
    StatusOr<std::pair<std::string, int>> temp = MakeTemporary(target);
    if (!temp.status.Ok()) {
        return {{}, temp.status};
    }
    return {PendingFile(target, std::move(temp.value.first), temp.value.second), {}};
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : target_(std::move(other.target_)),
      temp_(std::move(other.temp_)),
      fd_(std::exchange(other.fd_, -1)) {}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
    if (this != &other) {
        Discard();
        target_ = std::move(other.target_);
        temp_ = std::move(other.temp_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

PendingFile::~PendingFile() {
    Discard();
}

void PendingFile::Discard() {
    if (fd_ < 0) {
        return;
    }
    // A writer may have put another file in its place; that one goes too.
    ::unlink(temp_.c_str());
    ::close(fd_);
    fd_ = -1;
}

Status PendingFile::Write(std::string_view contents) {
    if (fd_ < 0) {
        return Status::Failure("cannot write " + target_ + ": nothing is pending");
    }
    if (::ftruncate(fd_, 0) != 0 || ::lseek(fd_, 0, SEEK_SET) != 0 || !WriteAll(fd_, contents)) {
        return Status::SystemFailure("cannot write " + target_, errno);
    }
    return {};
}

Status PendingFile::Commit() {
    if (fd_ < 0) {
        return Status::Failure("cannot write " + target_ + ": nothing is pending");
    }
    int error = 0;
    if (::fchmod(fd_, ModeFor(target_)) != 0 || ::fsync(fd_) != 0 ||
        ::rename(temp_.c_str(), target_.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        Discard();
        return Status::SystemFailure("cannot write " + target_, error);
    }
    ::close(fd_);
    fd_ = -1;
    SyncFolder(DirectoryOf(target_));
    return {};
}

Status ReplaceFileAtomically(const std::string& linkOrPath, std::string_view contents) {
    StatusOr<PendingFile> file = PendingFile::Begin(linkOrPath);
    if (!file.status.Ok()) {
        return file.status;
    }
    if (const Status written = file.value.Write(contents); !written.Ok()) {
        return written;
    }
    return file.value.Commit();
}

namespace {

Status TooBig(const std::string& path, std::size_t maxBytes) {
    return Status::Broken(path + " is bigger than " + std::to_string(maxBytes) + " bytes");
}

// Reads the open file to its end and closes it; fails once it holds more than maxBytes.
StatusOr<std::string> ReadOpenFile(int fd, const std::string& path, std::size_t maxBytes,
                                   std::size_t expectedBytes) {
    std::string data;
    data.reserve(expectedBytes);
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return {{}, Status::ReadFailure("cannot read " + path, error)};
        }
        if (got == 0) {
            break;
        }
        // A file may grow while it is read.
        if (static_cast<std::size_t>(got) > maxBytes - data.size()) {
            ::close(fd);
            return {{}, TooBig(path, maxBytes)};
        }
        data.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return {std::move(data), {}};
}

}  // namespace

StatusOr<std::string> ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {{}, Status::ReadFailure("cannot open " + path, errno)};
    }
    return ReadOpenFile(fd, path, std::numeric_limits<std::size_t>::max(), 0);
}

StatusOr<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    const Status notAFile = Status::Unreadable(path + " is not a file");
    // A device or a socket is not even opened; the open file is checked again below, as the
    // name may lead elsewhere by then.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return {{}, notAFile};
    }
    // Without O_NONBLOCK, opening a named pipe waits until something writes into it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {{}, Status::ReadFailure("cannot open " + path, errno)};
    }
    Status refused;
    if (::fstat(fd, &info) != 0) {
        refused = Status::ReadFailure("cannot read " + path, errno);
    } else if (!S_ISREG(info.st_mode)) {
        refused = notAFile;
    } else if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        refused = TooBig(path, maxBytes);
    }
    if (!refused.Ok()) {
        ::close(fd);
        return {{}, refused};
    }
    return ReadOpenFile(fd, path, maxBytes, static_cast<std::size_t>(info.st_size));
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

StatusOr<std::string> FileBehindLinks(const std::string& path) {
    // As many links as the system itself follows before it gives up.
    constexpr int kMaxLinks = 40;
    fs::path file = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(file, error))) {
            return {links == 0 ? path : file.lexically_normal().string(), {}};
        }
        const fs::path target = fs::read_symlink(file, error);
        if (error) {
            return {{}, Status::SystemFailure("cannot follow the link " + path, error.value())};
        }
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return {{}, Status::SystemFailure("cannot follow the link " + path, ELOOP)};
}

}  // namespace kesto
