#pragma once
// Profiles: where their files live, how a name becomes an id, the index of all
// profiles and the operations that create, switch, rename and delete them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/config.h"

namespace burrowly {

struct ProfileIndex {
  std::string active_profile;
  std::vector<std::string> profiles;

  bool operator==(const ProfileIndex&) const = default;
};

// APPDATA, else XDG_CONFIG_HOME, else ".", then "Burrowly".
std::string config_dir();
std::string profiles_index_path();
std::string profiles_dir();
// profiles_dir + profile_slug(name) + ".json".
std::string profile_config_path(std::string_view name);

// A lower-case id of ASCII letters, digits, '-' and '_'; never empty.
std::string profile_slug(std::string_view name);
// USERNAME, else USER, else "player".
std::string os_user_name();
std::string user_profile_id();

// The index of the OS user's own profile.
ProfileIndex default_profile_index();
std::optional<ProfileIndex> read_profile_index(std::string_view text);
std::string profile_index_text(const ProfileIndex& index);
bool save_profiles_index(const ProfileIndex& index);

struct LoadedProfiles {
  ProfileIndex index;
  Config config;
};

// Reads (and repairs and rewrites) the index and loads the active profile.
LoadedProfiles load_profiles();

// The named profile's settings; a missing or invalid file is replaced by defaults
// (an invalid one is kept beside it as NAME.json.bad).
Config load_or_create_profile(std::string_view name);

// The operations below change the index and the active record in place. Each
// returns true when another profile became active, so the caller can greet it.

// Saves the outgoing profile and loads the one with the given id.
bool switch_profile(ProfileIndex& index, Config& active, std::string_view id);
// Adds a profile made from the name ("ann", "ann-2", ...) and switches to it.
bool create_profile(ProfileIndex& index, Config& active, std::string_view name);
// Changes the active profile's display name; blank names change nothing.
void rename_profile(Config& active, std::string_view name);
// Removes the active profile and its file, then activates the first one left.
bool delete_active_profile(ProfileIndex& index, Config& active);

}  // namespace burrowly
