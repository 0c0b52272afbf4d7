#pragma once
// A seeded engine on scripted monitors, a hand-built atlas, a fixed wall clock and a
// recording settings store.

#include <memory>
#include <string>
#include <vector>

#include "engine/pet_engine.h"

namespace burrowly::testing {

// Every clip of the shipped art with its frame count, minus the ones named.
std::shared_ptr<const SizeAtlas> make_atlas(const std::vector<std::string>& missing = {});

struct EngineRig {
  LocalTime clock{2026, 3, 4, 12, 30, 3};  // a Wednesday lunchtime-free afternoon
  std::vector<Config> saves;
  std::vector<std::string> missing_clips;
  std::uint64_t filetime = 116444736000000000ULL + 12345;

  PetEngine make(Config config, std::vector<MonitorInfo> monitors = {MonitorInfo{}});
  // Runs the engine for a while with still input far from the pet.
  static void run(PetEngine& engine, float seconds, InputSnapshot input = far_input(),
                  DesktopSense desktop = {});
  static InputSnapshot far_input();
};

// A settings record that keeps the pet quiet unless a test wants otherwise.
Config quiet_config();

}  // namespace burrowly::testing
