#pragma once
// Once a second: processor, memory and power from the kernel's files, online from
// NetworkManager (else a default route), the active window's program and kind, and
// sound and microphone from what the audio server last reported.

#include <optional>

#include "engine/desktop_sense.h"
#include "shell/cpu_load.h"
#include "shell/linux/audio_activity.h"
#include "shell/linux/network_state.h"
#include "shell/linux/x11_desktop.h"

namespace burrowly {

std::optional<CpuTimes> read_cpu_times();

// Refreshes every value of `sense` except the processor load; a failed read keeps the
// old value.
void sense_desktop(DesktopSense& sense, const std::optional<ActiveWindow>& active, const AudioActivity& audio,
                   const NetworkState& network);

}  // namespace burrowly
