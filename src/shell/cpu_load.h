#pragma once
// Processor load from successive samples of the system's idle, kernel and user times.

#include <cstdint>
#include <optional>

namespace burrowly {

// Cumulative times in any common unit; kernel time includes idle time.
struct CpuTimes {
  std::uint64_t idle = 0, kernel = 0, user = 0;
};

class CpuLoadMeter {
 public:
  // Takes a new sample (nothing when the read failed) and returns the share of
  // non-idle time since the previous one, in percent. The first sample, a failed
  // read or an interval without busy time give 0; a failed read keeps the old sample.
  float update(std::optional<CpuTimes> sample);

 private:
  std::optional<CpuTimes> previous_;
};

}  // namespace burrowly
