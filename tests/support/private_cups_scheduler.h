#pragma once
// A CUPS scheduler of one test's own, so that printing to a real print queue can be tested
// on any machine with Debian's cups package, as root or as a normal user, without touching
// the system's printing: cupsd runs in the foreground with its configuration, spool, cache,
// state and logs in a scratch folder, and listens only on a local socket in that folder (no
// network port, so nothing can be taken by another scheduler). A client reaches it through
// CUPS_SERVER=Server(). The scheduler is stopped and the folder removed when the object goes,
// and cupsd is told to stop should the test program die first.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace kesto::test {

class PrivateCupsScheduler {
  public:
    // Starts cupsd and waits up to `limit` until it accepts connections. Never throws: when it
    // cannot start (cupsd missing, no permission, a folder that cannot be made), Running() is
    // false and Problem() says why, for the test to skip with.
    explicit PrivateCupsScheduler(std::chrono::seconds limit = std::chrono::seconds(20));
    // Stops cupsd (SIGTERM; SIGKILL after ten seconds) and removes its folder.
    ~PrivateCupsScheduler();
    PrivateCupsScheduler(const PrivateCupsScheduler&) = delete;
    PrivateCupsScheduler& operator=(const PrivateCupsScheduler&) = delete;

    bool Running() const { return pid_ > 0 && problem_.empty(); }
    const std::string& Problem() const { return problem_; }
    // The local socket, as CUPS_SERVER and the -h option of lpadmin and lpstat name it.
    const std::string& Server() const { return socket_; }

    // Adds an enabled queue `name` that accepts jobs and whose device is the file
    // QueueOutput(name): each job's PDF document is written there as it was sent (the queue's
    // driver passes PDF through unchanged), replacing the previous job's. "" when the queue is
    // ready, else what went wrong.
    std::string AddPdfFileQueue(const std::string& name);
    std::filesystem::path QueueOutput(const std::string& name) const;

    // Waits up to `limit` until no job is pending, held or printing. False at the limit.
    bool WaitUntilIdle(std::chrono::seconds limit) const;
    // The ids ("KestoTest-1") of the jobs on `queue` that have ended (completed, cancelled or
    // aborted), oldest first.
    std::vector<std::string> EndedJobs(const std::string& queue) const;

    // The end of the scheduler's error log (debug level), for a failure message.
    std::string LogTail(std::size_t bytes = 4000) const;

  private:
    std::string Start(std::chrono::seconds limit);
    std::string WriteConfiguration() const;
    std::string WaitForSocket(std::chrono::seconds limit);
    void Stop();

    std::unique_ptr<ScratchFolder> folder_;
    std::filesystem::path root_;
    std::string socket_;
    std::string lpadmin_;
    std::string lpstat_;
    pid_t pid_ = -1;
    std::string problem_;
};

}  // namespace kesto::test
