#include "tests/support/private_cups_scheduler.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#include <thread>

#include "tests/support/child_program.h"

namespace kesto::test {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

// Where Debian's cups puts its programs and filters.
const std::vector<std::string> kSystemFolders{"/usr/sbin", "/sbin"};
constexpr const char* kPassThroughFilter = "/usr/lib/cups/filter/gziptoany";

// A driver for a printer that takes PDF as it is: the document reaches the device unchanged
// (gziptoany only copies a document that is not compressed), so what Kesto sent can be read
// back with pdftotext. A queue without a driver ("raw") would be simpler, but the scheduler
// then runs nothing at all for a file: device and writes no output.
constexpr const char* kPdfDriver = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "KESTOTST.PPD"
*Manufacturer: "Kesto"
*Product: "(Kesto test queue)"
*ModelName: "Kesto test queue"
*ShortNickName: "Kesto test queue"
*NickName: "Kesto test queue, PDF to a file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter: "application/pdf 0 gziptoany"
*OpenUI *PageSize: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "18 18 577 824"
*ImageableArea Letter/Letter: "18 18 594 774"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"
)ppd";

bool WriteText(const fs::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return static_cast<bool>(file);
}

std::string ReadTail(const fs::path& path, std::size_t bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {};
    }
    std::ostringstream text;
    text << file.rdbuf();
    const std::string all = text.str();
    return all.size() > bytes ? all.substr(all.size() - bytes) : all;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool Exited(pid_t pid, int& status) {
    return ::waitpid(pid, &status, WNOHANG) == pid;
}

std::string HowItEnded(int status) {
    if (WIFEXITED(status)) {
        return "exit status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return "signal " + std::to_string(WTERMSIG(status));
    }
    return "wait status " + std::to_string(status);
}

}  // namespace

PrivateCupsScheduler::PrivateCupsScheduler(std::chrono::seconds limit) {
    problem_ = Start(limit);
}

PrivateCupsScheduler::~PrivateCupsScheduler() {
    Stop();
}

std::string PrivateCupsScheduler::Start(std::chrono::seconds limit) {
    const std::string cupsd = FindProgram("cupsd", kSystemFolders);
    if (cupsd.empty()) {
        return "cupsd is not installed (Debian's cups package)";
    }
    lpadmin_ = FindProgram("lpadmin", kSystemFolders);
    lpstat_ = FindProgram("lpstat", kSystemFolders);
    if (lpadmin_.empty() || lpstat_.empty()) {
        return "lpadmin or lpstat is not installed (Debian's cups-client package)";
    }
    if (::access(kPassThroughFilter, X_OK) != 0) {
        return std::string(kPassThroughFilter) + " is missing (Debian's cups package)";
    }

    // A socket's path has room for 107 bytes: a long TMPDIR gives way to /tmp.
    std::error_code failed;
    fs::path base = fs::temp_directory_path(failed);
    if (failed || base.string().size() + sizeof("/kesto-test-XXXXXX/cups.sock") >
                      sizeof(sockaddr_un{}.sun_path)) {
        base = "/tmp";
    }
    try {
        folder_ = std::make_unique<ScratchFolder>(base);
    } catch (const std::exception& error) {
        return error.what();
    }
    root_ = folder_->Folder();
    socket_ = (root_ / "cups.sock").string();
    for (const char* name : {"conf", "spool/tmp", "cache", "state", "log", "out"}) {
        if (fs::create_directories(root_ / name, failed); failed) {
            return "cannot make the scheduler's folders in " + root_.string();
        }
    }
    // Run as root, cupsd hands each job to its filters as the user lp, who must reach the
    // spool inside this folder; it sets the modes of its own folders itself.
    if (::geteuid() == 0) {
        fs::permissions(
            root_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec, failed);
    }
    if (std::string written = WriteConfiguration(); !written.empty()) {
        return written;
    }

    // cupsd stops with the test program, even when that one is killed.
    pid_ = StartChildProgram({cupsd, "-f", "-c", (root_ / "conf/cupsd.conf").string(), "-s",
                              (root_ / "conf/cups-files.conf").string()},
                             (root_ / "log/cupsd.out").string());
    if (pid_ < 0) {
        return "fork failed";
    }
    return WaitForSocket(limit);
}

