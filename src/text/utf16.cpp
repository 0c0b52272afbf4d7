#include "text/utf16.h"

#include <cstdint>

#include "text/utf8.h"

namespace burrowly {
namespace {

template <typename OnInvalid>
bool utf16_walk(std::u16string_view text, std::string& out, OnInvalid on_invalid) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t u = text[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      append_utf8(out, 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      if (!on_invalid()) return false;
      append_utf8(out, kReplacementCharacter);
    } else {
      append_utf8(out, u);
    }
  }
  return true;
}

}  // namespace

std::u16string utf8_to_utf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = next_scalar(text, i).value_or(kReplacementCharacter);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string utf16_to_utf8(std::u16string_view text) {
  std::string out;
  utf16_walk(text, out, [] { return true; });
  return out;
}

std::optional<std::string> strict_utf16_to_utf8(std::u16string_view text) {
  std::string out;
  if (!utf16_walk(text, out, [] { return false; })) return std::nullopt;
  return out;
}

}  // namespace burrowly
