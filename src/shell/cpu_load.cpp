#include "shell/cpu_load.h"

#include <algorithm>

namespace burrowly {
namespace {
std::uint64_t grown_by(std::uint64_t now, std::uint64_t before) { return now > before ? now - before : 0; }
}  // namespace

float CpuLoadMeter::update(std::optional<CpuTimes> sample) {
  if (!sample) return 0;
  std::optional<CpuTimes> before = previous_;
  previous_ = sample;
  if (!before) return 0;
  std::uint64_t busy = grown_by(sample->kernel, before->kernel) + grown_by(sample->user, before->user);
  std::uint64_t idle = grown_by(sample->idle, before->idle);
  if (busy == 0) return 0;
  double load = double(busy > idle ? busy - idle : 0) / double(busy) * 100.0;
  return float(std::min(load, 100.0));
}

}  // namespace burrowly
