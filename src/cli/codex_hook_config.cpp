#include "cli/codex_hook_config.h"

#include <optional>
#include <toml++/toml.h>
#include <vector>

#include "cli/hook_entry.h"

namespace burrowly {
namespace {

constexpr std::string_view kEvents[] = {"Stop", "PermissionRequest"};
constexpr std::string_view kComment =
    "# Burrowly: the desktop pet cheers when Codex finishes and speaks up when it asks for permission.";

std::optional<toml::table> parse_toml(std::string_view text, std::string* problem = nullptr) {
  try {
    return toml::parse(text);
  } catch (const toml::parse_error& error) {
    if (problem) *problem = "it is not valid TOML (" + std::string(error.description()) + ")";
    return std::nullopt;
  }
}

bool is_our_entry(const toml::node& entry, const std::string& our_command) {
  const toml::table* table = entry.as_table();
  std::optional<std::string> command = table ? (*table)["command"].value<std::string>() : std::nullopt;
  return command && is_burrowly_hook_command(*command, HookAgent::codex, our_command);
}

// A group whose every command entry is ours.
bool is_our_group(const toml::node& group, const std::string& our_command) {
  const toml::table* table = group.as_table();
  const toml::array* entries = table ? (*table)["hooks"].as_array() : nullptr;
  if (!entries || entries->empty()) return false;
  for (const toml::node& entry : *entries)
    if (!is_our_entry(entry, our_command)) return false;
  return true;
}

// The configuration as it would be without our groups; a "hooks" table left empty
// is dropped.
toml::table without_our_groups(toml::table config, const std::string& our_command) {
  toml::table* hooks = config["hooks"].as_table();
  if (!hooks) return config;
  for (std::string_view event : kEvents) {
    toml::array* groups = (*hooks)[event].as_array();
    if (!groups) continue;
    for (std::size_t i = groups->size(); i-- > 0;)
      if (is_our_group((*groups)[i], our_command)) groups->erase(groups->begin() + static_cast<std::ptrdiff_t>(i));
    if (groups->empty()) hooks->erase(event);
  }
  if (hooks->empty()) config.erase("hooks");
  return config;
}

std::string toml_basic_string(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string our_block(const std::string& command) {
  std::string block = std::string(kComment) + "\n";
  for (std::string_view event : kEvents) {
    if (event != kEvents[0]) block += "\n";
    block += "[[hooks." + std::string(event) + "]]\n";
    block += "[[hooks." + std::string(event) + ".hooks]]\n";
    block += "type = \"command\"\n";
    block += "command = " + toml_basic_string(command) + "\n";
  }
  return block;
}

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

std::string_view trimmed(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r\n") - first + 1);
}

bool is_header(std::string_view line) { return trimmed(line).starts_with('['); }

// Removes, line by line, every [[hooks.EVENT]] section (with its [[hooks.EVENT.hooks]]
// sections) that holds only our commands, and the comment we put above it.
std::string drop_our_sections(std::string_view text, const std::string& our_command) {
  std::vector<std::string_view> lines = split_lines(text);
  std::vector<bool> keep(lines.size(), true);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::string_view event : kEvents) {
      const std::string group_header = "[[hooks." + std::string(event) + "]]";
      const std::string entry_header = "[[hooks." + std::string(event) + ".hooks]]";
      if (trimmed(lines[i]) != group_header) continue;
      std::size_t end = i + 1;
      while (end < lines.size() && (!is_header(lines[end]) || trimmed(lines[end]) == entry_header)) ++end;
      std::string section;
      for (std::size_t j = i; j < end; ++j) section += lines[j];
      std::optional<toml::table> parsed = parse_toml(section);
      const toml::array* groups = parsed ? (*parsed)["hooks"][event].as_array() : nullptr;
      if (!groups || groups->size() != 1 || !is_our_group((*groups)[0], our_command)) continue;
      for (std::size_t j = i; j < end; ++j) keep[j] = false;
      if (i > 0 && trimmed(lines[i - 1]) == kComment) {
        keep[i - 1] = false;
        if (i > 1 && trimmed(lines[i - 2]).empty()) keep[i - 2] = false;
      }
    }
  }
  std::string result;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (keep[i]) result += lines[i];
  return result;
}

// Our entries; with exact, only those running our_command itself.
std::size_t count_our_entries(const toml::table& config, const std::string& our_command, bool exact = false) {
  std::size_t count = 0;
  const toml::table* hooks = config["hooks"].as_table();
  if (!hooks) return 0;
  for (std::string_view event : kEvents) {
    const toml::array* groups = (*hooks)[event].as_array();
    if (!groups) continue;
    for (const toml::node& group : *groups) {
      const toml::table* table = group.as_table();
      const toml::array* entries = table ? (*table)["hooks"].as_array() : nullptr;
      if (!entries) continue;
      for (const toml::node& entry : *entries)
        if (is_our_entry(entry, our_command) &&
            (!exact || entry.as_table()->get("command")->value<std::string>() == our_command))
          ++count;
    }
  }
  return count;
}

const char* const kCannotEdit =
    "its Burrowly hooks are written in a form this command does not edit; change them by hand";

}  // namespace

ConfigEdit remove_codex_hooks(std::string_view text, const std::string& command) {
  std::string problem;
  std::optional<toml::table> before = parse_toml(text, &problem);
  if (!before) return {{}, problem};
  if (count_our_entries(*before, command) == 0) return {std::string(text), {}};
  std::string result = drop_our_sections(text, command);
  std::optional<toml::table> after = parse_toml(result);
  if (!after || without_our_groups(*after, command) != without_our_groups(*before, command) ||
      count_our_entries(*after, command) != 0)
    return {{}, kCannotEdit};
  return {result, {}};
}

ConfigEdit add_codex_hooks(std::string_view text, const std::string& command) {
  if (codex_hooks_state(text, command) == HookState::installed) return {std::string(text), {}};
  ConfigEdit removed = remove_codex_hooks(text, command);
  if (!removed.problem.empty()) return removed;
  std::string result = removed.text;
  // The file's own line breaks, and one blank line between the user's lines and ours.
  const std::string line_break = result.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  if (!result.empty() && !result.ends_with('\n')) result += line_break;
  if (!trimmed(result).empty() && !result.ends_with(line_break + line_break)) result += line_break;
  const std::string block = our_block(command);
  for (std::string_view line : split_lines(block))
    result += std::string(line.substr(0, line.size() - 1)) + line_break;
  std::optional<toml::table> after = parse_toml(result);
  std::optional<toml::table> before = parse_toml(removed.text);
  if (!after || without_our_groups(*after, command) != without_our_groups(*before, command) ||
      count_our_entries(*after, command, /*exact=*/true) != std::size(kEvents))
    return {{}, "its [hooks] are written in a form our entries cannot be added to; add them by hand"};
  return {result, {}};
}

HookState codex_hooks_state(std::string_view text, const std::string& command) {
  std::optional<toml::table> config = parse_toml(text);
  if (!config) return HookState::unreadable;
  const std::size_t ours = count_our_entries(*config, command);
  if (ours == 0) return HookState::absent;
  return ours == std::size(kEvents) && count_our_entries(*config, command, /*exact=*/true) == ours ? HookState::installed
                                                                                     : HookState::outdated;
}

}  // namespace burrowly
