#include "cli/hook_entry.h"

#include <algorithm>

namespace burrowly {
namespace {

bool is_plain_path_character(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view("/\\:._-+@%,").find(c) != std::string_view::npos || static_cast<unsigned char>(c) >= 0x80;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string ascii_lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

}  // namespace

std::string shell_word_for_program(std::string_view path, bool windows) {
  std::string word(path);
  if (windows) std::replace(word.begin(), word.end(), '\\', '/');
  if (std::all_of(word.begin(), word.end(), is_plain_path_character)) return word;
  if (windows) return '"' + word + '"';  // A Windows path cannot hold a double quote.
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string hook_command_line(std::string_view program_path, HookAgent agent, bool windows) {
  return shell_word_for_program(program_path, windows) + " hook " + std::string(hook_agent_name(agent));
}

bool is_burrowly_hook_command(std::string_view command, HookAgent agent, std::string_view our_command) {
  if (command == our_command) return true;
  const std::string tail = " hook " + std::string(hook_agent_name(agent));
  command = trimmed(command);
  if (!command.ends_with(tail)) return false;
  std::string_view program = trimmed(command.substr(0, command.size() - tail.size()));
  if (program.size() >= 2 && (program.front() == '"' || program.front() == '\'') && program.back() == program.front())
    program = program.substr(1, program.size() - 2);
  const std::size_t slash = program.find_last_of("/\\");
  const std::string name = ascii_lower(slash == std::string_view::npos ? program : program.substr(slash + 1));
  return name == "burrowly" || name == "burrowly.exe";
}

}  // namespace burrowly
