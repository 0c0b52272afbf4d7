#pragma once
// The name under which the pet is shown.

#include <string>
#include <string_view>

#include "config/config.h"
#include "assets/language.h"

namespace burrowly {

// The nickname of the current species when it is not blank, else its default name
// in the profile's language.
std::string pet_display_name(const Config& config);

// The species' default name; "Buddy" for an unknown key.
std::string_view default_pet_name(std::string_view species, Language lang);

}  // namespace burrowly
