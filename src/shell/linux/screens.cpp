#include "shell/linux/screens.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "engine/habitat.h"
#include "shell/monitor_layout.h"

namespace burrowly {

std::vector<MonitorInfo> enumerate_monitors() {
  std::vector<MonitorInfo> found;
  const QScreen* primary = QGuiApplication::primaryScreen();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect whole = screen->geometry();
    const QRect work = screen->availableGeometry();
    if (whole.isEmpty()) continue;
    MonitorInfo monitor;
    monitor.number = std::uint32_t(found.size() + 1);
    monitor.x = whole.x(), monitor.y = whole.y(), monitor.width = whole.width(), monitor.height = whole.height();
    monitor.work_left = work.left(), monitor.work_top = work.top();
    monitor.work_right = work.x() + work.width(), monitor.work_bottom = work.y() + work.height();
    monitor.scale = std::max(1.0f, float(screen->logicalDotsPerInch() / 96.0));
    monitor.primary = screen == primary;
    found.push_back(monitor);
  }
  return sort_monitors(std::move(found));
}

QRect overlay_rect(const MonitorInfo& monitor, const Config& config) {
  const HabitatRect habitat = habitat_rect(monitor, config.position == Position::top, config.top_notch, config.size);
  return {habitat.x, habitat.y, habitat.width, habitat.height};
}

}  // namespace burrowly
