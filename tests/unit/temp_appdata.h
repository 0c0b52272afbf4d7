#pragma once
// A fresh settings folder for one test: APPDATA names a new, empty temporary folder
// (removed again afterwards), so tests never touch the real user's settings.

#include <optional>
#include <string>

namespace burrowly::testing {

// Sets (or, with nothing, removes) a variable of this process's environment.
void set_env(const char* name, const std::optional<std::string>& value);

class TempAppData {
 public:
  TempAppData();
  ~TempAppData();
  TempAppData(const TempAppData&) = delete;
  TempAppData& operator=(const TempAppData&) = delete;

  // The folder APPDATA points at.
  const std::string& root() const { return root_; }
  // Names of the entries in a folder, sorted; empty when it does not exist.
  static std::string entries(const std::string& folder);

 private:
  std::string root_;
  std::optional<std::string> saved_appdata_, saved_xdg_, saved_username_, saved_user_;
};

}  // namespace burrowly::testing
