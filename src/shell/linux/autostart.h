#pragma once
// "Start at login": an XDG autostart entry, ~/.config/autostart/burrowly.desktop
// (under $XDG_CONFIG_HOME when it is set), that runs this executable.

#include <string>
#include <string_view>

namespace burrowly {

// The entry's text for an executable path, quoted as desktop entries quote arguments.
std::string autostart_entry(std::string_view executable);

bool autostart_enabled();
// Writes the entry (for the running executable) or removes it.
void toggle_autostart();

}  // namespace burrowly
