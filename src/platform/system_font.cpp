#include "platform/system_font.h"

namespace burrowly {

std::vector<std::string> ui_font_candidates(const std::optional<std::string>& windir) {
  std::string fonts = windir.value_or("C:/Windows") + "/Fonts/";
  return {fonts + "segoeui.ttf", fonts + "arial.ttf"};
}

}  // namespace burrowly
