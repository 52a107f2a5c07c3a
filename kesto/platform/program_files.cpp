#include "kesto/platform/program_files.h"

#include <filesystem>
#include <system_error>

namespace kesto {

namespace {

// bin/../share/kesto written as prefix/share/kesto, so that messages name it plainly; "" when
// the program's folder is not known.
std::string BesideProgram(const std::string& relative) {
    const std::string bin = ProgramDirectory();
    if (bin.empty()) {
        return {};
    }
    return (std::filesystem::path(bin) / ".." / relative).lexically_normal().string();
}

// The build folder puts everything beside the program; an installed program has no manual
// beside it.
bool RunsFromBuildFolder() {
    std::error_code error;
    return std::filesystem::is_directory(ProgramDirectory() + "help", error);
}

}  // namespace

std::string ProgramDirectory() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !exe.is_absolute()) {
        return {};
    }
    return exe.parent_path().string() + "/";
}

std::string ProgramDataFolder() {
    return RunsFromBuildFolder() ? ProgramDirectory()
                                 : BesideProgram(std::string(kInstalledDataFolder) + "/");
}

std::string ProgramLibraryFolder() {
    return RunsFromBuildFolder() ? ProgramDirectory()
                                 : BesideProgram(std::string(kInstalledLibraryFolder) + "/");
}

}  // namespace kesto
