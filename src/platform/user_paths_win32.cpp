#include <windows.h>

#include "platform/env.h"
#include "platform/user_paths.h"
#include "text/utf16.h"

namespace burrowly {

std::optional<std::string> home_folder() { return env_var("USERPROFILE"); }

std::optional<std::string> executable_path() {
  std::wstring path(32768, L'\0');
  DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) return std::nullopt;
  path.resize(length);
  return strict_utf16_to_utf8(std::u16string_view(reinterpret_cast<const char16_t*>(path.data()), path.size()));
}

}  // namespace burrowly
