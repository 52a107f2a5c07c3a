#include "kesto/platform/system_random.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>

namespace kesto {

Status ReadSystemRandom(std::span<std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        // One call returns at most 32 MiB and may be cut short by a signal.
        const ssize_t got = ::getrandom(bytes.data() + done, bytes.size() - done, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Status::Unreadable(std::strerror(errno), errno);
        }
        done += static_cast<std::size_t>(got);
    }
    return {};
}

}  // namespace kesto
