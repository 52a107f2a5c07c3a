#pragma once
// Runs a piece of a test in a child process with a time limit and, where the build allows,
// a limit on its memory: a regression that hangs (a pipe read forever) or reads a huge file
// whole fails the test instead of hanging or swapping the whole suite.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <functional>
#include <string>

namespace kesto::test {

// AddressSanitizer reserves terabytes of address space up front, so no limit on it can be
// set there; the time limit still holds.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSpaceCanBeLimited = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSpaceCanBeLimited = false;
#else
inline constexpr bool kAddressSpaceCanBeLimited = true;
#endif
#else
inline constexpr bool kAddressSpaceCanBeLimited = true;
#endif

// Runs body in a child killed after `seconds`, with at most `memoryBytes` of address space.
// body returns "" when all it checked held, else what went wrong; that text (or how the
// child died) becomes the failure.
inline ::testing::AssertionResult RunsWithinBounds(const std::function<std::string()>& body,
                                                   unsigned seconds, std::size_t memoryBytes) {
    int channel[2];
    if (::pipe(channel) != 0) {
        return ::testing::AssertionFailure() << "pipe failed";
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return ::testing::AssertionFailure() << "fork failed";
    }
    if (child == 0) {
        ::close(channel[0]);
        ::alarm(seconds);
        if (kAddressSpaceCanBeLimited) {
            const rlimit limit{memoryBytes, memoryBytes};
            ::setrlimit(RLIMIT_AS, &limit);
        }
        std::string failure;
        try {
            failure = body();
        } catch (const std::exception& error) {
            failure = std::string("exception: ") + error.what();
        }
        const ssize_t written = ::write(channel[1], failure.data(), failure.size());
        ::_exit(written == static_cast<ssize_t>(failure.size()) && failure.empty() ? 0 : 1);
    }
    ::close(channel[1]);
    std::string failure;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        failure.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) != child) {
        return ::testing::AssertionFailure() << "waitpid failed";
    }
    if (WIFSIGNALED(status)) {
        return ::testing::AssertionFailure()
               << (WTERMSIG(status) == SIGALRM
                       ? "still running after " + std::to_string(seconds) + " s"
                       : "killed by signal " + std::to_string(WTERMSIG(status)));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return ::testing::AssertionFailure() << (failure.empty() ? "failed" : failure);
    }
    return ::testing::AssertionSuccess();
}

}  // namespace kesto::test
