#pragma once
// Settings files that could not be read are moved aside, not overwritten, so a hand
// edit gone wrong can be recovered: NAME.YYYYMMDD-HHMMSS.bad (UTC), with "-2", "-3"...
// before ".bad" when one second holds several. The newest five copies are kept.

#include <string>

namespace burrowly {

inline constexpr int kBadCopiesKept = 5;

// Moves whatever is at path (a file, a folder, a FIFO, a link) to a new .bad name,
// then removes the oldest copies beyond kBadCopiesKept. Nothing happens when path
// does not exist; false when it exists but could not be moved.
bool keep_unreadable_file(const std::string& path);

}  // namespace burrowly
