// "hooks install AGENT", "hooks remove AGENT", "hooks status": connect a coding
// agent to the pet by adding our hook entries to the agent's user configuration, or
// take them out again. Every other setting stays; the previous file is kept as
// FILE.bak; a file that cannot be parsed is refused (status 2) and left untouched.
#include <ostream>

#include "cli/actions.h"
#include "cli/agent_config_file.h"
#include "platform/files.h"
#include "platform/user_paths.h"

namespace burrowly {

const std::string_view kHooksHelpText =
    "Usage: Burrowly.exe hooks install AGENT   Make AGENT run \"Burrowly.exe hook AGENT\" on its events\n"
    "       Burrowly.exe hooks remove AGENT    Take those entries out again\n"
    "       Burrowly.exe hooks status          Show which agents are connected\n"
    "\n"
    "AGENT is claude (Claude Code), gemini (Gemini CLI), codex (Codex) or opencode\n"
    "(OpenCode). The pet jumps for joy when the agent finishes and says \"Waiting on\n"
    "your input\" when it asks for permission. Only Burrowly's entries are added or\n"
    "removed; the previous file is kept beside it as FILE.bak.\n";

namespace {

struct AgentFile {
  std::string path;
  std::optional<std::string> text;  // Nothing for a missing file.
};

// The agent's file as it is now; nothing (with the reason on err) when it cannot be read.
std::optional<AgentFile> read_agent_file(HookAgent agent, std::ostream& err) {
  std::optional<std::string> path = agent_config_path(agent);
  if (!path) {
    err << "Cannot find the home folder for " << agent_display_name(agent) << "'s settings.\n";
    return std::nullopt;
  }
  AgentFile file{*path, std::nullopt};
  if (!path_exists(file.path)) return file;
  file.text = read_file(file.path);
  if (!file.text) {
    err << "Cannot read " << file.path << ".\n";
    return std::nullopt;
  }
  return file;
}

// Keeps the previous file as FILE.bak, then replaces or deletes the file. A settings
// file linked from elsewhere (a dotfiles folder) is written where the link points.
bool write_agent_file(const AgentFile& file, const ConfigEdit& edit, std::ostream& err) {
  const std::size_t folder_end = file.path.find_last_of(kPathSeparator);
  if (folder_end != std::string::npos) create_directories(file.path.substr(0, folder_end));
  bool ok = !file.text || write_file_atomic(file.path + ".bak", *file.text);
  if (ok) ok = edit.delete_file ? remove_file(file.path) : write_file_atomic(file.path, edit.text);
  if (!ok) err << "Cannot write " << file.path << ".\n";
  return ok;
}

int change_agent_hooks(bool install, HookAgent agent, CliIo io) {
  std::optional<std::string> program = executable_path();
  if (!program) {
    io.err << "Cannot find the path of this program.\n";
    return 1;
  }
  std::optional<AgentFile> file = read_agent_file(agent, io.err);
  if (!file) return 1;
  const std::string_view name = agent_display_name(agent);
  if (!install && !file->text) {
    io.out << name << " was not connected: there is no " << file->path << ".\n";
    return 0;
  }
  ConfigEdit edit = install ? add_agent_hooks(agent, file->text, *program) : remove_agent_hooks(agent, file->text, *program);
  if (!edit.problem.empty()) {
    io.err << "Cannot change " << file->path << ": " << edit.problem << ". Nothing was written.\n";
    return 2;
  }
  if (file->text && edit.text == *file->text && !edit.delete_file) {
    io.out << name << (install ? " is already connected in " : " was not connected in ") << file->path << ".\n";
    return 0;
  }
  if (!write_agent_file(*file, edit, io.err)) return 1;
  if (install) {
    io.out << name << " is connected in " << file->path << ".\n";
    if (std::string_view note = agent_install_note(agent); !note.empty()) io.out << note << '\n';
  } else {
    io.out << name << " is no longer connected in " << file->path << ".\n";
  }
  return 0;
}

std::string_view state_text(HookState state) {
  switch (state) {
    case HookState::absent: return "not connected";
    case HookState::installed: return "connected";
    case HookState::outdated: return "connected to another copy of Burrowly: run hooks install again";
    case HookState::unreadable: return "cannot tell: the file does not parse";
  }
  return {};
}

int hooks_status(CliIo io) {
  const std::string program = executable_path().value_or("");
  for (HookAgent agent : kHookAgents) {
    io.out << agent_display_name(agent) << " (" << hook_agent_name(agent) << "): ";
    std::optional<AgentFile> file = read_agent_file(agent, io.err);
    if (!file) {
      io.out << "cannot tell\n";
      continue;
    }
    io.out << state_text(agent_hooks_state(agent, file->text, program)) << ", " << file->path << '\n';
  }
  return 0;
}

int usage_error(std::string_view problem, CliIo io) {
  io.err << problem << '\n' << kHooksHelpText;
  return 2;
}

}  // namespace

int hooks_command(std::span<const std::string> args, CliIo io) {
  if (args.empty()) return usage_error("Missing argument for hooks", io);
  const std::string& action = args[0];
  if (action == "--help" || action == "-h" || action == "help") {
    io.out << kHooksHelpText;
    return 0;
  }
  if (action == "status" && args.size() == 1) return hooks_status(io);
  if (action != "install" && action != "remove") return usage_error("Unknown hooks command: " + action, io);
  if (args.size() != 2) return usage_error("hooks " + action + " takes one agent", io);
  std::optional<HookAgent> agent = hook_agent_from_name(args[1]);
  if (!agent) return usage_error("Unknown agent: " + args[1], io);
  return change_agent_hooks(action == "install", *agent, io);
}

}  // namespace burrowly
