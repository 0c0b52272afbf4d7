#include "shell/tray_tooltip.h"

#include "shell/menu_text.h"
#include "text/utf16.h"

namespace burrowly {
namespace {

// Cut to `units` without breaking a doubled "&" or a surrogate pair.
void cut(std::u16string& wide, std::size_t units) {
  if (wide.size() <= units) return;
  wide.resize(units);
  std::size_t run = 0;
  while (run < wide.size() && wide[wide.size() - 1 - run] == u'&') ++run;
  wide.resize(wide.size() - run % 2);
  if (!wide.empty() && wide.back() >= 0xD800 && wide.back() <= 0xDBFF) wide.pop_back();
}

}  // namespace

std::string tray_tooltip_text(std::string_view pet_name, std::string_view profile_display) {
  std::string text = "Burrowly — ";
  text.append(pet_name).append(" [").append(profile_display).append("]");
  return text;
}

// Without its no-prefix style, the icon's tooltip reads text the way a menu does and
// would hide a single "&", so the ampersands are doubled as for the menu.
std::u16string tray_tooltip(std::string_view pet_name, std::string_view profile_display) {
  std::u16string wide = utf8_to_utf16(escape_menu_ampersands(tray_tooltip_text(pet_name, profile_display)));
  cut(wide, kTooltipMaxUnits);
  return wide;
}

}  // namespace burrowly
