#include "config/bad_copies.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "config/calendar.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace burrowly {
namespace {

constexpr std::string_view kBadSuffix = ".bad";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

// The current UTC time as YYYYMMDD-HHMMSS.
std::string utc_stamp() {
  constexpr std::uint64_t kTicksPerSecond = 10000000;
  constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600;
  const std::int64_t seconds = static_cast<std::int64_t>(precise_filetime() / kTicksPerSecond) - kSecondsFrom1601To1970;
  const std::int64_t days = seconds >= 0 ? seconds / 86400 : 0;
  const std::int64_t in_day = seconds >= 0 ? seconds % 86400 : 0;
  const CivilDate date = civil_from_days(days);
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", static_cast<int>(date.year), date.month, date.day,
                static_cast<int>(in_day / 3600), static_cast<int>(in_day / 60 % 60), static_cast<int>(in_day % 60));
  return text;
}

// Where a copy's name sorts among the copies of one file: by its stamp, then by the
// number that tells copies of one second apart. The unstamped name of older
// versions, NAME.bad, sorts first. Nothing for a name that is no copy of file_name.
std::optional<std::pair<std::string, int>> copy_order(std::string_view name, std::string_view file_name) {
  if (name.size() < file_name.size() + kBadSuffix.size() || !name.starts_with(file_name) ||
      !name.ends_with(kBadSuffix))
    return std::nullopt;
  std::string_view middle = name.substr(file_name.size(), name.size() - file_name.size() - kBadSuffix.size());
  if (middle.empty()) return std::pair<std::string, int>{"", 0};
  if (!middle.starts_with('.') || middle.size() < 1 + kStampLength) return std::nullopt;
  std::string stamp(middle.substr(1, kStampLength));
  std::string_view rest = middle.substr(1 + kStampLength);
  if (rest.empty()) return std::pair{stamp, 1};
  int number = 0;
  auto [end, error] = std::from_chars(rest.data() + 1, rest.data() + rest.size(), number);
  if (!rest.starts_with('-') || error != std::errc{} || end != rest.data() + rest.size()) return std::nullopt;
  return std::pair{stamp, number};
}

struct Copy {
  std::pair<std::string, int> order;
  std::string name;
  bool operator<(const Copy& other) const { return order < other.order; }
};

std::vector<Copy> copies_in(const std::string& folder, std::string_view name_of_file) {
  std::vector<Copy> copies;
  for (std::string& name : folder_entries(folder))
    if (auto order = copy_order(name, name_of_file)) copies.push_back({std::move(*order), std::move(name)});
  return copies;
}

}  // namespace

bool keep_unreadable_file(const std::string& path) {
  if (!path_exists(path)) return true;
  const std::string folder = parent_folder(path), name_of_file = file_name(path), stamp = utc_stamp();
  std::vector<Copy> copies = copies_in(folder, name_of_file);
  // Numbered after every copy of the same second, so it sorts as the newest.
  int number = 1;
  for (const Copy& copy : copies)
    if (copy.order.first == stamp) number = std::max(number, copy.order.second + 1);
  std::string copy_name = name_of_file + "." + stamp;
  if (number > 1) copy_name += "-" + std::to_string(number);
  copy_name += kBadSuffix;
  if (path_exists(join_path(folder, copy_name)) || !rename_file(path, join_path(folder, copy_name))) return false;

  copies.push_back({{stamp, number}, copy_name});
  std::sort(copies.begin(), copies.end());
  for (std::size_t n = 0; n + kBadCopiesKept < copies.size(); ++n) remove_file(join_path(folder, copies[n].name));
  return true;
}

}  // namespace burrowly
