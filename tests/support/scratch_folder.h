#pragma once
// A fresh folder of one test's own under the system's temporary folder, removed with
// everything in it when the object goes (folders inside made read-only are opened again
// first), so no test sees another's files or leaves any behind.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kesto::test {

class ScratchFolder {
  public:
    // A new folder inside `base`; throws std::runtime_error when none can be made.
    explicit ScratchFolder(
        const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    // The path of `name` inside the folder.
    std::string Path(std::string_view name) const;
    // The names in the folder, sorted: a failed save must leave no temporary file behind.
    std::vector<std::string> Entries() const;

  private:
    std::filesystem::path folder_;
};

}  // namespace kesto::test
