#include "cli/json_hook_settings.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <vector>

#include "cli/hook_entry.h"
#include "text/json_nesting.h"
#include "text/utf8.h"

namespace burrowly {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kSettingsNesting = 512;

std::vector<std::string> hook_events(HookAgent agent) {
  if (agent == HookAgent::gemini) return {"AfterAgent", "Notification"};
  return {"Stop", "Notification"};
}

Json hook_entry(HookAgent agent, const std::string& command) {
  Json entry = Json::object();
  if (agent == HookAgent::gemini) entry["name"] = "burrowly";  // Gemini lists hooks by name.
  entry["type"] = "command";
  entry["command"] = command;
  return entry;
}

struct Document {
  Json value;
  bool byte_order_mark = false;
  std::string indent;  // One level: spaces or a tab.
  bool final_line_break = true;
};

// The settings object; nothing when the text is not one JSON object without repeated
// keys (a parser keeps only one of them, so writing back would lose the other).
std::optional<Document> parse_settings(std::string_view text, std::string& problem) {
  Document doc;
  doc.byte_order_mark = text.starts_with(kByteOrderMark);
  if (doc.byte_order_mark) text.remove_prefix(kByteOrderMark.size());
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    doc.value = Json::object();
    doc.indent = "  ";
    return doc;
  }
  if (!is_valid_utf8(text) || !json_nesting_within(text, kSettingsNesting)) {
    problem = "it is not UTF-8 JSON";
    return std::nullopt;
  }
  std::vector<std::set<std::string>> keys;
  bool repeated = false;
  auto watch_keys = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) keys.emplace_back();
    if (event == Json::parse_event_t::object_end) keys.pop_back();
    if (event == Json::parse_event_t::key && !keys.back().insert(parsed.get<std::string>()).second) repeated = true;
    return true;
  };
  doc.value = Json::parse(text.begin(), text.end(), watch_keys, /*allow_exceptions=*/false);
  if (doc.value.is_discarded()) {
    problem = "it is not valid JSON (comments are not supported)";
    return std::nullopt;
  }
  if (repeated) {
    problem = "an object in it repeats a key";
    return std::nullopt;
  }
  if (!doc.value.is_object()) {
    problem = "it does not hold a JSON object";
    return std::nullopt;
  }
  const std::size_t line = text.find('\n');
  const std::size_t first = line == std::string_view::npos ? line : text.find_first_not_of(' ', line + 1);
  if (first != std::string_view::npos && text[first] == '\t') doc.indent = "\t";
  else doc.indent.assign(first == std::string_view::npos || first == line + 1 ? 2 : first - line - 1, ' ');
  doc.final_line_break = text.find_last_not_of(" \t\r\n") + 1 < text.size();
  return doc;
}

std::string settings_text(const Document& doc) {
  const char fill = doc.indent == "\t" ? '\t' : ' ';
  const int width = fill == '\t' ? 1 : static_cast<int>(doc.indent.size());
  std::string text = doc.byte_order_mark ? std::string(kByteOrderMark) : std::string();
  text += doc.value.dump(width, fill, /*ensure_ascii=*/false);
  if (doc.final_line_break) text += '\n';
  return text;
}

// The hooks object, checked for the shape we edit: nothing when it or one of our
// events' lists is something else.
bool hooks_have_our_shape(const Json& settings, HookAgent agent, std::string& problem) {
  auto hooks = settings.find("hooks");
  if (hooks == settings.end()) return true;
  if (!hooks->is_object()) {
    problem = "its \"hooks\" member is not an object";
    return false;
  }
  for (const std::string& event : hook_events(agent)) {
    auto list = hooks->find(event);
    if (list != hooks->end() && !list->is_array()) {
      problem = "its \"hooks\" member \"" + event + "\" is not a list";
      return false;
    }
  }
  return true;
}

