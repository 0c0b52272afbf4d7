#pragma once
// The profiles index: the profiles in menu order and the active one, as
// profiles.json holds them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace burrowly {

struct ProfileIndex {
  std::string active_profile;
  std::vector<std::string> profiles;

  bool operator==(const ProfileIndex&) const = default;
};

// The index of the OS user's own profile.
ProfileIndex default_profile_index();
std::optional<ProfileIndex> read_profile_index(std::string_view text);
std::string profile_index_text(const ProfileIndex& index);
bool save_profiles_index(const ProfileIndex& index);

}  // namespace burrowly
