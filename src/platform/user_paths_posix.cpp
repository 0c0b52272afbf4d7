#include <unistd.h>

#include "platform/env.h"
#include "platform/user_paths.h"

namespace burrowly {

std::optional<std::string> home_folder() { return env_var("HOME"); }

std::optional<std::string> executable_path() {
  std::string path(4096, '\0');
  ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return std::nullopt;
  path.resize(static_cast<std::size_t>(length));
  return path;
}

}  // namespace burrowly
