#include "config/languages.h"

#include <string>

#include "platform/ui_language.h"

namespace burrowly {

std::string_view language_code_for_ui_id(std::uint16_t language_id) {
  switch (language_id & 0x3FF) {
    case 0x15: return "pl";
    case 0x19: return "ru";
    case 0x22: return "uk";
    default: return "en";
  }
}

std::string_view detect_language() { return language_code_for_ui_id(user_ui_language_id()); }

Language language_from_code(std::string_view code) {
  if (code.size() != 2) return Language::en;
  std::string lower(code);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (lower == "uk" || lower == "ua") return Language::uk;
  if (lower == "ru") return Language::ru;
  if (lower == "pl") return Language::pl;
  return Language::en;
}

std::string_view language_code(Language lang) {
  static constexpr std::string_view kCodes[kLanguageCount] = {"uk", "ru", "en", "pl"};
  return kCodes[static_cast<std::size_t>(lang)];
}

}  // namespace burrowly
