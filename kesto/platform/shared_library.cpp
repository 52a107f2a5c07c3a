#include "kesto/platform/shared_library.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/program_files.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace kesto {

namespace {

class DlLibrary : public SharedLibrary {
  public:
    DlLibrary(void* handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    ~DlLibrary() override { ::dlclose(handle_); }
    DlLibrary(const DlLibrary&) = delete;
    DlLibrary& operator=(const DlLibrary&) = delete;

    void* Entry(const char* name) const override { return ::dlsym(handle_, name); }
    std::string Path() const override { return path_; }

  private:
    void* handle_;
    std::string path_;
};

// A folder as a message names it: without its final "/".
std::string FolderName(std::string folder) {
    if (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

// The loader's reason, without the path it starts with.
std::string LoaderReason(const std::string& path) {
    const char* said = ::dlerror();
    std::string reason = said == nullptr ? "the loader gave no reason" : said;
    if (reason.starts_with(path + ": ")) {
        reason.erase(0, path.size() + 2);
    }
    return reason;
}

}  // namespace

std::string PlatformLibraryFileName(const std::string& logicalName) {
    std::string base = logicalName;
    const auto dot = base.rfind('.');
    if (dot != std::string::npos) {
        base.erase(dot);
    }
    return "lib" + LowerAscii(base) + ".so";
}

LibraryLoad LoadSharedLibrary(const std::string& logicalName,
                              const std::vector<std::string>& folders) {
    const std::string file = PlatformLibraryFileName(logicalName);
    std::string searched;
    for (const std::string& folder : folders) {
        // A path with a "/" is opened as it stands; only an absolute one is independent of the
        // current folder.
        if (!folder.starts_with('/')) {
            continue;
        }
        searched += (searched.empty() ? "" : " or ") + FolderName(folder);
        const std::string candidate = folder + file;
        std::error_code error;
        if (!std::filesystem::exists(candidate, error)) {
            continue;
        }
        if (void* handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            return {std::make_unique<DlLibrary>(handle, candidate), {}};
        }
        return {nullptr,
                Status::Failure(file + " in " + FolderName(folder) + " cannot be loaded (" +
                                LoaderReason(candidate) + "): install Kesto again.")};
    }
    if (searched.empty()) {
        return {nullptr, Status::NotFound(file + " cannot be found: Kesto cannot tell which "
                                                 "folder it runs from. Install Kesto again.")};
    }
    return {nullptr,
            Status::NotFound(file + " is missing from " + searched + ": install Kesto again.")};
}

LibraryLoad LoadSharedLibrary(const std::string& logicalName) {
    return LoadSharedLibrary(logicalName, {ProgramLibraryFolder()});
}

StatusOr<std::unique_ptr<SharedLibrary>> LoadSystemLibrary(const std::string& fileName) {
    StatusOr<std::unique_ptr<SharedLibrary>> result;
    // With RTLD_NODELETE, dlclose leaves the library in place.
    if (void* handle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
        result.value = std::make_unique<DlLibrary>(handle, fileName);
        return result;
    }
    const char* error = ::dlerror();
    const std::string reason = error != nullptr ? error : fileName + ": cannot be loaded";
    // The loader names the file it could not find: this one, or a library it needs.
    const bool absent =
        reason == fileName + ": cannot open shared object file: " + std::strerror(ENOENT);
    result.status = absent ? Status::NotFound(reason, ENOENT) : Status::Failure(reason);
    return result;
}

}  // namespace kesto
