#pragma once
// Reading the Linux kernel's status texts: processor times from /proc/stat, memory
// from /proc/meminfo, power from the supplies under /sys/class/power_supply.

#include <optional>
#include <string_view>
#include <vector>

#include "shell/cpu_load.h"

namespace burrowly {

// The summed "cpu" line: idle and I/O wait are idle; system, interrupts and idle are
// kernel (kernel time includes idle, as the load meter expects); user, nice and steal
// are user. Nothing without that line.
std::optional<CpuTimes> parse_proc_stat(std::string_view text);

// Percent of memory in use, from MemTotal and MemAvailable; nothing without both.
std::optional<std::uint32_t> parse_memory_load(std::string_view text);

// One supply's "type", "online" and "capacity" files (missing ones empty).
struct PowerSupply {
  std::string_view type, online, capacity;
};

struct PowerStatus {
  bool on_mains_power = false;
  bool has_battery = false;
  std::uint8_t battery_percent = 0;
};

// A machine without a battery runs on mains; otherwise an online "Mains" or "USB"
// supply says so. The first battery's capacity, at most 100.
PowerStatus power_status(const std::vector<PowerSupply>& supplies);

}  // namespace burrowly
