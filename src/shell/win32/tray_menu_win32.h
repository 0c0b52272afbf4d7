#pragma once
// Opening the tray menu and carrying out the chosen command.

#include <windows.h>

#include <cstdint>

namespace burrowly {

struct AppState;

// Builds the menu from the current settings, tracks it at the cursor and runs the
// chosen command. The application state is not borrowed while the menu is open.
void open_tray_menu(HWND host);

// Shows the current pet's name and the profile in the icon's tooltip.
void refresh_tooltip(AppState& app);

// Whether the "Burrowly" Run value exists for the current user.
bool autostart_enabled();
// Adds the Run value (the quoted path of this executable) or removes it.
void toggle_autostart();

}  // namespace burrowly
