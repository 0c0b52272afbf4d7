#pragma once
// Profiles at run time: loading the active one, and the operations that create,
// switch, rename and delete them.

#include <string_view>

#include "config/config.h"
#include "config/profile_index.h"

namespace burrowly {

struct LoadedProfiles {
  ProfileIndex index;
  Config config;
};

// Reads (and repairs and rewrites) the index and loads the active profile.
LoadedProfiles load_profiles();

// The named profile's settings; a missing or invalid file is replaced by defaults
// (an unreadable one is first kept beside it as a .bad copy).
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
