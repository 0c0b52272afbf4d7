#include "temp_appdata.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>

namespace burrowly::testing {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> get_env(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::string utf8(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

fs::path from_utf8(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

}  // namespace

void set_env(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
  _putenv_s(name, value ? value->c_str() : "");
#else
  if (value) setenv(name, value->c_str(), 1);
  else unsetenv(name);
#endif
}

TempAppData::TempAppData()
    : saved_appdata_(get_env("APPDATA")),
      saved_xdg_(get_env("XDG_CONFIG_HOME")),
      saved_username_(get_env("USERNAME")),
      saved_user_(get_env("USER")) {
  static std::atomic<int> counter{0};
  // Tests run in parallel processes: the clock and a random number keep the names apart.
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path folder = fs::temp_directory_path() /
                    ("burrowly-test-" + std::to_string(stamp) + "-" + std::to_string(std::random_device{}()) +
                     "-" + std::to_string(counter++));
  fs::create_directories(folder);
  root_ = utf8(folder);
  set_env("APPDATA", root_);
}

TempAppData::~TempAppData() {
  std::error_code ignored;
  fs::remove_all(from_utf8(root_), ignored);
  set_env("APPDATA", saved_appdata_);
  set_env("XDG_CONFIG_HOME", saved_xdg_);
  set_env("USERNAME", saved_username_);
  set_env("USER", saved_user_);
}

std::string TempAppData::entries(const std::string& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(from_utf8(folder), error))
    names.insert(utf8(entry.path().filename()));
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : " ") + name;
  return list;
}

}  // namespace burrowly::testing
