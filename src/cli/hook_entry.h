#pragma once
// The command an agent's configuration runs to reach the pet, "PROGRAM hook AGENT",
// and how our entries are told from everyone else's.

#include <string>
#include <string_view>

#include "cli/agent_hook.h"

namespace burrowly {

// The executable's path as a word for the agent's shell: with forward slashes on
// Windows (Git Bash, cmd and PowerShell all take them), quoted only when it holds a
// space or another character a shell would act on.
std::string shell_word_for_program(std::string_view path, bool windows);

// shell_word_for_program (path) + " hook " + the agent's name.
std::string hook_command_line(std::string_view program_path, HookAgent agent, bool windows);

// True for a command that runs a Burrowly executable (any path) with "hook AGENT":
// ours, even when it names an older location of the program. our_command, the one
// this executable installs, counts whatever the program's file is called.
bool is_burrowly_hook_command(std::string_view command, HookAgent agent, std::string_view our_command);

}  // namespace burrowly
