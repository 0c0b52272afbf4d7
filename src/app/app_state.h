#pragma once
// Everything the tray application's user-interface thread owns for the whole run.

#include <windows.h>

#include <vector>

#include "shell/app_core.h"
#include "shell/exclusive_slot.h"
#include "shell/tray_clicks.h"
#include "shell/win32/desktop_probe.h"
#include "shell/win32/overlay_window.h"

namespace burrowly {

inline constexpr UINT kSignalReadyMessage = WM_APP + 2;
inline constexpr UINT_PTR kFrameTimer = 1, kSensingTimer = 2, kTrayClickTimer = 3;

struct AppState : AppCore {
  HINSTANCE instance = nullptr;
  HWND host = nullptr;
  HICON tray_icon = nullptr;
  HANDLE mutex = nullptr;
  std::vector<OverlayWindow> overlays;  // one per monitor, in monitor order
  SensingObjects sensing;
  TrayClicks tray_clicks;
};

// The user-interface thread's slot; handlers borrow the state from it.
ExclusiveSlot<AppState>& app_slot();

}  // namespace burrowly
