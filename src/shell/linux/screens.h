#pragma once
// The monitors as Qt's screens report them, in device pixels.

#include <QRect>

#include <vector>

#include "config/config.h"
#include "engine/monitor_info.h"

namespace burrowly {

// Sorted by left edge, numbered in Qt's order; never empty.
std::vector<MonitorInfo> enumerate_monitors();

// The overlay rectangle of a monitor for the current lane settings.
QRect overlay_rect(const MonitorInfo& monitor, const Config& config);

}  // namespace burrowly
