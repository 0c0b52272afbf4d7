#include "shell/proc_readings.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace burrowly {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\n");
  return text.substr(first, last - first + 1);
}

// The unsigned numbers of a line, in order, up to the first thing that is not one.
std::vector<std::uint64_t> numbers_in(std::string_view line) {
  std::vector<std::uint64_t> numbers;
  for (;;) {
    line = trimmed(line);
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc()) return numbers;
    numbers.push_back(value);
    line.remove_prefix(std::size_t(end - line.data()));
  }
}

// The rest of the line that starts with key; nothing when no line does.
std::optional<std::string_view> line_after(std::string_view text, std::string_view key) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    if (line.starts_with(key)) return line.substr(key.size());
    at = end + 1;
  }
  return std::nullopt;
}

}  // namespace

std::optional<CpuTimes> parse_proc_stat(std::string_view text) {
  std::optional<std::string_view> line = line_after(text, "cpu ");
  if (!line) return std::nullopt;
  std::vector<std::uint64_t> n = numbers_in(*line);
  if (n.size() < 4) return std::nullopt;
  n.resize(8, 0);  // user nice system idle iowait irq softirq steal
  const std::uint64_t idle = n[3] + n[4];
  return CpuTimes{idle, n[2] + n[5] + n[6] + idle, n[0] + n[1] + n[7]};
}

std::optional<std::uint32_t> parse_memory_load(std::string_view text) {
  std::optional<std::string_view> total = line_after(text, "MemTotal:");
  std::optional<std::string_view> available = line_after(text, "MemAvailable:");
  if (!total || !available) return std::nullopt;
  std::vector<std::uint64_t> t = numbers_in(*total), a = numbers_in(*available);
  if (t.empty() || a.empty() || t[0] == 0) return std::nullopt;
  const std::uint64_t used = t[0] > a[0] ? t[0] - a[0] : 0;
  return std::uint32_t(used * 100 / t[0]);
}

PowerStatus power_status(const std::vector<PowerSupply>& supplies) {
  PowerStatus status;
  bool mains_online = false;
  for (const PowerSupply& supply : supplies) {
    const std::string_view type = trimmed(supply.type);
    if ((type == "Mains" || type == "USB") && trimmed(supply.online) == "1") mains_online = true;
    if (type == "Battery" && !status.has_battery) {
      status.has_battery = true;
      std::vector<std::uint64_t> capacity = numbers_in(supply.capacity);
      status.battery_percent = std::uint8_t(std::min<std::uint64_t>(capacity.empty() ? 0 : capacity[0], 100));
    }
  }
  status.on_mains_power = mains_online || !status.has_battery;
  return status;
}

}  // namespace burrowly
