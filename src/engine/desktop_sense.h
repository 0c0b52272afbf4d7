#pragma once
// The desktop status the shell senses once a second and the engine reads every tick.

#include <cstdint>
#include <string>

namespace burrowly {

struct DesktopSense {
  float cpu_load = 0;              // percent 0-100
  std::uint32_t memory_load = 0;   // percent
  bool on_mains_power = false;
  bool has_battery = false;
  std::uint8_t battery_percent = 0;
  bool online = false;
  bool sound_playing = false;      // the music flag
  bool microphone_in_use = false;  // the quiet flag
  std::string foreground_program;
  std::string foreground_kind;     // "code", "terminal", "browser", ... or empty
};

}  // namespace burrowly
