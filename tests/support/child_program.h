#pragma once
// Runs another program from a test, by its argument list (no shell), with a time limit:
// standard input is empty, standard output and standard error are collected apart, and a
// program still running at the limit is killed, so a hung tool fails the test instead of
// hanging the suite. A server the test talks to is started in the background instead.

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace kesto::test {

struct ChildRun {
    bool started = false;   // false: the program could not be run (not found, not executable)
    bool timedOut = false;  // killed at the limit
    int exitStatus = -1;    // its exit status when it ran and exited by itself, else -1
    std::string output;     // what it wrote to standard output
    std::string errors;     // what it wrote to standard error

    bool Succeeded() const { return started && !timedOut && exitStatus == 0; }
};

// Runs arguments[0] (searched in PATH when it holds no '/') with `arguments`, in this
// process's environment. `arguments` must not be empty.
ChildRun RunChildProgram(const std::vector<std::string>& arguments,
                         std::chrono::milliseconds limit);

// Starts arguments[0] (searched as RunChildProgram searches it) in the background, with empty
// standard input and both output streams written to outputFile. It gets SIGTERM when this
// process ends, even by a kill. The process id, or -1 when no process could be made; a program
// that cannot be run ends at once with status 127.
pid_t StartChildProgram(const std::vector<std::string>& arguments, const std::string& outputFile);

// The full path of an executable `name` in PATH or, after it, in `moreFolders` (cupsd and
// lpadmin live in /usr/sbin, which a normal user's PATH may lack); "" when there is none.
std::string FindProgram(const std::string& name, const std::vector<std::string>& moreFolders = {});

}  // namespace kesto::test
