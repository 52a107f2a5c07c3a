#pragma once
// Runs another program from a test, by its argument list (no shell), with a time limit:
// standard input is empty, standard output and standard error are collected apart, and a
// program still running at the limit is killed, so a hung tool fails the test instead of
// hanging the suite.

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

// The full path of an executable `name` in PATH or, after it, in `moreFolders` (cupsd and
// lpadmin live in /usr/sbin, which a normal user's PATH may lack); "" when there is none.
std::string FindProgram(const std::string& name, const std::vector<std::string>& moreFolders = {});

}  // namespace kesto::test
