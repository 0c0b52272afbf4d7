#include "shell/win32/host_window.h"

#include <wtsapi32.h>

#include "app/app_state.h"
#include "engine/habitat.h"
#include "engine/input_snapshot.h"
#include "platform/clock.h"
#include "shell/frame_driver.h"
#include "shell/left_button.h"
#include "shell/win32/tray_icon.h"
#include "shell/win32/tray_icon_clicks.h"
#include "shell/win32/tray_menu_win32.h"

namespace burrowly {
namespace {

void wake_up_stretch() {
  if (auto app = app_slot().borrow()) app->engine->start_wake_stretch();
}

// Every queued message comes with its own wake-up, and the first of them drains the
// channel; the rest find it empty. Skipping those keeps a flood of clients from queueing
// one full frame per message ahead of everything else the window is sent (such as a
// request to close).
bool signals_waiting() {
  auto app = app_slot().borrow();
  return app && app->signals->has_messages();
}

InputSnapshot poll_input(AppState& app) {
  InputSnapshot input;
  POINT cursor{0, 0};
  if (GetCursorPos(&cursor)) input.cursor_x = cursor.x, input.cursor_y = cursor.y;
  // The low bit tells of a press since the previous call, which a click shorter than a
  // frame leaves behind alone.
  const SHORT button = GetAsyncKeyState(VK_LBUTTON);
  const LeftButtonFrame left = left_button_frame((button & 0x8000) != 0, (button & 1) != 0, app.left_was_down);
  input.left_down = left.down;
  input.left_pressed = left.pressed;
  LASTINPUTINFO last{};
  last.cbSize = sizeof(last);
  input.idle_ms = GetLastInputInfo(&last) ? GetTickCount() - last.dwTime : 1000;
  return input;
}

}  // namespace

ScreenRect overlay_rect(const MonitorInfo& monitor, const Config& config) {
  HabitatRect habitat = habitat_rect(monitor, config.position == Position::top, config.top_notch, config.size);
  return {habitat.x, habitat.y, habitat.width, habitat.height};
}

void create_overlays(AppState& app, const Config& config) {
  app.overlays.clear();
  for (const MonitorInfo& monitor : app.monitors)
    if (auto overlay = OverlayWindow::create(app.instance, overlay_rect(monitor, config)))
      app.overlays.push_back(std::move(*overlay));
}

void frame_tick() {
  auto app = app_slot().borrow();
  if (!app || app->session_locked) return;
  double now = monotonic_seconds();
  double dt = frame_seconds(app->previous_frame, now);
  app->previous_frame = now;
  if (apply_signals(*app->engine, app->signals->drain())) refresh_tooltip(*app);
  InputSnapshot input = poll_input(*app);
  step_frame(app->frame_scene(), app->overlays, input, dt, app->topmost_accumulator);
}

void sensing_tick() {
  auto app = app_slot().borrow();
  if (!app) return;
  app->desktop.cpu_load = app->cpu.update(read_cpu_times());
  sense_desktop(app->desktop, app->sensing);
  update_blocked_monitors(*app->engine, app->monitors, foreground_for_blocking());
}

void relayout_monitors() {
  auto app = app_slot().borrow();
  if (!app) return;
  app->monitors = enumerate_monitors();
  app->engine->replace_monitors(app->monitors);
  if (app->monitors.size() != app->overlays.size()) {
    create_overlays(*app, app->engine->config());
  } else {
    for (std::size_t i = 0; i < app->overlays.size(); ++i)
      app->overlays[i].place(overlay_rect(app->monitors[i], app->engine->config()));
  }
  app->engine->request_redraw();
}

LRESULT CALLBACK host_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
      relayout_monitors();
      return 0;
    case WM_TIMER:
      if (wparam == kFrameTimer) frame_tick();
      else if (wparam == kSensingTimer) sensing_tick();
      else if (wparam == kTrayClickTimer) on_tray_click_timer(window);
      return 0;
    case kSignalReadyMessage:
      if (signals_waiting()) frame_tick();
      return 0;
    case WM_POWERBROADCAST:
      if (wparam == PBT_APMRESUMEAUTOMATIC) wake_up_stretch();
      return TRUE;
    case WM_WTSSESSION_CHANGE:
      if (auto app = app_slot().borrow()) {
        if (wparam == WTS_SESSION_LOCK) app->session_locked = true;
        if (wparam == WTS_SESSION_UNLOCK) app->session_locked = false;
      }
      if (wparam == WTS_SESSION_UNLOCK) wake_up_stretch();
      return 0;
    case kTrayCallbackMessage:
      on_tray_icon_mouse(window, LOWORD(lparam));
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace burrowly
