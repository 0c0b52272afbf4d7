#include <windows.h>

#include <string>

#include "platform/env.h"
#include "text/utf16.h"

namespace burrowly {

std::optional<std::string> env_var(std::string_view name) {
  std::wstring wide_name = to_wide(name);
  SetLastError(ERROR_SUCCESS);
  DWORD needed = GetEnvironmentVariableW(wide_name.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring value(needed, L'\0');
  DWORD written = GetEnvironmentVariableW(wide_name.c_str(), value.data(), needed);
  if (written >= needed) return std::nullopt;
  value.resize(written);
  return strict_utf16_to_utf8(std::u16string_view(reinterpret_cast<const char16_t*>(value.data()), value.size()));
}

}  // namespace burrowly
