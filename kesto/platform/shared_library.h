#pragma once
// Run-time loading of a library, lookup of entries by name, unloading when the object goes.
// The program's own libraries are asked for by their logical names ("KESTWEB2.DLL") and loaded
// by absolute path from the program's library folder alone: a library of that name in the
// current folder or on the system's search path never runs.

#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// A loaded library, or a sentence for the user that names the file and its folder and says why
// not: "libkestweb2.so is missing from /opt/kesto/lib/kesto: install Kesto again." (NotFound)
// or "... cannot be loaded (invalid ELF header): ...".
using LibraryLoad = StatusOr<std::unique_ptr<SharedLibrary>>;

// Loads one of the program's libraries by its logical name. The program uses LoadSharedLibrary;
// tests point it elsewhere.
using LibraryLoader = std::function<LibraryLoad(const std::string&)>;

// "KESTWEB2.DLL" is libkestweb2.so, loaded from ProgramLibraryFolder().
LibraryLoad LoadSharedLibrary(const std::string& logicalName);

// The same from the first of the given folders (each absolute, with a final "/") that holds the
// file; a folder that is not absolute is passed over.
LibraryLoad LoadSharedLibrary(const std::string& logicalName,
                              const std::vector<std::string>& folders);

// A library of the system by its file name (on Linux its soname, such as "libdds.so.0"), from
// the system's library search path alone. Once loaded it stays for the rest of the process, also
// when the object goes: threads the library started may still wait in its code or in that of
// the libraries it brought along. When it cannot be loaded, the loader's own words: NotFound,
// with the system error ENOENT, when the file itself is nowhere to be found.
StatusOr<std::unique_ptr<SharedLibrary>> LoadSystemLibrary(const std::string& fileName);

// The platform file name of a logical library name.
std::string PlatformLibraryFileName(const std::string& logicalName);

}  // namespace kesto
