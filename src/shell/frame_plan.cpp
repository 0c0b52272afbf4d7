#include "shell/frame_plan.h"

#include <algorithm>

namespace burrowly {
namespace {

bool covered(const std::vector<MonitorInfo>& monitors, std::size_t i) { return i < monitors.size() && monitors[i].blocked; }
bool primary(const std::vector<MonitorInfo>& monitors, std::size_t i) { return i < monitors.size() && monitors[i].primary; }

}  // namespace

double frame_seconds(double previous, double now) {
  return std::min(std::max(now - previous, kMinFrameSeconds), kMaxFrameSeconds);
}

bool topmost_due(double& accumulator, double dt) {
  double sum = accumulator + dt;
  bool due = sum >= kTopmostPeriodSeconds;
  accumulator = due ? 0 : sum;
  return due;
}

std::vector<OverlayAction> plan_overlays(const std::vector<MonitorInfo>& monitors, std::size_t overlay_count,
                                         const FrameState& frame) {
  bool pet_covered = covered(monitors, frame.pet_monitor);
  std::vector<OverlayAction> plan(overlay_count, OverlayAction::clear);
  for (std::size_t i = 0; i < overlay_count; ++i) {
    bool is_pet_monitor = i == frame.pet_monitor;
    bool shows = is_pet_monitor || (frame.notch_mode && primary(monitors, i));
    if (!shows || covered(monitors, i) || frame.pet_hidden) continue;
    plan[i] = is_pet_monitor && frame.topmost_due && !pet_covered ? OverlayAction::draw_and_reassert
                                                                  : OverlayAction::draw;
  }
  return plan;
}

bool reassert_only(const std::vector<MonitorInfo>& monitors, std::size_t overlay_count, const FrameState& frame) {
  return frame.topmost_due && !covered(monitors, frame.pet_monitor) && !frame.pet_hidden &&
         frame.pet_monitor < overlay_count;
}

}  // namespace burrowly
