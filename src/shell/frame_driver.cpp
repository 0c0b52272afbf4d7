#include "shell/frame_driver.h"

#include <variant>

namespace burrowly {

bool apply_signals(PetEngine& engine, const std::vector<SignalMsg>& messages) {
  bool profile_switched = false;
  for (const SignalMsg& message : messages) {
    engine.on_signal(message);
    if (std::holds_alternative<ProfileMsg>(message)) profile_switched = true;
    else engine.request_redraw();
  }
  return profile_switched;
}

void update_blocked_monitors(PetEngine& engine, std::vector<MonitorInfo>& monitors,
                             const std::optional<ForegroundWindow>& foreground) {
  const std::vector<MonitorInfo> before = monitors;
  mark_blocked_monitors(monitors, foreground);
  if (monitors != before) engine.update_blocked_flags(monitors);
}

}  // namespace burrowly
