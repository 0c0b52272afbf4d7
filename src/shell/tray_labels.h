#pragma once
// The language and the pet's name as the tray shows them.

#include <string>

#include "config/config.h"
#include "config/language.h"

namespace burrowly {

// The profile's `lang`, or the user's interface language when it names none.
Language tray_language(const Config& config);

// The nickname given to the current animal, else its catalogue name.
std::string tray_pet_name(const Config& config);

}  // namespace burrowly
