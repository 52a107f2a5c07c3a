#include "tests/support/child_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <sstream>
#include <stdexcept>

namespace kesto::test {

namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1;
    int write = -1;
    bool Open() {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) {
            return false;
        }
        read = ends[0];
        write = ends[1];
        return true;
    }
    void CloseRead() { CloseEnd(read); }
    void CloseWrite() { CloseEnd(write); }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }

  private:
    static void CloseEnd(int& end) {
        if (end >= 0) {
            ::close(end);
        }
        end = -1;
    }
};

// In the child, between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecChild(const std::vector<char*>& argv, const Pipe& out, const Pipe& err,
                            const Pipe& execFailure) {
    const int empty = ::open("/dev/null", O_RDONLY);
    if (empty < 0 || ::dup2(empty, STDIN_FILENO) < 0 || ::dup2(out.write, STDOUT_FILENO) < 0 ||
        ::dup2(err.write, STDERR_FILENO) < 0) {
        ::_exit(127);
    }
    ::execv(argv[0], argv.data());
    const int failure = errno;
    [[maybe_unused]] const ssize_t written = ::write(execFailure.write, &failure, sizeof failure);
    ::_exit(127);
}

// Reads both pipes until both are closed or the deadline passes; true when both closed.
bool Collect(Pipe& out, Pipe& err, std::string& output, std::string& errors,
             Clock::time_point deadline) {
    std::array<char, 8192> buffer;
    while (out.read >= 0 || err.read >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        std::array<pollfd, 2> watched{pollfd{out.read, POLLIN, 0}, pollfd{err.read, POLLIN, 0}};
        const int ready = ::poll(watched.data(), watched.size(), static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) {
            return false;
        }
        for (std::size_t i = 0; i < watched.size(); ++i) {
            if (watched[i].fd < 0 || watched[i].revents == 0) {
                continue;
            }
            Pipe& pipe = i == 0 ? out : err;
            std::string& text = i == 0 ? output : errors;
            const ssize_t got = ::read(pipe.read, buffer.data(), buffer.size());
            if (got > 0) {
                text.append(buffer.data(), static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                pipe.CloseRead();
            }
        }
    }
    return true;
}

// Waits for the child until the deadline; kills it then. Returns its wait status.
int Reap(pid_t child, Clock::time_point deadline, bool& timedOut) {
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) {
            return status;
        }
        if (done < 0 && errno != EINTR) {
            return -1;
        }
        if (Clock::now() >= deadline) {
            timedOut = true;
            ::kill(child, SIGKILL);
            while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
            return status;
        }
        // The pipes are closed already, so the child is at its very end: a short pause.
        ::usleep(2000);
    }
}

// The arguments with the program found in PATH: looked up before fork, since between fork
// and exec the child does only async-signal-safe calls. Empty when there is no such program.
std::vector<std::string> WithProgramFound(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        throw std::invalid_argument("a child program needs a program");
    }
    std::vector<std::string> found = arguments;
    if (found[0].find('/') == std::string::npos) {
        found[0] = FindProgram(found[0]);
    }
    return found[0].empty() ? std::vector<std::string>{} : found;
}

std::vector<char*> Argv(std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

ChildRun RunChildProgram(const std::vector<std::string>& arguments,
                         std::chrono::milliseconds limit) {
    ChildRun run;
    std::vector<std::string> copies = WithProgramFound(arguments);
    if (copies.empty()) {
        return run;
    }
    const std::vector<char*> argv = Argv(copies);

    Pipe out, err, execFailure;
    if (!out.Open() || !err.Open() || !execFailure.Open()) {
        return run;
    }
    const Clock::time_point deadline = Clock::now() + limit;
    const pid_t child = ::fork();
    if (child < 0) {
        return run;
    }
    if (child == 0) {
        ExecChild(argv, out, err, execFailure);
    }
    out.CloseWrite();
    err.CloseWrite();
    execFailure.CloseWrite();

    // The failure pipe closes on a successful exec (O_CLOEXEC), or carries exec's errno.
    int failure = 0;
    ssize_t got;
    while ((got = ::read(execFailure.read, &failure, sizeof failure)) < 0 && errno == EINTR) {
    }
    run.started = got == 0;

    if (!Collect(out, err, run.output, run.errors, deadline)) {
        run.timedOut = true;
    }
    const int status = Reap(child, run.timedOut ? Clock::now() : deadline, run.timedOut);
    if (run.started && !run.timedOut && status >= 0 && WIFEXITED(status)) {
        run.exitStatus = WEXITSTATUS(status);
    }
    return run;
}

pid_t StartChildProgram(const std::vector<std::string>& arguments, const std::string& outputFile) {
    std::vector<std::string> copies = WithProgramFound(arguments);
    if (copies.empty()) {
        copies = {arguments[0]};  // exec fails: the child ends with status 127
    }
    const std::vector<char*> argv = Argv(copies);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child != 0) {
        return child;
    }
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) {
        ::_exit(127);
    }
    const int input = ::open("/dev/null", O_RDONLY);
    const int output = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (input < 0 || output < 0 || ::dup2(input, STDIN_FILENO) < 0 ||
        ::dup2(output, STDOUT_FILENO) < 0 || ::dup2(output, STDERR_FILENO) < 0) {
        ::_exit(127);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
}

std::string FindProgram(const std::string& name, const std::vector<std::string>& moreFolders) {
    std::vector<std::string> folders;
    if (const char* path = std::getenv("PATH")) {
        std::istringstream list(path);
        for (std::string folder; std::getline(list, folder, ':');) {
            folders.push_back(folder.empty() ? "." : folder);
        }
    }
    folders.insert(folders.end(), moreFolders.begin(), moreFolders.end());
    for (const std::string& folder : folders) {
        const std::string candidate = folder + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

}  // namespace kesto::test
