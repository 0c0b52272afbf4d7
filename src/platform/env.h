#pragma once
// Environment variables, as UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace burrowly {

// The variable's value; nothing when it is unset or not valid Unicode.
std::optional<std::string> env_var(std::string_view name);

}  // namespace burrowly
