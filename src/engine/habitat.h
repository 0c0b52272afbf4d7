#pragma once
// The overlay window and ground line of the pet's habitat on one monitor.

#include "engine/monitor_info.h"
#include "render/habitat_rect.h"

namespace burrowly {

HabitatRect habitat_rect(const MonitorInfo& monitor, bool top_mode, bool top_notch);

}  // namespace burrowly
