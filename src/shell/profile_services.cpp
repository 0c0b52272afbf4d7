#include "shell/profile_services.h"

#include <algorithm>

#include "config/profile_paths.h"
#include "config/profiles.h"
#include "config/settings_file.h"
#include "platform/files.h"

namespace burrowly {
namespace {

bool listed(const ProfileIndex& index, std::string_view id) {
  return std::find(index.profiles.begin(), index.profiles.end(), id) != index.profiles.end();
}

}  // namespace

void bind_profile_services(EngineServices& services, std::shared_ptr<ProfileIndex> index) {
  services.save_config = [index](const Config& config) {
    if (listed(*index, config.profile_id)) save_config(config);
  };
  services.load_profile = [index](std::string_view id) -> std::optional<Config> {
    if (!listed(*index, id)) index->profiles.emplace_back(id);
    index->active_profile = std::string(id);
    save_profiles_index(*index);
    return load_or_create_profile(id);
  };
}

void create_profile_in(PetEngine& engine, ProfileIndex& index, std::string_view name) {
  Config scratch = engine.config();
  create_profile(index, scratch, name);
  engine.switch_profile(index.active_profile);
}

void delete_active_profile_in(PetEngine& engine, ProfileIndex& index) {
  Config scratch = engine.config();
  if (delete_active_profile(index, scratch)) engine.switch_profile(index.active_profile);
}

std::vector<ProfileEntry> menu_profiles(const ProfileIndex& index) {
  std::vector<ProfileEntry> entries;
  for (const std::string& id : index.profiles) {
    std::optional<std::string> text = read_file(profile_config_path(id));
    std::optional<Config> config = text ? read_config(*text) : std::nullopt;
    if (config) entries.push_back({id, config->profile_display, config->pet});
    else entries.push_back({id, id, "corgi"});
  }
  return entries;
}

}  // namespace burrowly
