#pragma once
// The tray icon's mouse clicks: a right click opens the menu at once, a left click once
// the double-click time has passed without a second click, and a double click throws
// the toy.

#include <windows.h>

namespace burrowly {

// The icon's callback message, with the mouse message it carries.
void on_tray_icon_mouse(HWND host, UINT mouse_message);
// The double-click timer (kTrayClickTimer) fired.
void on_tray_click_timer(HWND host);

}  // namespace burrowly
