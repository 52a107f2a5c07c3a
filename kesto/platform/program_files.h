#pragma once
// Where the program finds the files that come with it: its two libraries, the help manual and
// the suit and board images. In the build folder they lie beside the program (bin/help,
// bin/GIF, bin/libkestweb2.so). Installed under a prefix they lie beside bin, in share/kesto
// and the private lib/kesto. The manual beside the program tells the two apart, so one program
// runs from either and from any prefix.

#include <string>
#include <string_view>

namespace kesto {

// Where an install puts the program's files, under its prefix: help/ and GIF/, and the two
// libraries.
inline constexpr std::string_view kInstalledDataFolder = "share/kesto";
inline constexpr std::string_view kInstalledLibraryFolder = "lib/kesto";

// The folder of the running program, absolute, with a final "/"; "" when the system does not
// say where the program is.
std::string ProgramDirectory();

// The folder holding help/ and GIF/, with a final "/": the program's own when it holds the
// manual, else the installed share/kesto.
std::string ProgramDataFolder();

// The one folder the program's own libraries are loaded from, with a final "/": the program's
// own when it holds the manual, else the installed lib/kesto. Never the current folder.
std::string ProgramLibraryFolder();

}  // namespace kesto
