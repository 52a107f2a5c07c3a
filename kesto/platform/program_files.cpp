#include "kesto/platform/program_files.h"

#include <filesystem>
#include <system_error>

namespace kesto {

namespace {

// bin/../share/kesto written as prefix/share/kesto, so that messages name it plainly.
std::string BesideProgram(const std::string& relative) {
    const std::filesystem::path bin(ProgramDirectory());
    return (bin / ".." / relative).lexically_normal().string();
}

}  // namespace

std::string ProgramDirectory() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return exe.parent_path().string() + "/";
}

std::string ProgramDataFolder() {
    const std::string own = ProgramDirectory();
    std::error_code error;
    if (std::filesystem::is_directory(own + "help", error)) {
        return own;
    }
    return BesideProgram(std::string(kInstalledDataFolder) + "/");
}

std::vector<std::string> ProgramLibraryFolders() {
    return {ProgramDirectory(), BesideProgram(std::string(kInstalledLibraryFolder) + "/")};
}

}  // namespace kesto
