#pragma once
// Random numbers for secure dealing: drawn from the operating system's cryptographic source,
// so nobody can predict or repeat a session's deals, and without bias: a draw that would make
// some results more likely than others is thrown away and drawn again.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace kesto {

class SecureRandom {
  public:
    // Fills its bytes, or returns false with the reason in the string.
    using Source = std::function<bool(std::span<std::uint8_t>, std::string*)>;

    SecureRandom();  // the system's source (ReadSystemRandom)
    explicit SecureRandom(Source source);

    // Uniform in 0..n-1, for n from 1; nullopt once the source has failed (Error says why).
    std::optional<std::uint32_t> Below(std::uint32_t n);

    const std::string& Error() const { return error_; }

  private:
    std::optional<std::uint32_t> Next();

    Source source_;
    std::array<std::uint8_t, 256> buffer_{};  // read ahead: one system call serves many draws
    std::size_t next_ = buffer_.size();
    std::string error_;
};

}  // namespace kesto
