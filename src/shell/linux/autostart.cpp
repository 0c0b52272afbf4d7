#include "shell/linux/autostart.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/env.h"
#include "platform/user_paths.h"
#include "shell/autostart_entry.h"

namespace burrowly {
namespace {

std::optional<std::filesystem::path> entry_path() {
  if (std::optional<std::string> config = env_var("XDG_CONFIG_HOME"); config && config->starts_with("/"))
    return std::filesystem::path(*config) / "autostart" / "burrowly.desktop";
  if (std::optional<std::string> home = home_folder(); home && !home->empty())
    return std::filesystem::path(*home) / ".config" / "autostart" / "burrowly.desktop";
  return std::nullopt;
}

}  // namespace

bool autostart_enabled() {
  std::optional<std::filesystem::path> path = entry_path();
  std::error_code error;
  return path && std::filesystem::exists(*path, error);
}

void toggle_autostart() {
  std::optional<std::filesystem::path> path = entry_path();
  if (!path) return;
  std::error_code error;
  if (std::filesystem::exists(*path, error)) {
    std::filesystem::remove(*path, error);
    return;
  }
  std::optional<std::string> executable = executable_path();
  if (!executable) return;
  std::filesystem::create_directories(path->parent_path(), error);
  std::ofstream(*path, std::ios::binary | std::ios::trunc) << autostart_entry(*executable);
}

}  // namespace burrowly
