#pragma once
// The tray menu's and the name dialog's own texts, by entry number.

#include <string_view>

#include "config/language.h"

namespace burrowly {

// Empty for an entry the menu does not use.
std::string_view menu_text(Language lang, int entry);

}  // namespace burrowly
