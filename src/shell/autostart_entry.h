#pragma once
// The text of the XDG autostart entry that starts Burrowly at login.

#include <string>
#include <string_view>

namespace burrowly {

// A desktop entry running the executable, its path quoted as desktop entries quote
// arguments (so spaces, quotes, "$" and backslashes survive).
std::string autostart_entry(std::string_view executable);

}  // namespace burrowly
