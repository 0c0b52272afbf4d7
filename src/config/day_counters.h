#pragma once
// The counters that start again every day: today's play and petting statistics, and
// the work time and glasses of water of the reminders.

#include <string_view>

#include "config/config.h"

namespace burrowly {

// Starts the daily counters again when their day mark is not `today`. Saves nothing.
void roll_day(Config& config, std::string_view today);

}  // namespace burrowly
