#include "config/settings_file.h"

#include <algorithm>

#include "assets/catalogue.h"
#include "config/calendar.h"
#include "config/day_counters.h"
#include "config/languages.h"
#include "config/profile_paths.h"
#include "config/profile_slug.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "text/unicode.h"

namespace burrowly {
namespace {

bool is_listed(std::span<const LabelledKey> keys, std::string_view key) {
  return std::any_of(keys.begin(), keys.end(), [&](const LabelledKey& k) { return k.key == key; });
}

bool is_mood(std::string_view mood) { return mood == "calm" || mood == "normal" || mood == "playful"; }

}  // namespace

Config default_config() {
  Config config;
  config.profile_id = user_profile_id();
  config.profile_display = config.profile_id;
  config.lang = detect_language();
  std::string today = today_string();
  config.first_day = today;
  config.stat_day = today;
  config.work_day = today;
  return config;
}

std::string today_string() {
  LocalTime now = local_now();
  return day_mark(now.year, now.month, now.day);
}

void normalize_config(Config& config) {
  if (trim_unicode_space(config.profile_id).empty()) config.profile_id = user_profile_id();
  if (trim_unicode_space(config.profile_display).empty()) config.profile_display = config.profile_id;
  if (!is_species(config.pet)) config.pet = std::string(kDefaultSpecies);
  if (!is_listed(sizes(), config.size)) config.size = std::string(kDefaultSize);
  if (!is_listed(coats(), config.coat)) config.coat = std::string(kDefaultCoat);
  if (!is_listed(outfits(), config.outfit)) config.outfit = std::string(kDefaultOutfit);
  if (!is_mood(config.mood)) config.mood = "normal";
  roll_day(config, today_string());
}

// Written through a temporary file renamed over the old one, so an interrupted save
// leaves the previous settings whole instead of a truncated file.
bool save_config(const Config& config) {
  create_directories(profiles_dir());
  return write_file_atomic(profile_config_path(config.profile_id), config_text(config));
}

}  // namespace burrowly
