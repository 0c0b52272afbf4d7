#include "shell/win32/tray_icon_clicks.h"

#include "app/app_state.h"
#include "shell/tray_clicks.h"
#include "shell/win32/tray_menu_win32.h"

namespace burrowly {
namespace {

// Decides under the borrow and acts after it: the menu must open with the state free.
template <typename Decide>
void act(HWND host, Decide decide) {
  TrayClickAction action = TrayClickAction::none;
  {
    auto app = app_slot().borrow();
    if (!app) return;
    action = decide(app->tray_clicks);
    if (action == TrayClickAction::throw_toy) app->engine->throw_ball();
  }
  switch (action) {
    case TrayClickAction::start_wait: SetTimer(host, kTrayClickTimer, GetDoubleClickTime(), nullptr); break;
    case TrayClickAction::open_menu:
      KillTimer(host, kTrayClickTimer);
      open_tray_menu(host);
      break;
    case TrayClickAction::throw_toy:
    case TrayClickAction::none: KillTimer(host, kTrayClickTimer); break;
  }
}

}  // namespace

void on_tray_icon_mouse(HWND host, UINT mouse_message) {
  if (mouse_message == WM_LBUTTONUP) act(host, [](TrayClicks& clicks) { return clicks.left_up(); });
  if (mouse_message == WM_RBUTTONUP) act(host, [](TrayClicks& clicks) { return clicks.right_up(); });
}

void on_tray_click_timer(HWND host) {
  act(host, [](TrayClicks& clicks) { return clicks.wait_over(); });
}

}  // namespace burrowly
