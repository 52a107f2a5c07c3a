#include "kestweb2/output_file.h"

namespace kesto::kestweb2 {

namespace {

// Large enough that a page of a few hundred deals goes out in few system calls.
constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

OutputFile::OutputFile(const char* path) {
    if (path == nullptr || *path == '\0') {
        status_ = kKestWeb2CreateFailed;
        return;
    }
    file_.reset(std::fopen(path, "wb"));
    if (!file_) {
        status_ = kKestWeb2CreateFailed;
        return;
    }
    // Without a buffer of our own stdio still buffers; a failure here only costs speed.
    std::setvbuf(file_.get(), nullptr, _IOFBF, kBufferSize);
}

bool OutputFile::Write(std::string_view bytes) {
    if (status_ != kKestWeb2Ok) {
        return false;
    }
    if (bytes.empty()) {
        return true;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        status_ = kKestWeb2WriteFailed;
        return false;
    }
    return true;
}

KestWeb2Status OutputFile::Close() {
    if (!file_) {
        return status_;
    }
    // Bytes still in the buffer that cannot reach the file are a failed write (a full disk
    // shows here), not a failed close.
    if (status_ == kKestWeb2Ok && std::fflush(file_.get()) != 0) {
        status_ = kKestWeb2WriteFailed;
    }
    const int closed = std::fclose(file_.release());
    if (status_ == kKestWeb2Ok && closed != 0) {
        status_ = kKestWeb2CloseFailed;
    }
    return status_;
}

}  // namespace kesto::kestweb2
