#pragma once
// The engine's 64-bit xorshift generator (shifts 13, 7, 17); one step per draw.

#include <cstddef>
#include <cstdint>

namespace burrowly {

class Xorshift64 {
 public:
  explicit Xorshift64(std::uint64_t seed = 0x9E3779B97F4A7C15ULL) : state_(seed) {}

  std::uint64_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  // A value in [0, 1) from the top 24 bits of a fresh step.
  float unit() { return static_cast<float>(next() >> 40) * (1.0f / 16777216.0f); }
  // One of n items (n > 0).
  std::size_t pick(std::size_t n) { return static_cast<std::size_t>(next() % n); }

  std::uint64_t state() const { return state_; }
  void set_state(std::uint64_t state) { state_ = state; }

 private:
  std::uint64_t state_;
};

// The seed taken from a FILETIME reading: nanoseconds since 1970 plus one, or a
// fixed constant for clocks set before 1970.
std::uint64_t seed_from_filetime(std::uint64_t filetime);

}  // namespace burrowly
