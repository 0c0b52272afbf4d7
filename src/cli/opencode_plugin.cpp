#include "cli/opencode_plugin.h"

#include "text/json_text.h"

namespace burrowly {
namespace {

constexpr std::string_view kFirstLine =
    "// Burrowly: the desktop pet cheers when OpenCode goes idle and speaks up when it asks for permission.\n";

}  // namespace

std::string opencode_plugin_text(std::string_view program_path) {
  return std::string(kFirstLine) +
         "// Written by \"hooks install opencode\" of Burrowly; \"hooks remove opencode\" deletes it.\n"
         "const program = " + json_string(program_path) + ";\n"
         "const passedOn = [\"session.idle\", \"permission.asked\", \"permission.updated\"];\n"
         "\n"
         "export const BurrowlyPet = async ({ $ }) => ({\n"
         "  event: async ({ event }) => {\n"
         "    if (!passedOn.includes(event.type)) return;\n"
         "    await $`${program} hook opencode ${JSON.stringify({ type: event.type })}`.quiet().nothrow();\n"
         "  },\n"
         "});\n";
}

HookState opencode_plugin_state(const std::string* text, std::string_view program_path) {
  if (!text) return HookState::absent;
  if (*text == opencode_plugin_text(program_path)) return HookState::installed;
  return text->starts_with(kFirstLine) ? HookState::outdated : HookState::unreadable;
}

}  // namespace burrowly
