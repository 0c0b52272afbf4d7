#pragma once
// The host window's procedure: timers, the tray callback, the signal wake-up, power
// and session events, display changes.

#include <windows.h>

namespace burrowly {

LRESULT CALLBACK host_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Applies queued signals, advances the pet and redraws the overlays that need it.
void frame_tick();
// Once a second: processor, memory, power, network, audio, foreground, blocking.
void sensing_tick();
// Re-reads the monitors and re-places the overlays.
void relayout_monitors();

}  // namespace burrowly
