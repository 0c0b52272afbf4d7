#include "cli/signal_codec.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "text/json_text.h"

namespace burrowly {
namespace {

using nlohmann::json;

std::string json_duration(std::optional<float> duration) {
  if (!duration || !std::isfinite(*duration)) return "null";
  // Plain decimals, never an exponent: the largest float has 39 digits, the smallest
  // 45 zeros after the point.
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, *duration, std::chars_format::fixed);
  std::string text(buffer, end);
  if (text.find_first_not_of("-0123456789") == std::string::npos) text += ".0";
  return text;
}

struct Encoder {
  std::string operator()(const SayMsg& m) const {
    return R"({"cmd":"say","text":)" + json_string(m.text) + R"(,"duration":)" +
           json_duration(m.duration) + "}";
  }
  std::string operator()(const OkMsg& m) const {
    return R"({"cmd":"ok","text":)" + json_string(m.text) + "}";
  }
  std::string operator()(const FailMsg& m) const {
    return R"({"cmd":"fail","text":)" + json_string(m.text) + "}";
  }
  std::string operator()(const ProfileMsg& m) const {
    return R"({"cmd":"profile","slug":)" + json_string(m.slug) + "}";
  }
};

// A string member: nothing when absent, failure (false) when present but not a string.
bool read_text(const json& object, const char* key, std::optional<std::string>& text) {
  auto it = object.find(key);
  if (it == object.end()) return true;
  if (!it->is_string()) return false;
  text = it->get<std::string>();
  return true;
}

// A JSON number as a 32-bit float; magnitudes beyond its range become infinities.
float to_float(double value) {
  if (std::fabs(value) > std::numeric_limits<float>::max())
    return std::copysign(std::numeric_limits<float>::infinity(), value);
  return static_cast<float>(value);
}

}  // namespace

std::string encode_signal(const SignalMsg& message) { return std::visit(Encoder{}, message); }

std::optional<SignalMsg> decode_signal(std::string_view line) {
  std::optional<json> object = parse_json_object(line);
  if (!object) return std::nullopt;
  auto cmd = object->find("cmd");
  if (cmd == object->end() || !cmd->is_string()) return std::nullopt;
  const std::string& tag = cmd->get_ref<const std::string&>();

  std::optional<std::string> text;
  if (tag == "say") {
    if (!read_text(*object, "text", text) || !text) return std::nullopt;
    SayMsg say{*text, std::nullopt};
    auto duration = object->find("duration");
    if (duration != object->end() && !duration->is_null()) {
      if (!duration->is_number()) return std::nullopt;
      say.duration = to_float(duration->get<double>());
    }
    return say;
  }
  if (tag == "ok" || tag == "fail") {
    if (!read_text(*object, "text", text)) return std::nullopt;
    if (tag == "ok") return OkMsg{text.value_or("")};
    return FailMsg{text.value_or("")};
  }
  if (tag == "profile") {
    std::optional<std::string> slug;
    if (!read_text(*object, "slug", slug) || !slug) return std::nullopt;
    return ProfileMsg{*slug};
  }
  return std::nullopt;
}

}  // namespace burrowly
