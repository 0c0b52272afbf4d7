#include "shell/menu_text.h"

namespace burrowly {

std::string escape_menu_ampersands(std::string_view label) {
  std::string out;
  out.reserve(label.size());
  for (char c : label) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

}  // namespace burrowly
