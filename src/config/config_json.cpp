// The settings file's JSON form: the strict reader and the exact pretty-printed text.

#include <cstdint>
#include <limits>

#include "config/config_fields.h"
#include "config/settings_file.h"
#include "text/json_text.h"

namespace burrowly {
namespace {

using nlohmann::json;

bool read_value(const json& value, std::string& field) {
  if (!value.is_string()) return false;
  field = value.get<std::string>();
  return true;
}

bool read_value(const json& value, bool& field) {
  if (!value.is_boolean()) return false;
  field = value.get<bool>();
  return true;
}

// Whole numbers only: a number written with a fraction or an exponent is a float to
// the parser and is refused, like one beyond the field's range. "-0" is a signed
// zero to the parser and reads as 0.
bool read_value(const json& value, std::uint32_t& field) {
  if (!value.is_number_integer()) return false;
  if (!value.is_number_unsigned() && value.get<std::int64_t>() != 0) return false;
  std::uint64_t number = value.get<std::uint64_t>();
  if (number > std::numeric_limits<std::uint32_t>::max()) return false;
  field = static_cast<std::uint32_t>(number);
  return true;
}

bool read_value(const json& value, std::int32_t& field) {
  if (!value.is_number_integer()) return false;
  if (value.is_number_unsigned()) {
    std::uint64_t number = value.get<std::uint64_t>();
    if (number > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) return false;
    field = static_cast<std::int32_t>(number);
    return true;
  }
  std::int64_t number = value.get<std::int64_t>();
  if (number < std::numeric_limits<std::int32_t>::min()) return false;
  field = static_cast<std::int32_t>(number);
  return true;
}

bool read_value(const json& value, Position& field) {
  if (value == "taskbar") field = Position::taskbar;
  else if (value == "top") field = Position::top;
  else return false;
  return true;
}

bool read_value(const json& value, std::map<std::string, std::string>& field) {
  if (!value.is_object()) return false;
  std::map<std::string, std::string> names;
  for (const auto& [species, name] : value.items()) {
    if (!name.is_string()) return false;
    names[species] = name.get<std::string>();
  }
  field = std::move(names);
  return true;
}

std::string value_text(const std::string& text) { return json_string(text); }
std::string value_text(bool flag) { return flag ? "true" : "false"; }
std::string value_text(std::uint32_t number) { return std::to_string(number); }
std::string value_text(std::int32_t number) { return std::to_string(number); }
std::string value_text(Position position) { return position == Position::top ? "\"top\"" : "\"taskbar\""; }

// A nested object one level deeper than the record's members.
std::string value_text(const std::map<std::string, std::string>& names) {
  if (names.empty()) return "{}";
  std::string text = "{";
  const char* separator = "\n";
  for (const auto& [species, name] : names) {
    text += separator;
    text += "    " + json_string(species) + ": " + json_string(name);
    separator = ",\n";
  }
  return text + "\n  }";
}

}  // namespace

std::optional<Config> read_config(std::string_view text) {
  std::optional<json> object = parse_json_object(text);
  if (!object) return std::nullopt;
  Config config = default_config();
  bool valid = true;
  visit_config_fields(config, [&](const char* key, auto& field) {
    auto member = object->find(key);
    if (valid && member != object->end()) valid = read_value(*member, field);
  });
  if (!valid) return std::nullopt;
  return config;
}

std::string config_text(const Config& config) {
  std::string text = "{";
  const char* separator = "\n";
  visit_config_fields(config, [&](const char* key, const auto& field) {
    text += separator;
    text += "  " + json_string(key) + ": " + value_text(field);
    separator = ",\n";
  });
  return text + "\n}";
}

}  // namespace burrowly
