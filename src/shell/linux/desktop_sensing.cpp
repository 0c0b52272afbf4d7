#include "shell/linux/desktop_sensing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "shell/foreground_kind.h"
#include "shell/proc_readings.h"

namespace burrowly {
namespace {

std::string file_text(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

PowerStatus read_power() {
  std::vector<std::string> texts;  // type, online, capacity of each supply
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/sys/class/power_supply", error)) {
    texts.push_back(file_text(entry.path() / "type"));
    texts.push_back(file_text(entry.path() / "online"));
    texts.push_back(file_text(entry.path() / "capacity"));
  }
  std::vector<PowerSupply> supplies;
  for (std::size_t i = 0; i + 2 < texts.size(); i += 3) supplies.push_back({texts[i], texts[i + 1], texts[i + 2]});
  return power_status(supplies);
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

}  // namespace

std::optional<CpuTimes> read_cpu_times() { return parse_proc_stat(file_text("/proc/stat")); }

void sense_desktop(DesktopSense& sense, const std::optional<ActiveWindow>& active, const AudioActivity& audio,
                   const NetworkState& network) {
  if (std::optional<std::uint32_t> memory = parse_memory_load(file_text("/proc/meminfo"))) sense.memory_load = *memory;
  const PowerStatus power = read_power();
  sense.on_mains_power = power.on_mains_power;
  sense.has_battery = power.has_battery;
  sense.battery_percent = power.battery_percent;
  sense.online = network.online();
  sense.sound_playing = audio.sound_playing();
  sense.microphone_in_use = audio.microphone_in_use();
  sense.foreground_program = active ? lower(active->program) : std::string();
  sense.foreground_kind = std::string(foreground_kind(sense.foreground_program));
}

}  // namespace burrowly
