#pragma once
// The tray menu as data: every item's id, label, check mark and greying, rebuilt from
// the current settings each time the menu opens.

#include <cstdint>
#include <string>
#include <vector>

#include "config/config.h"
#include "config/ui_strings.h"

namespace burrowly {

struct MenuItem {
  enum class Type { command, submenu, separator };
  Type type = Type::command;
  std::uint32_t id = 0;  // 0 for information lines, submenus and separators
  std::string label;
  bool checked = false;
  bool enabled = true;
  std::vector<MenuItem> children;
};

// One profile of the index as the menu shows it.
struct ProfileEntry {
  std::string id;
  std::string display;  // the id when its settings could not be read
  std::string pet;      // "corgi" when its settings could not be read
};

// The menu speaks the profile's language and shows the pet under its display name.
struct MenuSource {
  const Config& config;
  std::int64_t days_together = 1;
  std::vector<ProfileEntry> profiles;  // in index order
  std::string active_profile;
  bool autostart = false;
  Ui autostart_text = Ui::start_with_windows;  // the desktop's own name for it
};

std::vector<MenuItem> build_tray_menu(const MenuSource& source);

}  // namespace burrowly
