#pragma once
// UTF-8 <-> UTF-16 conversion (Windows APIs speak UTF-16; everything else is UTF-8).

#include <optional>
#include <string>
#include <string_view>

namespace burrowly {

// Invalid UTF-8 sequences become U+FFFD.
std::u16string utf8_to_utf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string utf16_to_utf8(std::u16string_view text);
// Nothing when the text holds an unpaired surrogate.
std::optional<std::string> strict_utf16_to_utf8(std::u16string_view text);

#ifdef _WIN32
inline std::wstring to_wide(std::string_view text) {
  std::u16string u = utf8_to_utf16(text);
  return std::wstring(u.begin(), u.end());
}
inline std::string from_wide(std::wstring_view text) {
  return utf16_to_utf8(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}
#endif

}  // namespace burrowly
