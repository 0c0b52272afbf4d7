#include "shell/tray_tooltip.h"

#include "text/utf16.h"

namespace burrowly {
namespace {

// The icon's tooltip takes "&" for a shortcut mark and hides it. Windows' tooltip drops
// one "&" and then draws the rest with shortcut marks, so "&&&" shows a single "&";
// Wine's shows "&&&" as a single "&" too.
std::string escape_tooltip_ampersands(std::string_view text) {
  std::string out;
  for (char c : text) out += c == '&' ? std::string_view("&&&") : std::string_view(&c, 1);
  return out;
}

// Cut to `units` without breaking a tripled "&" or a surrogate pair.
void cut(std::u16string& wide, std::size_t units) {
  if (wide.size() <= units) return;
  wide.resize(units);
  std::size_t run = 0;
  while (run < wide.size() && wide[wide.size() - 1 - run] == u'&') ++run;
  wide.resize(wide.size() - run % 3);
  if (!wide.empty() && wide.back() >= 0xD800 && wide.back() <= 0xDBFF) wide.pop_back();
}

}  // namespace

std::u16string tray_tooltip(std::string_view pet_name, std::string_view profile_display) {
  std::string text = "Burrowly — ";
  text.append(pet_name).append(" [").append(profile_display).append("]");
  std::u16string wide = utf8_to_utf16(escape_tooltip_ampersands(text));
  cut(wide, kTooltipMaxUnits);
  return wide;
}

}  // namespace burrowly
