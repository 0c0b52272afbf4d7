#include "config/profile_index.h"
#include "config/profile_paths.h"
#include "config/profile_slug.h"
#include "platform/files.h"
#include "text/json_text.h"

namespace burrowly {

ProfileIndex default_profile_index() {
  std::string id = user_profile_id();
  return {id, {id}};
}

std::optional<ProfileIndex> read_profile_index(std::string_view text) {
  std::optional<nlohmann::json> object = parse_json_object(text);
  if (!object) return std::nullopt;
  ProfileIndex index = default_profile_index();
  if (auto active = object->find("active_profile"); active != object->end()) {
    if (!active->is_string()) return std::nullopt;
    index.active_profile = active->get<std::string>();
  }
  if (auto list = object->find("profiles"); list != object->end()) {
    if (!list->is_array()) return std::nullopt;
    index.profiles.clear();
    for (const nlohmann::json& id : *list) {
      if (!id.is_string()) return std::nullopt;
      index.profiles.push_back(id.get<std::string>());
    }
  }
  return index;
}

std::string profile_index_text(const ProfileIndex& index) {
  std::string text = "{\n  \"active_profile\": " + json_string(index.active_profile) + ",\n  \"profiles\": [";
  if (index.profiles.empty()) return text + "]\n}";
  const char* separator = "\n";
  for (const std::string& id : index.profiles) {
    text += separator;
    text += "    " + json_string(id);
    separator = ",\n";
  }
  return text + "\n  ]\n}";
}

bool save_profiles_index(const ProfileIndex& index) {
  create_directories(config_dir());
  return write_file_atomic(profiles_index_path(), profile_index_text(index));
}

}  // namespace burrowly
