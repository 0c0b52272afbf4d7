// burrowly-soak [HOURS] [SEED]: the engine soak at full length (default 8 simulated
// hours); prints what it saw and exits 1 on a broken rule, a missed activity or heap
// growth after the first minute.
#include <cstdio>
#include <cstdlib>

#include "engine_soak.h"

using namespace burrowly;

int main(int argc, char** argv) {
  const double hours = argc > 1 ? std::atof(argv[1]) : 8;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  const testing::SoakReport report = testing::run_engine_soak(hours * 3600, seed);
  std::printf("soak: %.2f simulated hours, %llu ticks, %zu of %d activities reached\n", hours,
              static_cast<unsigned long long>(report.ticks), report.activities.size(), int(Activity::vibe) + 1);
  bool ok = !report.fault && report.activities.size() == std::size_t(Activity::vibe) + 1;
  if (report.fault) std::printf("soak: %s\n", report.fault->c_str());
  if (report.heap_after_first_minute && report.heap_at_end) {
    const long long growth =
        static_cast<long long>(*report.heap_at_end) - static_cast<long long>(*report.heap_after_first_minute);
    std::printf("soak: heap in use after the first minute %zu bytes, at the end %zu (%+lld)\n",
                *report.heap_after_first_minute, *report.heap_at_end, growth);
    ok = ok && growth < 64 * 1024;
  }
  std::printf("soak: %s\n", ok ? "ok" : "FAILED");
  return ok ? 0 : 1;
}
