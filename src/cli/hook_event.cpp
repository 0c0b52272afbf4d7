#include "cli/hook_event.h"

#include "text/json_text.h"
#include "text/utf8.h"

namespace burrowly {
namespace {

std::string string_member(const nlohmann::json& value, const char* key) {
  if (!value.is_object()) return {};
  auto it = value.find(key);
  return it != value.end() && it->is_string() ? it->get<std::string>() : std::string();
}

}  // namespace

std::optional<HookEvent> parse_hook_input(std::string_view input) {
  if (!is_valid_utf8(input)) return std::nullopt;
  std::optional<nlohmann::json> value = parse_json(input);
  if (!value) return std::nullopt;
  return HookEvent{string_member(*value, "hook_event_name"), string_member(*value, "notification_type")};
}

std::optional<SignalMsg> hook_message(const HookEvent& event, std::string_view hook_finished,
                                      std::string_view hook_waiting) {
  if (event.name == "Stop" || event.name == "SubagentStop") return OkMsg{std::string(hook_finished)};
  if (event.name == "Notification" && (event.notification_type.find("permission") != std::string::npos ||
                                       event.notification_type.find("elicitation") != std::string::npos))
    return SayMsg{std::string(hook_waiting), kHookWaitingSeconds};
  return std::nullopt;
}

}  // namespace burrowly
