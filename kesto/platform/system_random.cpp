#include "kesto/platform/system_random.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>

namespace kesto {

bool ReadSystemRandom(std::span<std::uint8_t> bytes, std::string* error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        // One call returns at most 32 MiB and may be cut short by a signal.
        const ssize_t got = ::getrandom(bytes.data() + done, bytes.size() - done, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            if (error != nullptr) {
                *error = std::strerror(errno);
            }
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace kesto