std::string PrivateCupsScheduler::WriteConfiguration() const {
    const fs::path conf = root_ / "conf";
    std::ostringstream files;
    files << "ServerRoot " << conf.string() << "\n"
          << "RequestRoot " << (root_ / "spool").string() << "\n"
          << "TempDir " << (root_ / "spool/tmp").string() << "\n"
          << "CacheDir " << (root_ / "cache").string() << "\n"
          << "StateDir " << (root_ / "state").string() << "\n"
          << "ErrorLog " << (root_ / "log/error_log").string() << "\n"
          << "AccessLog " << (root_ / "log/access_log").string() << "\n"
          << "PageLog " << (root_ / "log/page_log").string() << "\n"
          << "Printcap " << (conf / "printcap").string() << "\n"
          << "FileDevice Yes\n";  // a queue may write its jobs into a file
    // Anyone on the socket may do anything: the socket is inside this test's own folder. A
    // failing filter aborts its job instead of stopping the queue, so a wait always ends.
    std::ostringstream scheduler;
    scheduler << "Listen " << socket_ << "\n"
              << "Browsing No\n"
                 "WebInterface No\n"
                 "LogLevel debug\n"
                 "ErrorPolicy abort-job\n"
                 "DefaultPolicy test\n"
                 "<Policy test>\n"
                 "JobPrivateAccess all\n"
                 "JobPrivateValues none\n"
                 "SubscriptionPrivateAccess all\n"
                 "SubscriptionPrivateValues none\n"
                 "<Limit All>\n"
                 "Order allow,deny\n"
                 "Allow all\n"
                 "</Limit>\n"
                 "</Policy>\n";
    if (!WriteText(conf / "cups-files.conf", files.str()) ||
        !WriteText(conf / "cupsd.conf", scheduler.str())) {
        return "cannot write the scheduler's configuration in " + conf.string();
    }
    return {};
}

std::string PrivateCupsScheduler::WaitForSocket(std::chrono::seconds limit) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socket_.copy(address.sun_path, sizeof address.sun_path - 1);
    const Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        int status = 0;
        if (Exited(pid_, status)) {
            pid_ = -1;
            return "cupsd stopped at once (" + HowItEnded(status) +
                   "): " + ReadTail(root_ / "log/cupsd.out", 600) +
                   ReadTail(root_ / "log/error_log", 600);
        }
        const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (probe < 0) {
            return "no local socket can be made";
        }
        const bool answered =
            ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(probe);
        if (answered) {
            return {};
        }
        if (Clock::now() >= deadline) {
            return "cupsd did not listen on " + socket_ + " within " +
                   std::to_string(limit.count()) + " s: " + ReadTail(root_ / "log/error_log", 600);
        }
        std::this_thread::sleep_for(20ms);
    }
}

void PrivateCupsScheduler::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        const Clock::time_point deadline = Clock::now() + 10s;
        int status = 0;
        while (!Exited(pid_, status)) {
            if (Clock::now() >= deadline) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(20ms);
        }
        pid_ = -1;
    }
    folder_.reset();
}

std::string PrivateCupsScheduler::AddPdfFileQueue(const std::string& name) {
    if (!Running()) {
        return "the scheduler is not running: " + problem_;
    }
    const fs::path driver = root_ / (name + ".ppd");
    if (!WriteText(driver, kPdfDriver)) {
        return "cannot write " + driver.string();
    }
    const ChildRun added =
        RunChildProgram({lpadmin_, "-h", socket_, "-p", name, "-E", "-v",
                         "file://" + QueueOutput(name).string(), "-P", driver.string()},
                        30s);
    if (!added.Succeeded()) {
        return "lpadmin could not add " + name + ": " + added.errors;
    }
    return {};
}

fs::path PrivateCupsScheduler::QueueOutput(const std::string& name) const {
    return root_ / "out" / (name + ".out");
}

bool PrivateCupsScheduler::WaitUntilIdle(std::chrono::seconds limit) const {
    const Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        // Without -W, lpstat -o lists the jobs that have not ended.
        const ChildRun pending = RunChildProgram({lpstat_, "-h", socket_, "-o"}, 10s);
        if (pending.Succeeded() && Lines(pending.output).empty()) {
            return true;
        }
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
}

std::vector<std::string> PrivateCupsScheduler::EndedJobs(const std::string& queue) const {
    const ChildRun ended =
        RunChildProgram({lpstat_, "-h", socket_, "-W", "completed", "-o", queue}, 10s);
    std::vector<std::string> ids;
    for (const std::string& line : Lines(ended.output)) {
        ids.push_back(line.substr(0, line.find_first_of(" \t")));
    }
    const auto number = [](const std::string& id) {
        return std::strtol(id.c_str() + id.rfind('-') + 1, nullptr, 10);  // npos + 1 is 0
    };
    std::sort(ids.begin(), ids.end(),
              [&](const std::string& a, const std::string& b) { return number(a) < number(b); });
    return ids;
}

std::string PrivateCupsScheduler::LogTail(std::size_t bytes) const {
    return root_.empty() ? std::string() : ReadTail(root_ / "log/error_log", bytes);
}

}  // namespace kesto::test
