#pragma once
// The tray menu as data: every item's id, label, check mark and greying, rebuilt from
// the current settings each time the menu opens.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/config.h"
#include "config/language.h"

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

struct MenuSource {
  const Config& config;
  Language lang;
  // The localised texts for `lang`, indexed by entry number.
  std::function<std::string_view(int entry)> text;
  std::string pet_name;  // the current pet's display name
  int days_together = 1;
  std::vector<ProfileEntry> profiles;  // in index order
  std::string active_profile;
  bool autostart = false;
};

std::vector<MenuItem> build_tray_menu(const MenuSource& source);

// "day" in the language's plural form for n (empty for English, whose line has none).
std::string_view day_word(Language lang, int n);

// The first information line, "{pet}, n days together" or its translation, followed
// by " [{profile display}]".
std::string days_together_line(Language lang, std::string_view pet_name, int n, std::string_view profile_display);

}  // namespace burrowly
