#include "kesto/platform/shared_library.h"
#include "kesto/platform/ascii_text.h"
#include "kesto/platform/program_files.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
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

void* OpenFile(const std::string& path) {
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
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

std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& logicalName,
                                                 const std::vector<std::string>& folders) {
    const std::string file = PlatformLibraryFileName(logicalName);
    std::error_code error;
    for (const std::string& folder : folders) {
        const std::string candidate = folder + file;
        if (std::filesystem::exists(candidate, error)) {
            if (void* handle = OpenFile(candidate)) {
                return std::make_unique<DlLibrary>(handle, candidate);
            }
        }
    }
    return nullptr;
}

std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& logicalName) {
    // The program's own folders, then the current folder, then the system's search path.
    std::vector<std::string> folders = ProgramLibraryFolders();
    std::error_code error;
    const auto current = std::filesystem::current_path(error);
    if (!error) {
        folders.push_back(current.string() + "/");
    }
    if (auto library = LoadSharedLibrary(logicalName, folders)) {
        return library;
    }
    const std::string file = PlatformLibraryFileName(logicalName);
    if (void* handle = OpenFile(file)) {
        return std::make_unique<DlLibrary>(handle, file);
    }
    return nullptr;
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
    result.status = Status::Failure(reason, absent ? ENOENT : 0);
    return result;
}

}  // namespace kesto
