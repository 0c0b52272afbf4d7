#include "shell/win32/frame_loop.h"

#include <wtsapi32.h>

#include "app/app_state.h"
#include "engine/input_snapshot.h"
#include "platform/clock.h"
#include "shell/frame_plan.h"
#include "shell/win32/tray_icon.h"
#include "shell/win32/tray_menu_win32.h"

namespace burrowly {
namespace {

InputSnapshot poll_input(AppState& app) {
  InputSnapshot input;
  POINT cursor{0, 0};
  if (GetCursorPos(&cursor)) input.cursor_x = cursor.x, input.cursor_y = cursor.y;
  input.left_down = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
  input.left_pressed = input.left_down && !app.left_was_down;
  app.left_was_down = input.left_down;
  LASTINPUTINFO last{};
  last.cbSize = sizeof(last);
  input.idle_ms = GetLastInputInfo(&last) ? GetTickCount() - last.dwTime : 1000;
  return input;
}

std::size_t primary_index(const std::vector<MonitorInfo>& monitors) {
  for (std::size_t i = 0; i < monitors.size(); ++i)
    if (monitors[i].primary) return i;
  return 0;
}

}  // namespace

void frame_tick() {
  auto app = app_slot().borrow();
  if (!app || app->session_locked) return;
  double now = monotonic_seconds();
  double dt = frame_seconds(app->previous_frame, now);
  app->previous_frame = now;
  InputSnapshot input = poll_input(*app);
  (void)input;
  std::size_t pet_monitor = primary_index(app->monitors);
  FrameState frame{.pet_monitor = pet_monitor,
                   .pet_hidden = app->config.pet_hidden,
                   .notch_mode = app->config.position == Position::top && app->config.top_notch,
                   .topmost_due = topmost_due(app->topmost_accumulator, dt)};
  if (!app->redraw) {
    if (reassert_only(app->monitors, app->overlays.size(), frame)) app->overlays[pet_monitor].reassert_topmost();
    return;
  }
  std::vector<OverlayAction> plan = plan_overlays(app->monitors, app->overlays.size(), frame);
  for (std::size_t i = 0; i < plan.size(); ++i) {
    OverlayWindow& overlay = app->overlays[i];
    if (plan[i] == OverlayAction::clear) {
      overlay.clear_and_hide();
      continue;
    }
    overlay.show();
    overlay.clear_pixels();
    overlay.push(plan[i] == OverlayAction::draw_and_reassert);
  }
  app->redraw = false;
}

void sensing_tick() {
  auto app = app_slot().borrow();
  if (!app) return;
  app->desktop.cpu_load = app->cpu.update(read_cpu_times());
  sense_desktop(app->desktop, app->sensing);
  mark_blocked_monitors(app->monitors, foreground_for_blocking());
}

void relayout_monitors() {
  auto app = app_slot().borrow();
  if (!app) return;
  app->monitors = enumerate_monitors();
  app->redraw = true;
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
      return 0;
    case kSignalReadyMessage:
      frame_tick();
      return 0;
    case WM_POWERBROADCAST:
      return TRUE;
    case WM_WTSSESSION_CHANGE:
      if (auto app = app_slot().borrow()) {
        if (wparam == WTS_SESSION_LOCK) app->session_locked = true;
        if (wparam == WTS_SESSION_UNLOCK) app->session_locked = false;
      }
      return 0;
    case kTrayCallbackMessage:
      if (LOWORD(lparam) == WM_LBUTTONUP || LOWORD(lparam) == WM_RBUTTONUP) open_tray_menu(window);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace burrowly
