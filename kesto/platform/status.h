#pragma once
// Status: whether an operation worked, or the reason it did not. Every file operation of the
// core reports through it; a result that also carries a value pairs the value with a Status
// (StatusOr).

#include <cstring>
#include <string>
#include <utility>

namespace kesto {

class Status {
  public:
    // Worked.
    Status() = default;
    // Did not work; reason says why, in words fit for a message. systemError is the system's
    // error number behind it (errno), 0 when the system reported none.
    static Status Failure(std::string reason, int systemError = 0) {
        return Status(std::move(reason), systemError);
    }
    // Failed with the system's error number: "what: <the system's words>".
    static Status SystemFailure(const std::string& what, int systemError) {
        return Failure(what + ": " + std::strerror(systemError), systemError);
    }

    bool Ok() const { return !failed_; }
    // Empty when Ok.
    const std::string& Reason() const { return reason_; }
    // The system's error number, or 0.
    int SystemError() const { return systemError_; }

  private:
    Status(std::string reason, int systemError)
        : failed_(true), reason_(std::move(reason)), systemError_(systemError) {}

    bool failed_ = false;
    std::string reason_;
    int systemError_ = 0;
};

// A value and the status of computing it. value is meaningful only when status.Ok(); otherwise
// it holds its type's empty value.
template <typename T>
struct StatusOr {
    T value{};
    Status status;
};

}  // namespace kesto
