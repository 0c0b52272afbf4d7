#include "platform/system_font.h"

#include "platform/env.h"
#include "platform/files.h"

namespace burrowly {

std::vector<std::string> ui_font_candidates(const std::optional<std::string>& windir) {
  std::string fonts = windir.value_or("C:/Windows") + "/Fonts/";
  return {fonts + "segoeui.ttf", fonts + "arial.ttf"};
}

std::optional<std::string> read_system_ui_font() {
  for (const std::string& path : ui_font_candidates(env_var("WINDIR")))
    if (auto bytes = read_file(path)) return bytes;
  return std::nullopt;
}

}  // namespace burrowly
