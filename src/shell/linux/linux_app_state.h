#pragma once
// Everything the Linux tray application's main thread owns for the whole run.

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
#include "shell/signal_channel.h"
#include "shell/linux/overlay_window.h"
#include "shell/linux/x11_desktop.h"

namespace burrowly {

class TrayIcon;

struct LinuxAppState {
  std::vector<MonitorInfo> monitors;
  std::vector<OverlayWindow> overlays;  // one per monitor, in monitor order
  std::shared_ptr<ProfileIndex> profiles;  // shared with the engine's profile services
  std::unique_ptr<AssetStore> assets;  // the engine's and the renderer's art lookups point into it
  std::optional<PetEngine> engine;  // made at start-up, present for the whole run
  std::shared_ptr<SignalChannel> signals;  // the receiving end; the socket thread pushes
  std::unique_ptr<TrayIcon> tray;
  FigureArtLookup art;
  Font font;
  X11Desktop x11;
  CpuLoadMeter cpu;
  DesktopSense desktop;
  double previous_frame = 0;
  double topmost_accumulator = 0;
  bool left_was_down = false;
  bool session_locked = false;
};

}  // namespace burrowly
