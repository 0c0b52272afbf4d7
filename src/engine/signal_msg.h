#pragma once
// A message from a command-line client to the tray application.

#include <optional>
#include <string>
#include <variant>

namespace burrowly {

struct SayMsg {
  std::string text;
  std::optional<float> duration;
  bool operator==(const SayMsg&) const = default;
};
struct OkMsg {
  std::string text;
  bool operator==(const OkMsg&) const = default;
};
struct FailMsg {
  std::string text;
  bool operator==(const FailMsg&) const = default;
};
struct ProfileMsg {
  std::string slug;
  bool operator==(const ProfileMsg&) const = default;
};

using SignalMsg = std::variant<SayMsg, OkMsg, FailMsg, ProfileMsg>;

}  // namespace burrowly
