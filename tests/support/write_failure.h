#pragma once
// Places where a save must fail: a tiny disk of its own (a 64 kB tmpfs mounted for the test),
// filled to the last byte or made read-only, a folder without write permission, a limit on
// the size of a file, and a save killed at a random moment. Shared by the write-failure tests
// of the file replacement, the writers and the HTML page. Mounting needs root; when it is
// refused the tests say why and skip.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <thread>

#include "tests/support/scratch_folder.h"

namespace kesto::test {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline bool WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

// The names in a folder, to see that a failed save left no temporary file behind.
inline std::set<std::string> FolderEntries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A 64 kB tmpfs of the test's own, unmounted and removed at the end.
class SmallDisk {
  public:
    SmallDisk() {
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k") != 0) {
            why_ = std::string("mounting a small tmpfs was refused (") + std::strerror(errno) +
                   "); the full-disk and read-only cases need root";
        } else {
            mounted_ = true;
        }
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    const std::string& Folder() const { return folder_; }
    std::string Path(std::string_view name) const { return folder_ + "/" + std::string(name); }

    // Writes a filler file until the disk refuses more, so no new file can hold a byte.
    bool Fill() const {
        std::FILE* file = std::fopen(Path(kFiller).c_str(), "wb");
        if (file == nullptr) {
            return false;
        }
        std::setvbuf(file, nullptr, _IONBF, 0);
        const std::string block(512, 'x');
        while (std::fwrite(block.data(), 1, block.size(), file) == block.size()) {
        }
        for (std::size_t i = 0; i < 512 && std::fputc('x', file) != EOF; ++i) {
        }
        std::fclose(file);
        return true;
    }

    // Remounts the disk read-only: even root cannot write there then.
    bool MakeReadOnly() const {
        return mounted_ &&
               ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }

    static constexpr std::string_view kFiller = "filler";

  private:
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Folder().string();
    std::string why_;
    bool mounted_ = false;
};

// A folder whose write permission is taken away; for root that changes nothing, which
// Writable() tells.
class ReadOnlyFolder {
  public:
    ReadOnlyFolder() = default;

    std::string Path(std::string_view name) const { return folder_ + "/" + std::string(name); }
    const std::string& Folder() const { return folder_; }
    bool Protect() const { return ::chmod(folder_.c_str(), 0555) == 0; }
    bool Writable() const { return ::access(folder_.c_str(), W_OK) == 0; }

  private:
    ScratchFolder scratch_;
    std::string folder_ = scratch_.Folder().string();
};

// Lets no file of this process grow past a few bytes while it lives: writing a file then
// fails as on a full disk ("File too large"), for every user.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool Ok() const { return ok_; }

  private:
    rlimit saved_{};
    sighandler_t oldHandler_;
    bool ok_ = false;
};

// Kills saves at random moments. Each round sets the file to `first`, forks a child that
// saves without end (save(0) writes `second`, save(1) `first`, and so on) and kills it after a
// random delay; the file must then hold `first` or `second` whole. At least 50 rounds, and up
// to 400 until both were seen, so kills did land both before and after a rename. The delays
// start at a few times the measured save time; they widen while no save completes in time
// and narrow while every one does, as a loaded machine stretches or shortens a save.
inline ::testing::AssertionResult KillSavesAtRandom(const std::string& path,
                                                    const std::function<void(int turn)>& save,
                                                    const std::string& first,
                                                    const std::string& second) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    for (int turn = 0; turn < 4; ++turn) {
        save(turn);
    }
    const auto saveTime =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count() / 4;
    long long maxDelay = std::max<long long>(4 * saveTime, 1000);

    std::mt19937 random(20261208);
    int sawFirst = 0, sawSecond = 0;
    int round = 0;
    for (; round < 400 && (round < 50 || sawFirst == 0 || sawSecond == 0); ++round) {
        if (round > 0 && round % 50 == 0) {
            maxDelay = sawSecond == 0 ? 2 * maxDelay : std::max<long long>(maxDelay / 2, 1);
        }
        if (!WriteBytes(path, first)) {
            return ::testing::AssertionFailure() << "cannot set " << path << " back";
        }
        const pid_t child = ::fork();
        if (child < 0) {
            return ::testing::AssertionFailure() << "fork failed";
        }
        if (child == 0) {
            for (int turn = 0;; ++turn) {
                save(turn);
            }
        }
        std::uniform_int_distribution<long long> delay(0, maxDelay);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        int status = 0;
        if (::kill(child, SIGKILL) != 0 || ::waitpid(child, &status, 0) != child ||
            !WIFSIGNALED(status)) {
            return ::testing::AssertionFailure() << "the saving child did not die by the kill";
        }
        const std::string now = ReadBytes(path);
        if (now != first && now != second) {
            return ::testing::AssertionFailure()
                   << "after kill " << round << " the file holds " << now.size()
                   << " bytes, neither " << first.size() << " nor " << second.size();
        }
        (now == first ? sawFirst : sawSecond)++;
    }
    if (sawFirst == 0 || sawSecond == 0) {
        return ::testing::AssertionFailure()
               << round << " kills never landed " << (sawFirst == 0 ? "before" : "after")
               << " a save's rename (a save takes about " << saveTime << " us here)";
    }
    return ::testing::AssertionSuccess() << round << " kills";
}

}  // namespace kesto::test
