#pragma once
// Text as a native menu (and the tray icon's tooltip, which reads text the same way)
// takes it.

#include <string>
#include <string_view>

namespace burrowly {

// The label with every "&" doubled: native menus read a single "&" as the mark of the
// next letter's keyboard shortcut and hide it, so "Cats & Wild Felines" would lose it.
std::string escape_menu_ampersands(std::string_view label);

}  // namespace burrowly
