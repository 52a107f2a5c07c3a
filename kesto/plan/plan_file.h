#pragma once
// Reading a plan from a text file (the batch's --plan-file), as a text editor saves it: ANSI
// (Windows-1252) or UTF-8, with or without the byte order mark that Notepad writes.

#include <cstddef>
#include <string>

#include "kesto/plan/plan_reader.h"
#include "kesto/platform/status.h"

namespace kesto {

// The most a plan file may hold: far more than any teaching night needs.
inline constexpr std::size_t kMaxPlanFileBytes = 1'000'000;

// The file's text as Windows-1252, for ReadPlan. Fails, with a message that names the file,
// when it cannot be opened or read, is not a regular file (a folder, a device, a named pipe:
// nothing waits for a writer), holds more than kMaxPlanFileBytes or is saved as UTF-16.
StatusOr<std::string> ReadPlanFile(const std::string& fileName);

// Reads the files of a plan's "script FILE" lines through ReadPlanFile, a name that is not
// absolute taken in folder ("" the current folder; a non-empty folder ends in "/").
ScriptFileReader ScriptFilesIn(std::string folder);

}  // namespace kesto
