#pragma once
// The actions behind the command words; each returns the process exit status.

#include <span>
#include <string>

#include "cli/cli_io.h"

namespace burrowly {

int say_command(const std::string& text, CliIo io);
int ok_command(const std::string& text, CliIo io);
int fail_command(const std::string& text, CliIo io);
int profile_command(const std::string& name, CliIo io);
int report_term(std::span<const std::string> args, CliIo io);
int handle_hook(CliIo io);
// "hook" followed by an agent's name (and possibly its event).
int handle_agent_hook(std::span<const std::string> args, CliIo io);
// "hooks install|remove AGENT", "hooks status".
int hooks_command(std::span<const std::string> args, CliIo io);
int run_smoke_test(CliIo io);

}  // namespace burrowly
