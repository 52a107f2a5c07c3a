#pragma once
// The operating system's cryptographic random source.

#include <cstdint>
#include <span>
#include <string>

namespace kesto {

// Fills bytes from the kernel's cryptographic source (getrandom), waiting only until the
// source has been seeded at boot. False when the source cannot be read; error then says why.
bool ReadSystemRandom(std::span<std::uint8_t> bytes, std::string* error = nullptr);

}  // namespace kesto
