#include "platform/env.h"
#include "platform/files.h"
#include "platform/system_font.h"

namespace burrowly {

std::optional<std::string> read_system_ui_font() {
  for (const std::string& path : ui_font_candidates(env_var("WINDIR")))
    if (auto bytes = read_file(path)) return bytes;
  return std::nullopt;
}

}  // namespace burrowly
