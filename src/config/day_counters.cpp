#include "config/day_counters.h"

namespace burrowly {

void roll_day(Config& config, std::string_view today) {
  if (config.stat_day != today) {
    config.stat_day = today;
    config.stat_cursor = config.stat_fly = config.stat_ball = config.stat_pet_today = 0;
  }
  if (config.work_day != today) {
    config.work_day = today;
    config.work_sec = config.water_count = 0;
  }
}

}  // namespace burrowly
