#include "kesto/deal/secure_random.h"

#include <limits>
#include <utility>

#include "kesto/platform/system_random.h"

namespace kesto {

SecureRandom::SecureRandom() : SecureRandom(ReadSystemRandom) {}

SecureRandom::SecureRandom(Source source) : source_(std::move(source)) {}

std::optional<std::uint32_t> SecureRandom::Next() {
    if (!sourceStatus_.Ok()) {
        return std::nullopt;
    }
    if (next_ + 4 > buffer_.size()) {
        sourceStatus_ = source_(buffer_);
        if (!sourceStatus_.Ok()) {
            return std::nullopt;
        }
        next_ = 0;
    }
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value = (value << 8) | buffer_[next_++];
    }
    return value;
}

std::optional<std::uint32_t> SecureRandom::Below(std::uint32_t n) {
    // 2^32 mod n values at the top would fall on the low results once more than on the others:
    // draws from there are rejected, so every result keeps the same chance.
    constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
    const std::uint32_t highestAccepted = kMax - (kMax % n + 1) % n;
    for (;;) {
        const std::optional<std::uint32_t> value = Next();
        if (!value) {
            return std::nullopt;
        }
        if (*value <= highestAccepted) {
            return *value % n;
        }
    }
}

}  // namespace kesto
