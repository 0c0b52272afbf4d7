#pragma once
// A long run of the pet engine at 33 ms ticks with random but plausible input: a user
// who comes and goes, sweeps the cursor, clicks and strokes the pet and types; a
// desktop whose load, power, network, sound and foreground program change; messages,
// toys, profile and animal switches and monitor re-layouts. Every tick is checked.

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "engine/activity.h"

namespace burrowly::testing {

struct SoakReport {
  std::uint64_t ticks = 0;
  std::set<Activity> activities;    // every activity the pet was seen in
  std::optional<std::string> fault; // the first broken rule, with the simulated time
  // Heap bytes in use after the first simulated minute and at the end, where the C
  // library can tell.
  std::optional<std::size_t> heap_after_first_minute, heap_at_end;
};

SoakReport run_engine_soak(double simulated_seconds, std::uint64_t seed);

}  // namespace burrowly::testing
