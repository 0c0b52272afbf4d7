#include "platform/env.h"
#include "platform/ui_language.h"

namespace burrowly {

std::uint16_t user_ui_language_id() {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    auto value = env_var(name);
    if (value && !value->empty()) {
      locale = *value;
      break;
    }
  }
  std::string code = locale.substr(0, 2);
  if (code == "pl") return 0x0415;
  if (code == "ru") return 0x0419;
  if (code == "uk") return 0x0422;
  return 0x0409;
}

}  // namespace burrowly
