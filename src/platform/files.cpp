#include "platform/files.h"

namespace burrowly {

std::string join_path(std::string_view base, std::string_view name) {
  if (base.empty()) return std::string(name);
  std::string path(base);
  path += kPathSeparator;
  path += name;
  return path;
}

bool write_file_atomic(const std::string& path, std::string_view bytes) {
  std::optional<std::string> temp = write_temp_file(path, bytes);
  if (!temp) return false;
  if (rename_file(*temp, path)) return true;
  remove_file(*temp);
  return false;
}

}  // namespace burrowly
