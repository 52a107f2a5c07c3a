#pragma once
// Status: whether an operation worked, or the reason it did not. Every file operation of the
// core reports through it; a result that also carries a value pairs the value with a Status
// (StatusOr).
//
// A failure has a kind, for the callers that act on what went wrong rather than only show it
// (a missing settings file is no damaged one, a cancel is no error). A caller that only shows
// the reason need not look at the kind.

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace kesto {

class Status {
  public:
    // Worked.
    Status() = default;

    // Each failure's reason says why, in words fit for a message; systemError is the system's
    // error number behind it (errno), 0 when the system reported none.

    // Not there: no such file, no such library.
    static Status NotFound(std::string reason, int systemError = 0) {
        return {Kind::NotFound, std::move(reason), systemError};
    }
    // There, but it could not be read, or it is no regular file.
    static Status Unreadable(std::string reason, int systemError = 0) {
        return {Kind::Unreadable, std::move(reason), systemError};
    }
    // Read, but not what it should be: malformed, or bigger than any such file.
    static Status Broken(std::string reason) { return {Kind::Broken, std::move(reason), 0}; }
    // Stopped by the user: "Cancelled.".
    static Status Cancelled() { return {Kind::Cancelled, "Cancelled.", 0}; }
    // A limit came first: what was looked for is too rare to be found within it.
    static Status TooRare(std::string reason) { return {Kind::TooRare, std::move(reason), 0}; }
    // Refused because there was nothing to work on (an empty board set): a note for the user
    // rather than an error.
    static Status NothingToDo(std::string reason) {
        return {Kind::NothingToDo, std::move(reason), 0};
    }
    // Any other failure.
    static Status Failure(std::string reason, int systemError = 0) {
        return {Kind::Failed, std::move(reason), systemError};
    }
    // Any other failure, with the system's error number: "what: <the system's words>".
    static Status SystemFailure(const std::string& what, int systemError) {
        return Failure(SystemReason(what, systemError), systemError);
    }
    // A file could not be opened or read: "what: <the system's words>", NotFound when the
    // system says there is no such file, else Unreadable.
    static Status ReadFailure(const std::string& what, int systemError) {
        return {systemError == ENOENT ? Kind::NotFound : Kind::Unreadable,
                SystemReason(what, systemError), systemError};
    }

    bool Ok() const { return kind_ == Kind::Ok; }
    bool IsNotFound() const { return kind_ == Kind::NotFound; }
    bool IsUnreadable() const { return kind_ == Kind::Unreadable; }
    bool IsBroken() const { return kind_ == Kind::Broken; }
    bool IsCancelled() const { return kind_ == Kind::Cancelled; }
    bool IsTooRare() const { return kind_ == Kind::TooRare; }
    bool IsNothingToDo() const { return kind_ == Kind::NothingToDo; }

    // The same failure in other words: its kind and system error kept. Ok stays Ok.
    Status WithReason(std::string reason) const {
        return Ok() ? Status() : Status(kind_, std::move(reason), systemError_);
    }

    // Empty when Ok.
    const std::string& Reason() const { return reason_; }
    // The system's error number, or 0.
    int SystemError() const { return systemError_; }

  private:
    enum class Kind { Ok, NotFound, Unreadable, Broken, Cancelled, TooRare, NothingToDo, Failed };

    Status(Kind kind, std::string reason, int systemError)
        : kind_(kind), reason_(std::move(reason)), systemError_(systemError) {}

    static std::string SystemReason(const std::string& what, int systemError) {
        return what + ": " + std::strerror(systemError);
    }

    Kind kind_ = Kind::Ok;
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
