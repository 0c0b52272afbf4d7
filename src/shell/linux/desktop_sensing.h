#pragma once
// Once a second: processor, memory and power from the kernel's files, online from
// NetworkManager (else a default route), and the active window's program and kind.
// Sound and microphone stay false: no audio server is asked.

#include <optional>

#include "engine/desktop_sense.h"
#include "shell/cpu_load.h"
#include "shell/linux/x11_desktop.h"

namespace burrowly {

std::optional<CpuTimes> read_cpu_times();

// Refreshes every value of `sense` except the processor load; a failed read keeps the
// old value.
void sense_desktop(DesktopSense& sense, const std::optional<ActiveWindow>& active);

}  // namespace burrowly
