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
  // The highest the pet hung above its ground (the notch hump counts as ground) outside a
  // jump or a leap: a pet that no activity holds up must be on its way down.
  float lift_outside_jumps = 0;
  // Frames where any part of the pet (as tall as the tallest animal, hat on), its toy or
  // prop, or the bubble's anchor was outside the overlay window.
  std::uint64_t frames_outside_overlay = 0;
  // Messages from the command line that left the bubble before their time without
  // another message (or the user's own command) taking their place.
  std::uint64_t messages_cut_short = 0;
  // Heap bytes in use after the first simulated minute and at the end, where the C
  // library can tell.
  std::optional<std::size_t> heap_after_first_minute, heap_at_end;
};

// The lane and the number of monitors a run keeps to; left open, the run changes them.
struct SoakSetup {
  std::optional<bool> top_lane;
  std::optional<int> monitor_count;  // 1, 2 or 3
};

SoakReport run_engine_soak(double simulated_seconds, std::uint64_t seed, SoakSetup setup = {});

}  // namespace burrowly::testing
