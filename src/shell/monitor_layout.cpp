#include "shell/monitor_layout.h"

#include <algorithm>
#include <array>

namespace burrowly {

std::vector<MonitorInfo> sort_monitors(std::vector<MonitorInfo> enumerated) {
  if (enumerated.empty()) return {fallback_monitor()};
  for (std::size_t i = 0; i < enumerated.size(); ++i) enumerated[i].number = std::uint32_t(i + 1);
  std::stable_sort(enumerated.begin(), enumerated.end(),
                   [](const MonitorInfo& a, const MonitorInfo& b) { return a.x < b.x; });
  return enumerated;
}

bool is_never_fullscreen_class(std::u16string_view class_name) {
  static constexpr std::array<std::u16string_view, 6> kClasses{
      u"Shell_TrayWnd", u"Shell_SecondaryTrayWnd", u"Progman", u"WorkerW", u"BurrowlyHostClass",
      u"BurrowlyOverlayClass"};
  return std::find(kClasses.begin(), kClasses.end(), class_name) != kClasses.end();
}

void mark_blocked_monitors(std::vector<MonitorInfo>& monitors, const std::optional<ForegroundWindow>& foreground) {
  for (MonitorInfo& m : monitors) m.blocked = false;
  if (!foreground || !foreground->rect || is_never_fullscreen_class(foreground->class_name)) return;
  constexpr std::int32_t kTolerance = 2;
  const WindowRect& r = *foreground->rect;
  for (MonitorInfo& m : monitors)
    m.blocked = r.left <= m.x + kTolerance && r.top <= m.y + kTolerance && r.right >= m.x + m.width - kTolerance &&
                r.bottom >= m.y + m.height - kTolerance;
}

}  // namespace burrowly
