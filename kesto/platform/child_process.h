#pragma once
// A helper program that Kesto runs beside itself and talks to a line at a time: whatever the
// helper does (exits, crashes, hangs, runs out of memory) ends only the helper, and Kesto can
// say how it ended. Its standard input and output are one socket to this object (so writing to
// a helper that has gone fails instead of raising SIGPIPE); its standard error is read here,
// and its last line kept to say why it stopped.
//
// One thread talks to the helper (Start, WriteLine, ReadLine, HowItEnded); Kill may come from
// any other thread meanwhile.

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/platform/status.h"

namespace kesto {

class ChildProcess {
  public:
    using Deadline = std::chrono::steady_clock::time_point;

    ChildProcess() = default;
    // Kills and reaps a helper still running.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts program (a full path) with arguments, in this process's environment; no other file
    // this process holds open reaches it. A helper that ran before is ended first. Fails with
    // the system's words.
    Status Start(const std::string& program, const std::vector<std::string>& arguments);

    // Started, and not yet seen to have ended (it may have ended unseen since).
    bool Running();

    // Sends line and a line feed. False when the helper no longer reads.
    bool WriteLine(std::string_view line);

    enum class Read {
        Line,      // line holds the next line of its output, without the line feed
        Ended,     // its output ended: it has stopped, or was killed
        TimedOut,  // nothing by the deadline (it still runs)
        TooLong,   // a line longer than the longest one waited for
    };
    // The next line of its standard output, waiting up to deadline.
    Read ReadLine(std::string& line, Deadline deadline, std::size_t longest);

    // Ends the helper at once (SIGKILL) and reaps it; nothing when none runs.
    void Kill();

    // Ends the helper if it still runs, reaps it, and says in words how it ended: "it exited
    // with status 1", "it was ended by signal 11, Segmentation fault", with ", saying "..."" and
    // the last line it wrote to standard error, if any.
    std::string HowItEnded();

  private:
    void Reap(bool kill);  // call with mutex_ held
    void CloseFiles();
    void KeepErrors(std::string_view bytes);

    mutable std::mutex mutex_;  // guards pid_ and status_: Kill comes from other threads
    pid_t pid_ = 0;
    int status_ = -1;  // wait status once reaped
    bool reaped_ = false;
    int socket_ = -1;        // its standard input and output
    int errors_ = -1;        // its standard error
    std::string pending_;    // output read past the last line given
    std::string errorTail_;  // the end of what it wrote to standard error
};

}  // namespace kesto
