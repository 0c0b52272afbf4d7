#include <algorithm>
#include <array>
#include <string_view>

#include "config/profile_paths.h"
#include "config/profile_slug.h"
#include "platform/env.h"
#include "platform/files.h"

namespace burrowly {
namespace {

// Windows opens a device, not a file, for these names whatever the extension, so a
// profile called "Con" could never be saved. Their files take a trailing '_'.
bool is_reserved_device_name(std::string_view stem) {
  static constexpr std::array<std::string_view, 4> kPlain{"con", "prn", "aux", "nul"};
  if (std::find(kPlain.begin(), kPlain.end(), stem) != kPlain.end()) return true;
  return stem.size() == 4 && (stem.starts_with("com") || stem.starts_with("lpt")) && stem[3] >= '1' &&
         stem[3] <= '9';
}

}  // namespace

std::string config_dir() {
  std::optional<std::string> base = env_var("APPDATA");
  if (!base || base->empty()) base = env_var("XDG_CONFIG_HOME");
  if (!base || base->empty())
    if (std::optional<std::string> home = env_var("HOME"); home && !home->empty()) base = join_path(*home, ".config");
  return join_path(base.value_or("."), "Burrowly");
}

std::string profiles_index_path() { return join_path(config_dir(), "profiles.json"); }

std::string profiles_dir() { return join_path(config_dir(), "profiles"); }

std::string profile_config_path(std::string_view name) {
  std::string stem = profile_slug(name);
  if (is_reserved_device_name(stem)) stem += '_';
  return join_path(profiles_dir(), stem + ".json");
}

}  // namespace burrowly
