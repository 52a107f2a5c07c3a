#pragma once
// The page's output file: created (or truncated) at open, every write checked, the close
// checked. Once a step fails the file reports that status and accepts no more writes.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>

#include "kestweb2/kestweb2.h"

namespace kesto::kestweb2 {

class OutputFile {
  public:
    // Creates the file, overwriting one that exists. Check Status() before writing.
    explicit OutputFile(const char* path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False (and Status() set) when the bytes could not all be written.
    bool Write(std::string_view bytes);

    // Flushes and closes; returns the final status of the whole file.
    KestWeb2Status Close();

    KestWeb2Status Status() const { return status_; }

  private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    KestWeb2Status status_ = kKestWeb2Ok;
};

}  // namespace kesto::kestweb2
