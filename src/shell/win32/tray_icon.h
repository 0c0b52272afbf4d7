#pragma once
// The notification-area icon.

#include <windows.h>

#include <string>

namespace burrowly {

inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;

// The icon from the embedded 48 x 48 PNG, at 32 x 32; null when it cannot be made.
HICON create_tray_icon_handle();

void add_tray_icon(HWND host, HICON icon, const std::u16string& tooltip);
void set_tray_tooltip(HWND host, const std::u16string& tooltip);
void delete_tray_icon(HWND host);

}  // namespace burrowly
