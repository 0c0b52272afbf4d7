#include "shell/tray_labels.h"

#include "assets/catalogue.h"
#include "platform/ui_language.h"

namespace burrowly {

Language tray_language(const Config& config) {
  const std::string& lang = config.lang;
  if (lang == "uk") return Language::uk;
  if (lang == "ru") return Language::ru;
  if (lang == "pl") return Language::pl;
  if (lang == "en") return Language::en;
  switch (user_ui_language_id() & 0x3FF) {  // the primary language
    case 0x22: return Language::uk;
    case 0x19: return Language::ru;
    case 0x15: return Language::pl;
    default: return Language::en;
  }
}

std::string tray_pet_name(const Config& config) {
  auto named = config.pet_names.find(config.pet);
  if (named != config.pet_names.end()) return named->second;
  return std::string(display_name(tray_language(config), config.pet));
}

}  // namespace burrowly
