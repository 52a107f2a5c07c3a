#include "tests/support/scratch_folder.h"

#include <stdlib.h>

#include <algorithm>
#include <stdexcept>

namespace kesto::test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const fs::path& base) {
    std::string pattern = (base / "kesto-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a scratch folder in " + base.string());
    }
    folder_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    for (auto entry = fs::recursive_directory_iterator(folder_, ignored);
         entry != fs::recursive_directory_iterator(); entry.increment(ignored)) {
        if (entry->symlink_status(ignored).type() == fs::file_type::directory) {
            fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
}

std::string ScratchFolder::Path(std::string_view name) const {
    return folder_.string() + "/" + std::string(name);
}

std::vector<std::string> ScratchFolder::Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace kesto::test
