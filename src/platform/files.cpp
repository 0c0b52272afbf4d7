#include "platform/files.h"

namespace burrowly {

std::string join_path(std::string_view base, std::string_view name) {
  if (base.empty()) return std::string(name);
  std::string path(base);
  path += kPathSeparator;
  path += name;
  return path;
}

namespace {

std::size_t last_separator(std::string_view path) {
  return path.find_last_of(kPathSeparator == '/' ? "/" : "\\/");
}

}  // namespace

std::string parent_folder(std::string_view path) {
  std::size_t cut = last_separator(path);
  if (cut == std::string_view::npos) return ".";
  if (cut == 0) return std::string(1, path[0]);
  return std::string(path.substr(0, cut));
}

std::string file_name(std::string_view path) {
  std::size_t cut = last_separator(path);
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace burrowly
