#pragma once
// OpenCode runs no commands on events by itself; a plugin of ours, one JavaScript
// file in its plugins folder, passes the session going idle and permission requests
// on to "hook opencode".

#include <string>
#include <string_view>

#include "cli/hook_config_edit.h"

namespace burrowly {

// The plugin's text, running the executable at program_path.
std::string opencode_plugin_text(std::string_view program_path);

// absent for a missing file (nothing), installed for exactly our plugin, outdated
// for an older one of ours, unreadable for a file that is not ours.
HookState opencode_plugin_state(const std::string* text, std::string_view program_path);

}  // namespace burrowly
