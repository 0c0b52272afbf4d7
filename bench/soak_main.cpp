// burrowly-soak [HOURS] [SEED]: the engine soak at full length (default 8 simulated
// hours) on each lane with one, two and three monitors; prints what each run saw and
// exits 1 on a broken rule, a missed activity, a pet hanging in the air, a frame with
// something outside its overlay, a message cut short or heap growth after the first minute.
#include <cstdio>
#include <cstdlib>

#include "engine_soak.h"

using namespace burrowly;

namespace {

bool run(double hours, std::uint64_t seed, bool top_lane, int monitor_count) {
  const testing::SoakReport report =
      testing::run_engine_soak(hours * 3600, seed, {top_lane, monitor_count});
  std::printf("soak (%s lane, %d monitor%s): %.2f simulated hours, %llu ticks, %zu of %d activities reached\n",
              top_lane ? "top" : "taskbar", monitor_count, monitor_count == 1 ? "" : "s", hours,
              static_cast<unsigned long long>(report.ticks), report.activities.size(), int(Activity::vibe) + 1);
  bool ok = !report.fault && report.activities.size() == std::size_t(Activity::vibe) + 1;
  if (report.fault) std::printf("soak: %s\n", report.fault->c_str());
  std::printf("soak: lift outside jumps %.1f px, frames outside the overlay %llu, messages cut short %llu\n",
              report.lift_outside_jumps, static_cast<unsigned long long>(report.frames_outside_overlay),
              static_cast<unsigned long long>(report.messages_cut_short));
  ok = ok && report.lift_outside_jumps == 0 && report.frames_outside_overlay == 0 && report.messages_cut_short == 0;
  if (report.heap_after_first_minute && report.heap_at_end) {
    const long long growth =
        static_cast<long long>(*report.heap_at_end) - static_cast<long long>(*report.heap_after_first_minute);
    std::printf("soak: heap in use after the first minute %zu bytes, at the end %zu (%+lld)\n",
                *report.heap_after_first_minute, *report.heap_at_end, growth);
    ok = ok && growth < 64 * 1024;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const double hours = argc > 1 ? std::atof(argv[1]) : 8;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  bool ok = true;
  for (const bool top_lane : {false, true})
    for (const int monitor_count : {1, 2, 3}) ok = run(hours, seed, top_lane, monitor_count) && ok;
  std::printf("soak: %s\n", ok ? "ok" : "FAILED");
  return ok ? 0 : 1;
}
