#pragma once
// Random numbers for secure dealing: drawn from the operating system's cryptographic source,
// so nobody can predict or repeat a session's deals, and without bias: a draw that would make
// some results more likely than others is thrown away and drawn again.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "kesto/platform/status.h"

namespace kesto {

class SecureRandom {
  public:
    // Fills its bytes, or fails with the reason.
    using Source = std::function<Status(std::span<std::uint8_t>)>;

    SecureRandom();  // the system's source (ReadSystemRandom)
    explicit SecureRandom(Source source);

    // A generator that draws from the same source with a buffer of its own, for another
    // thread (the source must take calls from several threads, as the system's does).
    std::unique_ptr<SecureRandom> Sibling() const {
        return std::make_unique<SecureRandom>(source_);
    }

    // Uniform in 0..n-1, for n from 1; nullopt once the source has failed (SourceStatus says why).
    std::optional<std::uint32_t> Below(std::uint32_t n);

    // Ok until the source fails; then its failure.
    const Status& SourceStatus() const { return sourceStatus_; }

  private:
    std::optional<std::uint32_t> Next();

    Source source_;
    std::array<std::uint8_t, 256> buffer_{};  // read ahead: one system call serves many draws
    std::size_t next_ = buffer_.size();
    Status sourceStatus_;
};

}  // namespace kesto
