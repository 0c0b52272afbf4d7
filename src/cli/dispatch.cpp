#include "cli/dispatch.h"

#include <ostream>

#include "cli/actions.h"
#include "text/unicode.h"

namespace burrowly {

const std::string_view kVersionLine = "Burrowly " BURROWLY_VERSION "\n";

const std::string_view kUsageText =
    "Burrowly " BURROWLY_VERSION " \u2014 multi-user desktop animal companion suite\n"
    "\n"
    "Usage:\n"
    "\tBurrowly.exe                         Start tray app & overlay\n"
    "\tBurrowly.exe say <text>              Speech bubble for your pet\n"
    "\tBurrowly.exe ok [text]               Happy jump + sparkle reaction\n"
    "\tBurrowly.exe fail [text]             Startle alert + red warning bubble\n"
    "\tBurrowly.exe term <exit> <sec> [cmd] Report shell command result\n"
    "\tBurrowly.exe hook                    Process Claude Code JSON hook on stdin\n"
    "\tBurrowly.exe profile <name>          Switch active user profile live\n"
    "\tBurrowly.exe --smoke-test            Verify every pet, S/M/L sprites & renderer\n"
    "\n";

namespace {

std::string join_rest(std::span<const std::string> rest) {
  std::string joined;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (i > 0) joined += ' ';
    joined += rest[i];
  }
  return joined;
}

int missing_argument(std::string_view command, CliIo io) {
  io.err << "Missing argument for " << command << '\n';
  return 2;
}

}  // namespace

int dispatch_command(std::span<const std::string> args, CliIo io) {
  const std::string& command = args[0];
  std::span<const std::string> rest = args.subspan(1);

  if (command == "-h" || command == "help" || command == "--help") {
    io.out << kUsageText;
    return 0;
  }
  if (command == "-V" || command == "--version") {
    io.out << kVersionLine;
    return 0;
  }
  if (command == "say") {
    std::string text = join_rest(rest);
    if (trim_unicode_space(text).empty()) return missing_argument(command, io);
    return say_command(text, io);
  }
  if (command == "ok") return ok_command(join_rest(rest), io);
  if (command == "fail") return fail_command(join_rest(rest), io);
  if (command == "term") return report_term(rest, io);
  if (command == "hook") return rest.empty() ? handle_hook(io) : handle_agent_hook(rest, io);
  if (command == "hooks") return hooks_command(rest, io);
  if (command == "profile") {
    if (rest.empty()) return missing_argument(command, io);
    return profile_command(join_rest(rest), io);
  }
  if (command == "--smoke-test") return run_smoke_test(io);

  io.err << "Unknown Burrowly command: " << command << ". Try --help\n";
  return 2;
}

}  // namespace burrowly
