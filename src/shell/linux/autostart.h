#pragma once
// "Start at login": an XDG autostart entry, ~/.config/autostart/burrowly.desktop
// (under $XDG_CONFIG_HOME when it is set), that runs this executable.

namespace burrowly {

bool autostart_enabled();
// Writes the entry (for the running executable) or removes it.
void toggle_autostart();

}  // namespace burrowly
