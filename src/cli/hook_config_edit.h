#pragma once
// What editing an agent's configuration text yields, and what a look at it finds.

#include <string>

namespace burrowly {

struct ConfigEdit {
  std::string text;     // The new text; the old one unchanged when nothing had to change.
  std::string problem;  // Why the text cannot be edited; empty on success.
  bool delete_file = false;  // The file held nothing but ours: it goes as a whole.
};

enum class HookState {
  absent,      // None of our entries.
  installed,   // Every entry, running this executable.
  outdated,    // Some of ours, but not all, or naming another location of the program.
  unreadable,  // The text does not parse, or has a shape we do not touch.
};

}  // namespace burrowly
