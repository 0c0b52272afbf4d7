#include "text/json_text.h"

#include <set>
#include <string>
#include <vector>

#include "text/json_nesting.h"

namespace burrowly {

std::optional<nlohmann::json> parse_json(std::string_view text) {
  using nlohmann::json;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (text.find('\0') != std::string_view::npos || !json_nesting_within(text)) return std::nullopt;
  // The keys seen so far in each object that is still open, innermost last.
  std::vector<std::set<std::string>> open_objects;
  bool duplicate = false;
  auto watch_keys = [&](int, json::parse_event_t event, json& parsed) {
    if (event == json::parse_event_t::object_start) open_objects.emplace_back();
    else if (event == json::parse_event_t::object_end) open_objects.pop_back();
    else if (event == json::parse_event_t::key && !open_objects.back().insert(parsed.get<std::string>()).second)
      duplicate = true;
    return true;
  };
  json value = json::parse(text.begin(), text.end(), watch_keys, /*allow_exceptions=*/false);
  if (duplicate || value.is_discarded()) return std::nullopt;
  return value;
}

std::optional<nlohmann::json> parse_json_object(std::string_view text) {
  std::optional<nlohmann::json> value = parse_json(text);
  if (!value || !value->is_object()) return std::nullopt;
  return value;
}

std::string json_string(std::string_view text) {
  return nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace burrowly
