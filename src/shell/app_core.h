#pragma once
// What both tray applications own for the whole run besides their windows: the
// settings and profiles, the art, the pet engine, the message channel and the sensed
// desktop.

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
#include "shell/frame_driver.h"
#include "shell/signal_channel.h"

namespace burrowly {

struct AppCore {
  std::vector<MonitorInfo> monitors;
  std::shared_ptr<ProfileIndex> profiles;  // shared with the engine's profile services
  std::unique_ptr<AssetStore> assets;  // the engine's and the renderer's art lookups point into it
  std::optional<PetEngine> engine;  // made at start-up, present for the whole run
  std::shared_ptr<SignalChannel> signals;  // the receiving end; the listener thread pushes
  FigureArtLookup art;
  HeldArt shown_art;  // the art of the pets on screen
  Font font;
  CpuLoadMeter cpu;
  DesktopSense desktop;
  double previous_frame = 0;
  double topmost_accumulator = 0;
  bool left_was_down = false;
  bool session_locked = false;

  FrameScene frame_scene() { return {*engine, monitors, desktop, art, font, shown_art}; }
};

// Loads the settings and the profiles index, opens the art store and the system font,
// and makes the engine on these monitors: drawing its art from the store, living by the
// system clocks, and saving and switching profiles through the shared index. The frame
// clock starts now; the shell takes the first processor sample.
void start_app_core(AppCore& core, std::vector<MonitorInfo> monitors);

}  // namespace burrowly
