#pragma once
// Status: whether an operation worked, or the reason it did not. Every file operation of the
// core reports through it; a result that also carries a value pairs the value with a Status
// (StatusOr).

#include <string>
#include <utility>

namespace kesto {

class Status {
  public:
    // Worked.
    Status() = default;
    // Did not work; reason says why, in words fit for a message.
    static Status Failure(std::string reason) { return Status(std::move(reason)); }

    bool Ok() const { return !failed_; }
    // Empty when Ok.
    const std::string& Reason() const { return reason_; }

  private:
    explicit Status(std::string reason) : failed_(true), reason_(std::move(reason)) {}

    bool failed_ = false;
    std::string reason_;
};

// A value and the status of computing it. value is meaningful only when status.Ok(); otherwise
// it holds its type's empty value.
template <typename T>
struct StatusOr {
    T value{};
    Status status;

    // The value when it worked, otherwise fallback.
    T ValueOr(T fallback) const { return status.Ok() ? value : std::move(fallback); }
};

}  // namespace kesto
