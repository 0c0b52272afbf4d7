#pragma once
// The user-interface language: its default from the system and the stored code.

#include <cstdint>
#include <string_view>

#include "assets/language.h"

namespace burrowly {

// "pl", "ru", "uk" or "en" for a Windows language id (by its primary language).
std::string_view language_code_for_ui_id(std::uint16_t language_id);
// The code of the user's own UI language; used only as the default of "lang".
std::string_view detect_language();

// Any letter case of "uk" or "ua" is Ukrainian, "ru" Russian, "pl" Polish; all else English.
Language language_from_code(std::string_view code);
// The code the tray menu stores: "uk", "ru", "en" or "pl".
std::string_view language_code(Language lang);

}  // namespace burrowly
