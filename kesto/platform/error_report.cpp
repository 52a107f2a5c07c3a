#include "kesto/platform/error_report.h"

#include <new>

namespace kesto {

std::string ErrorReportText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return std::string(kOutOfMemoryText);
    } catch (const std::exception& failure) {
        return "An unexpected error stopped this command: " + std::string(failure.what());
    } catch (...) {
        return "An unexpected error stopped this command.";
    }
}

}  // namespace kesto
