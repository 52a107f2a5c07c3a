#pragma once
// Run-time loading of a library by its logical name ("KESTWEB2.DLL"), lookup of entries
// by name, unloading when the object goes.

#include <memory>
#include <string>
#include <vector>

#include "kesto/platform/program_files.h"

namespace kesto {

class SharedLibrary {
  public:
    virtual ~SharedLibrary() = default;
    // Null when the entry is missing.
    virtual void* Entry(const char* name) const = 0;
    // The file actually loaded.
    virtual std::string Path() const = 0;
};

// "KESTWEB2.DLL" maps to libkestweb2.so; searched for in the program's own folders
// (ProgramLibraryFolders), then the current folder, then the system's library search path. Null when it cannot be loaded.
std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& logicalName);

// The same, searching only the given folders (each with a final "/"): for tests and for a
// program that is told where its libraries are.
std::unique_ptr<SharedLibrary> LoadSharedLibrary(const std::string& logicalName,
                                                 const std::vector<std::string>& folders);

// The platform file name of a logical library name.
std::string PlatformLibraryFileName(const std::string& logicalName);

}  // namespace kesto
