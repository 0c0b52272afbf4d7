#pragma once
// Where the user's own folder and this program's executable are, as UTF-8 paths.

#include <optional>
#include <string>

namespace burrowly {

// The user's home folder: USERPROFILE on Windows, HOME elsewhere.
std::optional<std::string> home_folder();

// The full path of the running executable; nothing when the system does not say.
std::optional<std::string> executable_path();

}  // namespace burrowly