bool is_our_entry(const Json& entry, HookAgent agent, const std::string& our_command) {
  if (!entry.is_object()) return false;
  auto command = entry.find("command");
  return command != entry.end() && command->is_string() &&
         is_burrowly_hook_command(command->get_ref<const std::string&>(), agent, our_command);
}

// Calls visit(entry) for every hook entry under our events.
template <typename Visit>
void for_each_entry(const Json& settings, HookAgent agent, Visit visit) {
  auto hooks = settings.find("hooks");
  if (hooks == settings.end()) return;
  for (const std::string& event : hook_events(agent)) {
    auto list = hooks->find(event);
    if (list == hooks->end()) continue;
    for (const Json& group : *list) {
      if (!group.is_object() || !group.contains("hooks") || !group["hooks"].is_array()) continue;
      for (const Json& entry : group["hooks"]) visit(event, entry);
    }
  }
}

// Drops our entries, then whatever only held them.
void drop_our_entries(Json& settings, HookAgent agent, const std::string& our_command) {
  auto hooks = settings.find("hooks");
  if (hooks == settings.end()) return;
  for (const std::string& event : hook_events(agent)) {
    auto list = hooks->find(event);
    if (list == hooks->end()) continue;
    bool dropped_group = false;
    for (std::size_t g = list->size(); g-- > 0;) {
      Json& group = (*list)[g];
      if (!group.is_object() || !group.contains("hooks") || !group["hooks"].is_array()) continue;
      Json& entries = group["hooks"];
      const std::size_t before = entries.size();
      for (std::size_t e = entries.size(); e-- > 0;)
        if (is_our_entry(entries[e], agent, our_command)) entries.erase(e);
      if (entries.empty() && before > 0) {
        list->erase(g);
        dropped_group = true;
      }
    }
    if (list->empty() && dropped_group) hooks->erase(event);
  }
  if (hooks->empty()) settings.erase("hooks");
}

std::optional<Document> parse_for_edit(std::string_view text, HookAgent agent, std::string& problem) {
  std::optional<Document> doc = parse_settings(text, problem);
  if (doc && !hooks_have_our_shape(doc->value, agent, problem)) return std::nullopt;
  return doc;
}

ConfigEdit edited(std::string_view text, const Json& before, const Document& after) {
  if (after.value == before) return {std::string(text), {}};
  return {settings_text(after), {}};
}

}  // namespace

ConfigEdit add_json_hooks(std::string_view text, HookAgent agent, const std::string& command) {
  std::string problem;
  std::optional<Document> doc = parse_for_edit(text, agent, problem);
  if (!doc) return {{}, problem};
  const Json before = doc->value;
  drop_our_entries(doc->value, agent, command);
  Json& hooks = doc->value["hooks"];
  for (const std::string& event : hook_events(agent))
    hooks[event].push_back(Json{{"hooks", Json::array({hook_entry(agent, command)})}});
  return edited(text, before, *doc);
}

ConfigEdit remove_json_hooks(std::string_view text, HookAgent agent, const std::string& command) {
  std::string problem;
  std::optional<Document> doc = parse_for_edit(text, agent, problem);
  if (!doc) return {{}, problem};
  const Json before = doc->value;
  drop_our_entries(doc->value, agent, command);
  return edited(text, before, *doc);
}

HookState json_hooks_state(std::string_view text, HookAgent agent, const std::string& command) {
  std::string problem;
  std::optional<Document> doc = parse_for_edit(text, agent, problem);
  if (!doc) return HookState::unreadable;
  std::set<std::string> current_events;
  std::size_t ours = 0;
  for_each_entry(doc->value, agent, [&](const std::string& event, const Json& entry) {
    if (!is_our_entry(entry, agent, command)) return;
    ++ours;
    if (entry["command"] == command) current_events.insert(event);
  });
  if (ours == 0) return HookState::absent;
  const std::size_t events = hook_events(agent).size();
  return ours == events && current_events.size() == events ? HookState::installed : HookState::outdated;
}

}  // namespace burrowly
