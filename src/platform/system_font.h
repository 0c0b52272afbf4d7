#pragma once
// The system's user-interface font file, for the speech bubbles.

#include <optional>
#include <string>
#include <vector>

namespace burrowly {

// The font files tried in order: the Windows folder (WINDIR, else "C:/Windows"),
// its "Fonts" folder, "segoeui.ttf" then "arial.ttf".
std::vector<std::string> ui_font_candidates(const std::optional<std::string>& windir);

// The bytes of the system's bubble font: on Windows the first candidate that can be
// read; elsewhere DejaVu Sans, Noto Sans or Liberation Sans as fontconfig finds them.
// Nothing when none can be read.
std::optional<std::string> read_system_ui_font();

}  // namespace burrowly
