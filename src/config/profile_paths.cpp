#include "config/profiles.h"
#include "platform/env.h"
#include "platform/files.h"

namespace burrowly {

std::string config_dir() {
  std::optional<std::string> base = env_var("APPDATA");
  if (!base) base = env_var("XDG_CONFIG_HOME");
  return join_path(base.value_or("."), "Burrowly");
}

std::string profiles_index_path() { return join_path(config_dir(), "profiles.json"); }

std::string profiles_dir() { return join_path(config_dir(), "profiles"); }

std::string profile_config_path(std::string_view name) {
  return join_path(profiles_dir(), profile_slug(name) + ".json");
}

}  // namespace burrowly
