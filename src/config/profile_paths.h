#pragma once
// Where the settings live: the Burrowly folder, the profiles index and each
// profile's settings file.

#include <string>
#include <string_view>

namespace burrowly {

// APPDATA, else XDG_CONFIG_HOME, else $HOME/.config, else ".", then "Burrowly".
std::string config_dir();
std::string profiles_index_path();
std::string profiles_dir();
// profiles_dir + profile_slug(name) + ".json".
std::string profile_config_path(std::string_view name);

}  // namespace burrowly
