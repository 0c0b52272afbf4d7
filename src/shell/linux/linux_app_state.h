#pragma once
// Everything the Linux tray application's main thread owns for the whole run.

#include <memory>
#include <vector>

#include "shell/app_core.h"
#include "shell/linux/audio_activity.h"
#include "shell/linux/network_state.h"
#include "shell/linux/overlay_window.h"
#include "shell/linux/x11_desktop.h"

namespace burrowly {

class TrayIcon;

struct LinuxAppState : AppCore {
  std::vector<OverlayWindow> overlays;  // one per monitor, in monitor order
  std::unique_ptr<TrayIcon> tray;
  X11Desktop x11;
  AudioActivity audio;
  NetworkState network;
};

}  // namespace burrowly
