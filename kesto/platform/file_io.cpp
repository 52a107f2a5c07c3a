#include "kesto/platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

namespace kesto {

namespace {

namespace fs = std::filesystem;

Status SystemError(const std::string& what, int error) {
    return Status::Failure(what + ": " + std::strerror(error));
}

// The file a replacement must write: path itself, or the file a symbolic link (or a chain of
// them) leads to, whether or not that file exists yet.
StatusOr<std::string> FileToReplace(const std::string& path) {
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
            return {{}, Status::Failure("cannot follow the link " + path + ": " + error.message())};
        }
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return {{}, SystemError("cannot follow the link " + path, ELOOP)};
}

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

// Writes contents to a new file beside path, flushed, and renames it over path.
Status WriteAndRename(const std::string& path, std::string_view contents) {
    std::string pattern = DirectoryOf(path) + ".kesto-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return SystemError("cannot create a file in the folder of " + path, errno);
    }
    const std::string& temp = pattern;
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat existing {};
    mode_t mode = 0666;
    if (::stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(fd, mode);

    int error = 0;
    if (!WriteAll(fd, contents) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temp.c_str());
        return SystemError("cannot write " + path, error);
    }
    // Make the rename itself durable.
    const std::string folder = DirectoryOf(path).empty() ? "." : DirectoryOf(path);
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

}  // namespace

Status ReplaceFileAtomically(const std::string& linkOrPath, std::string_view contents) {
    const StatusOr<std::string> file = FileToReplace(linkOrPath);
    if (!file.status.Ok()) {
        return file.status;
    }
    const std::string& path = file.value;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return Status::Failure(path + " is not a file");
    }
    return WriteAndRename(path, contents);
}

StatusOr<std::string> ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {{}, SystemError("cannot open " + path, errno)};
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return {{}, SystemError("cannot read " + path, error)};
        }
        if (got == 0) {
            break;
        }
        data.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return {std::move(data), {}};
}

StatusOr<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    const auto fail = [](std::string reason) -> StatusOr<std::string> {
        return {{}, Status::Failure(std::move(reason))};
    };
    // Without O_NONBLOCK, opening a named pipe waits until something writes into it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {{}, SystemError("cannot open " + path, errno)};
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return {{}, SystemError("cannot read " + path, error)};
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(path + " is not a file");
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        ::close(fd);
        return fail(path + " is bigger than " + std::to_string(maxBytes) + " bytes");
    }
    std::string data;
    data.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return {{}, SystemError("cannot read " + path, error)};
        }
        if (got == 0) {
            break;
        }
        // The file may grow while it is read.
        if (static_cast<std::size_t>(got) > maxBytes - data.size()) {
            ::close(fd);
            return fail(path + " is bigger than " + std::to_string(maxBytes) + " bytes");
        }
        data.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return {std::move(data), {}};
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace kesto
