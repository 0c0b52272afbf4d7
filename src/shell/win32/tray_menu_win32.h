#pragma once
// Opening the tray menu and carrying out the chosen command.

#include <windows.h>

#include <cstdint>

namespace burrowly {

// Builds the menu from the current settings, tracks it at the cursor and runs the
// chosen command. The application state is not borrowed while the menu is open.
void open_tray_menu(HWND host);

// Whether the "Burrowly" Run value exists for the current user.
bool autostart_enabled();
// Adds the Run value (the quoted path of this executable) or removes it.
void toggle_autostart();

}  // namespace burrowly
