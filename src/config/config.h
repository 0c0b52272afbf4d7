#pragma once
// One profile's settings and counters, in the order they are written to its file.

#include <cstdint>
#include <map>
#include <string>

namespace burrowly {

enum class Position { taskbar, top };

struct Config {
  std::string profile_id;
  std::string profile_display;
  std::string pet = "corgi";
  std::string size = "M";
  std::string coat = "black";
  std::string outfit = "season";
  std::string lang;
  Position position = Position::taskbar;
  bool top_notch = false;
  std::string mood = "normal";
  std::uint32_t break_min = 50;
  std::uint32_t water_min = 60;
  std::int32_t lunch_hour = 13;
  std::int32_t bed_hour = 23;
  std::map<std::string, std::string> pet_names;
  bool pet_hidden = false;
  bool forced_sleep = false;
  bool chatty = true;
  bool watch_pc = true;
  bool listens = false;
  bool cross_monitors = true;
  std::string first_day;
  std::string visit_day;
  std::string stat_day;
  std::uint32_t stat_cursor = 0;
  std::uint32_t stat_fly = 0;
  std::uint32_t stat_ball = 0;
  std::uint32_t stat_pet_today = 0;
  std::uint32_t stat_pet_all = 0;
  std::string work_day;
  std::uint32_t work_sec = 0;
  std::uint32_t water_count = 0;

  bool operator==(const Config&) const = default;
};

}  // namespace burrowly
