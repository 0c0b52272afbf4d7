#pragma once
// The command table of the command-line client.

#include <span>
#include <string>
#include <string_view>

#include "cli/cli_io.h"

namespace burrowly {

// The version comes from the build (the project version in CMakeLists.txt).
extern const std::string_view kVersionLine;
extern const std::string_view kUsageText;

// Runs the command named by args[0] (args holds at least one element) and returns
// the process exit status.
int dispatch_command(std::span<const std::string> args, CliIo io);

}  // namespace burrowly
