#pragma once
// Run-time loading of a library by its logical name ("KESTWEB2.DLL"), lookup of entries
// by name, unloading when the object goes.

#include <memory>
#include <string>
#include <vector>

#include "kesto/platform/program_files.h"
#include "kesto/platform/status.h"

namespace kesto {

class SharedLibrary {
  public:
    virtual ~SharedLibrary() = default;
    // Null when the entry is missing.
    virtual void* Entry(const char* name) const = 0;
    // The file actually loaded.
    virtual std::string Path() const = 0;

    // The entry as a pointer to a function of type Function (such as decltype(&Name) of the
    // library's header); null when missing.
    template <typename Function>
    Function EntryAs(const char* name) const {
        return reinterpret_cast<Function>(Entry(name));
    }
};

// "KESTWEB2.DLL" maps to libkestweb2.so; searched for in the program's own folders
// (ProgramLibraryFolders), then the current folder, then the system's library search path. Null
// when it cannot be loaded.
std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& logicalName);

// The same, searching only the given folders (each with a final "/"): for tests and for a
// program that is told where its libraries are.
std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& logicalName,
                                                 const std::vector<std::string>& folders);

// A library of the system by its file name (on Linux its soname, such as "libdds.so.0"), from
// the system's library search path alone. Once loaded it stays for the rest of the process, also
// when the object goes: threads the library started may still wait in its code or in that of
// the libraries it brought along. When it cannot be loaded, the loader's own words, with the
// system error ENOENT when the file itself is nowhere to be found.
StatusOr<std::unique_ptr<SharedLibrary>> LoadSystemLibrary(const std::string& fileName);

// The platform file name of a logical library name.
std::string PlatformLibraryFileName(const std::string& logicalName);

}  // namespace kesto
