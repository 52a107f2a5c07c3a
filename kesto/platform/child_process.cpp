#include "kesto/platform/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace kesto {

namespace {

// How much of the end of its standard error is kept, and how much of its last line is told.
constexpr std::size_t kErrorTailBytes = 4096;
constexpr std::size_t kLastWordsBytes = 200;

// The same file on a descriptor above standard error, so that placing the helper's three
// standard files never overwrites one of them (a program started with one of its own closed
// gets that number for a new file).
int AboveStandardFiles(int fd) {
    if (fd < 0 || fd > STDERR_FILENO) {
        return fd;
    }
    const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    ::close(fd);
    return moved;
}

void CloseFile(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// The last line of text with something in it, printable ASCII only, shortened.
std::string LastWords(const std::string& text) {
    std::size_t end = text.find_last_not_of(" \t\r\n");
    if (end == std::string::npos) {
        return "";
    }
    const std::size_t start = text.find_last_of('\n', end) + 1;  // npos + 1 is 0
    std::string line = text.substr(start, std::min(end + 1 - start, kLastWordsBytes));
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c < ' ' || c > '~'; }, '?');
    return line;
}

std::string EndingText(int status) {
    if (status == -1) {
        return "it stopped";  // never started
    }
    if (WIFEXITED(status)) {
        return "it exited with status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        const char* name = ::sigdescr_np(signal);
        return "it was ended by signal " + std::to_string(signal) +
               (name != nullptr ? ", " + std::string(name) : "");
    }
    return "it stopped";
}

}  // namespace

ChildProcess::~ChildProcess() {
    {
        const std::lock_guard lock(mutex_);
        Reap(true);
    }
    CloseFiles();
}

Status ChildProcess::Start(const std::string& program, const std::vector<std::string>& arguments) {
    {
        const std::lock_guard lock(mutex_);
        Reap(true);
        pid_ = 0;
    }
    CloseFiles();
    pending_.clear();
    errorTail_.clear();

    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        return Status::Failure(std::strerror(errno), errno);
    }
    int errors[2];
    if (::pipe2(errors, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(pair[0]);
        ::close(pair[1]);
        return Status::Failure(std::strerror(error), error);
    }
    int theirs = AboveStandardFiles(pair[1]);
    int theirErrors = AboveStandardFiles(errors[1]);
    socket_ = pair[0];
    errors_ = errors[0];
    // Its standard error is read only as far as there is something to read: a program it
    // started in turn may still hold it open after it has gone.
    ::fcntl(errors_, F_SETFL, O_NONBLOCK);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, theirs, STDIN_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, theirs, STDOUT_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, theirErrors, STDERR_FILENO);
    ::posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    pid_t pid = 0;
    const int error = theirs < 0 || theirErrors < 0 ? EMFILE
                                                    : ::posix_spawn(&pid, program.c_str(), &actions,
                                                                    nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    CloseFile(theirs);
    CloseFile(theirErrors);
    if (error != 0) {
        CloseFiles();
        return Status::Failure(std::strerror(error), error);
    }
    const std::lock_guard lock(mutex_);
    pid_ = pid;
    reaped_ = false;
    status_ = -1;
    return Status();
}

bool ChildProcess::Running() {
    const std::lock_guard lock(mutex_);
    if (pid_ == 0 || reaped_) {
        return false;
    }
    // One that ended unseen is reaped here, so that its end can be told.
    reaped_ = ::waitpid(pid_, &status_, WNOHANG) == pid_;
    return !reaped_;
}

bool ChildProcess::WriteLine(std::string_view line) {
    std::string bytes(line);
    bytes += '\n';
    for (std::size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

ChildProcess::Read ChildProcess::ReadLine(std::string& line, Deadline deadline,
                                          std::size_t longest) {
    for (;;) {
        if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
            line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return end > longest ? Read::TooLong : Read::Line;
        }
        if (pending_.size() > longest) {
            return Read::TooLong;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return Read::TimedOut;
        }
        pollfd files[2] = {{socket_, POLLIN, 0}, {errors_, POLLIN, 0}};
        const int timeout = static_cast<int>(std::min<long long>(left.count(), 60'000));
        if (::poll(files, errors_ >= 0 ? 2 : 1, timeout) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Read::Ended;
        }
        char buffer[4096];
        if (errors_ >= 0 && files[1].revents != 0) {
            const ssize_t n = ::read(errors_, buffer, sizeof buffer);
            if (n > 0) {
                KeepErrors({buffer, static_cast<std::size_t>(n)});
            } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
                CloseFile(errors_);  // it has closed its standard error: no more to read
            }
        }
        if (files[0].revents != 0) {
            const ssize_t n = ::recv(socket_, buffer, sizeof buffer, 0);
            if (n > 0) {
                pending_.append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                return Read::Ended;
            }
        }
    }
}

void ChildProcess::Kill() {
    const std::lock_guard lock(mutex_);
    Reap(true);
}

std::string ChildProcess::HowItEnded() {
    int status = -1;
    {
        const std::lock_guard lock(mutex_);
        Reap(true);
        status = status_;
        pid_ = 0;
    }
    // It has gone: what it wrote last is all there.
    char buffer[4096];
    for (ssize_t n; errors_ >= 0 && (n = ::read(errors_, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno != EINTR) {
            break;
        }
        if (n > 0) {
            KeepErrors({buffer, static_cast<std::size_t>(n)});
        }
    }
    CloseFiles();
    const std::string words = LastWords(errorTail_);
    return EndingText(status) + (words.empty() ? "" : ", saying \"" + words + "\"");
}

void ChildProcess::Reap(bool kill) {
    if (pid_ == 0 || reaped_) {
        return;
    }
    if (kill) {
        ::kill(pid_, SIGKILL);
    }
    while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
}

void ChildProcess::CloseFiles() {
    CloseFile(socket_);
    CloseFile(errors_);
}

void ChildProcess::KeepErrors(std::string_view bytes) {
    errorTail_ += bytes;
    if (errorTail_.size() > kErrorTailBytes) {
        errorTail_.erase(0, errorTail_.size() - kErrorTailBytes);
    }
}

}  // namespace kesto
