#include "text/unicode.h"

#include "text/utf8.h"

namespace burrowly {

bool is_unicode_white_space(char32_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
         c == 0x205F || c == 0x3000;
}

std::string_view trim_unicode_space(std::string_view text) {
  std::size_t begin = text.size();
  std::size_t end = 0;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t start = i;
    auto c = next_scalar(text, i);
    if (c && is_unicode_white_space(*c)) continue;
    if (begin == text.size()) begin = start;
    end = i;
  }
  if (begin == text.size()) return text.substr(0, 0);
  return text.substr(begin, end - begin);
}

}  // namespace burrowly
