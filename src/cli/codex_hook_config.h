#pragma once
// Our hooks in Codex's config.toml: one "Stop" and one "PermissionRequest" group,
// [[hooks.EVENT]] with a [[hooks.EVENT.hooks]] command entry each. The file is
// edited as text, so every other line (comments, order, layout) stays as it was;
// the TOML parser checks each edit: the result must hold exactly what was meant.

#include <string>
#include <string_view>

#include "cli/hook_config_edit.h"

namespace burrowly {

// The text with our two groups appended, after dropping our older groups.
ConfigEdit add_codex_hooks(std::string_view text, const std::string& command);

// The text without our groups.
ConfigEdit remove_codex_hooks(std::string_view text, const std::string& command);

HookState codex_hooks_state(std::string_view text, const std::string& command);

}  // namespace burrowly
