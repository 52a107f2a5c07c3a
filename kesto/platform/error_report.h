#pragma once
// The general error report: what the user is told of a failure that no command caught. The
// window shows it in a message box and goes on running; the batch writes it to standard
// error and ends with status 1.

#include <exception>
#include <string>
#include <string_view>

namespace kesto {

inline constexpr std::string_view kOutOfMemoryText =
    "There is not enough memory to finish this command. Nothing more was done.";

// The report's text for the failure error holds: kOutOfMemoryText for running out of memory,
// the error's own text for any other std::exception, a plain sentence for anything else.
std::string ErrorReportText(const std::exception_ptr& error);

}  // namespace kesto
