#pragma once
// Everything the tray application's user-interface thread owns for the whole run.

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "assets/asset_store.h"
#include "config/profile_index.h"
#include "engine/desktop_sense.h"
#include "engine/monitor_info.h"
#include "engine/pet_engine.h"
#include "render/font.h"
#include "render/snapshot_renderer.h"
#include "shell/cpu_load.h"
#include "shell/exclusive_slot.h"
#include "shell/signal_channel.h"
#include "shell/tray_clicks.h"
#include "shell/win32/desktop_probe.h"
#include "shell/win32/overlay_window.h"

namespace burrowly {

inline constexpr UINT kSignalReadyMessage = WM_APP + 2;
inline constexpr UINT_PTR kFrameTimer = 1, kSensingTimer = 2, kTrayClickTimer = 3;

struct AppState {
  HINSTANCE instance = nullptr;
  HWND host = nullptr;
  HICON tray_icon = nullptr;
  HANDLE mutex = nullptr;
  std::vector<MonitorInfo> monitors;
  std::vector<OverlayWindow> overlays;  // one per monitor, in monitor order
  std::shared_ptr<ProfileIndex> profiles;  // shared with the engine's profile services
  std::unique_ptr<AssetStore> assets;  // the engine's and the renderer's art lookups point into it
  std::optional<PetEngine> engine;  // made at start-up, present for the whole run
  std::shared_ptr<SignalChannel> signals;  // the receiving end; the pipe thread pushes
  FigureArtLookup art;
  Font font;
  SensingObjects sensing;
  CpuLoadMeter cpu;
  DesktopSense desktop;
  double previous_frame = 0;
  double topmost_accumulator = 0;
  bool left_was_down = false;
  TrayClicks tray_clicks;
  bool session_locked = false;
};

// The user-interface thread's slot; handlers borrow the state from it.
ExclusiveSlot<AppState>& app_slot();

}  // namespace burrowly
