#include "shell/tray_tooltip.h"

#include "text/utf16.h"

namespace burrowly {

std::u16string tray_tooltip(std::string_view pet_name, std::string_view profile_display) {
  std::string text = "Burrowly — ";
  text.append(pet_name).append(" [").append(profile_display).append("]");
  std::u16string wide = utf8_to_utf16(text);
  if (wide.size() > kTooltipMaxUnits) wide.resize(kTooltipMaxUnits);
  return wide;
}

}  // namespace burrowly
