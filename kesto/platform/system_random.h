#pragma once
// The operating system's cryptographic random source.

#include <cstdint>
#include <span>

#include "kesto/platform/status.h"

namespace kesto {

// Fills bytes from the kernel's cryptographic source (getrandom), waiting only until the
// source has been seeded at boot. Fails, with the system's reason, when it cannot be read.
Status ReadSystemRandom(std::span<std::uint8_t> bytes);

}  // namespace kesto
