#include <cstdlib>
#include <string>

#include "platform/env.h"
#include "text/utf8.h"

namespace burrowly {

std::optional<std::string> env_var(std::string_view name) {
  const char* value = std::getenv(std::string(name).c_str());
  if (value == nullptr || !is_valid_utf8(value)) return std::nullopt;
  return std::string(value);
}

}  // namespace burrowly
