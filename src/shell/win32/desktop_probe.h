#pragma once
// Reading the desktop from Windows: monitors, the foreground window, processor,
// memory, power, network and audio. Every failed call leaves its value unknown.

#include <windows.h>
#include <mmdeviceapi.h>
#include <netlistmgr.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/desktop_sense.h"
#include "shell/cpu_load.h"
#include "shell/monitor_layout.h"

namespace burrowly {

// Sorted by left edge, numbered in enumeration order, blocked flags marked; never empty.
std::vector<MonitorInfo> enumerate_monitors();
// The visible foreground window, for blocking; nothing without one.
std::optional<ForegroundWindow> foreground_for_blocking();

std::optional<CpuTimes> read_cpu_times();

// COM objects that sensing uses; either may be absent.
struct SensingObjects {
  INetworkListManager* network = nullptr;
  IMMDeviceEnumerator* audio = nullptr;

  static SensingObjects create();
  void release();
};

// Refreshes every value of `sense` except the processor load.
void sense_desktop(DesktopSense& sense, const SensingObjects& objects);

}  // namespace burrowly
