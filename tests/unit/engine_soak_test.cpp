// Half an hour of simulated use (the eight-hour run is in scripts/bench).
#include <gtest/gtest.h>

#include "engine_soak.h"

namespace burrowly::testing {
namespace {

TEST(EngineSoak, HalfAnHourOfRandomUseKeepThePetSoundAndReachEveryActivity) {
  const SoakReport report = run_engine_soak(30 * 60, 1);
  EXPECT_FALSE(report.fault) << *report.fault;
  EXPECT_EQ(report.lift_outside_jumps, 0.0f);
  EXPECT_EQ(report.frames_outside_overlay, 0u);
  EXPECT_EQ(report.messages_cut_short, 0u);
  EXPECT_GE(report.ticks, std::uint64_t(30 * 60 / 0.033) - 1);
  for (int a = 0; a <= int(Activity::vibe); ++a)
    EXPECT_TRUE(report.activities.count(Activity(a))) << "never reached activity " << a;
  if (report.heap_after_first_minute && report.heap_at_end) {
    EXPECT_LT(double(*report.heap_at_end), double(*report.heap_after_first_minute) + 64 * 1024);
  }
}

}  // namespace
}  // namespace burrowly::testing
