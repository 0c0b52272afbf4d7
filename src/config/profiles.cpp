// Loading the profiles and the operations that create, switch, rename and delete them.

#include "config/profile_paths.h"
#include "config/profile_slug.h"
#include "config/profiles.h"

#include <algorithm>

#include "assets/catalogue.h"
#include "config/bad_copies.h"
#include "config/settings_file.h"
#include "platform/files.h"
#include "text/unicode.h"

namespace burrowly {
namespace {

bool contains(const std::vector<std::string>& ids, std::string_view id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Makes id the active profile and loads its settings; the outgoing record is not saved.
void activate(ProfileIndex& index, Config& active, std::string_view id) {
  if (!contains(index.profiles, id)) index.profiles.emplace_back(id);
  index.active_profile = id;
  save_profiles_index(index);
  active = load_or_create_profile(id);
}

}  // namespace

LoadedProfiles load_profiles() {
  std::string path = profiles_index_path();
  std::optional<std::string> text = read_file(path);
  std::optional<ProfileIndex> read = text ? read_profile_index(*text) : std::nullopt;
  if (!read) keep_unreadable_file(path);

  ProfileIndex index = read.value_or(default_profile_index());
  if (index.profiles.empty()) index = default_profile_index();
  if (!contains(index.profiles, index.active_profile)) index.active_profile = index.profiles.front();

  Config config = load_or_create_profile(index.active_profile);
  if (!contains(index.profiles, config.profile_id)) index.profiles.push_back(config.profile_id);
  index.active_profile = config.profile_id;
  save_profiles_index(index);
  return {std::move(index), std::move(config)};
}

Config load_or_create_profile(std::string_view name) {
  std::string path = profile_config_path(name);
  std::optional<std::string> text = read_file(path);
  if (std::optional<Config> read = text ? read_config(*text) : std::nullopt) {
    read->profile_id = profile_slug(name);
    normalize_config(*read);
    return *read;
  }
  keep_unreadable_file(path);
  Config config = default_config();
  config.profile_id = profile_slug(name);
  config.profile_display = std::string(name);
  normalize_config(config);
  save_config(config);
  return config;
}

bool switch_profile(ProfileIndex& index, Config& active, std::string_view id) {
  if (id == active.profile_id) return false;
  save_config(active);
  activate(index, active, id);
  return true;
}

bool create_profile(ProfileIndex& index, Config& active, std::string_view name) {
  const std::string base = profile_slug(name);
  std::string candidate = base;
  for (int n = 2; contains(index.profiles, candidate); ++n) candidate = base + "-" + std::to_string(n);
  index.profiles.push_back(candidate);
  index.active_profile = candidate;
  save_profiles_index(index);

  Config config = default_config();
  config.profile_id = candidate;
  std::string_view trimmed = trim_unicode_space(name);
  config.profile_display = trimmed.empty() ? candidate : std::string(trimmed);
  config.pet = species_list()[index.profiles.size() % kSpeciesCount];
  save_config(config);
  return switch_profile(index, active, candidate);
}

void rename_profile(Config& active, std::string_view name) {
  std::string_view trimmed = trim_unicode_space(name);
  if (trimmed.empty()) return;
  active.profile_display = std::string(trimmed);
  save_config(active);
}

// A list that names only the active profile (perhaps more than once) has no other
// profile to fall back on, so nothing is deleted then.
bool delete_active_profile(ProfileIndex& index, Config& active) {
  bool other_left = std::any_of(index.profiles.begin(), index.profiles.end(),
                                [&](const std::string& id) { return id != index.active_profile; });
  if (!other_left) return false;
  std::erase(index.profiles, index.active_profile);
  remove_file(profile_config_path(index.active_profile));
  std::string next = index.profiles.front();
  activate(index, active, next);
  return true;
}

}  // namespace burrowly
