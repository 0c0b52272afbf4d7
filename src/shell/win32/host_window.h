#pragma once
// The host window's procedure: timers, the tray callback, the signal wake-up, power
// and session events, display changes.

#include <windows.h>

#include "config/config.h"
#include "engine/monitor_info.h"
#include "shell/win32/overlay_window.h"

namespace burrowly {

LRESULT CALLBACK host_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Applies queued signals, advances the pet and redraws the overlays that need it.
void frame_tick();
// Once a second: processor, memory, power, network, audio, foreground, blocking.
void sensing_tick();
// Re-reads the monitors and re-places the overlays.
void relayout_monitors();

struct AppState;
// The overlay window rectangle of a monitor for the current lane settings.
ScreenRect overlay_rect(const MonitorInfo& monitor, const Config& config);
// One overlay per monitor for the lane settings; monitors whose overlay cannot be
// made are skipped.
void create_overlays(AppState& app, const Config& config);

}  // namespace burrowly
