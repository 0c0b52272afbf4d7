#pragma once
// Fatal errors: a corrupt build or a failed self-check. The message goes to standard
// error prefixed with "Burrowly: fatal: " (and, in the tray application, into a
// message box); the process exits with status 101.

#include <string_view>

namespace burrowly {

inline constexpr int kFatalExitStatus = 101;

[[noreturn]] void fatal(std::string_view message);

// The tray application has no console: make fatal errors also show a message box.
void show_fatal_errors_in_dialog();

}  // namespace burrowly
