#pragma once
// The tray icon's tooltip text.

#include <string>
#include <string_view>

namespace burrowly {

inline constexpr std::size_t kTooltipMaxUnits = 127;

// "Burrowly — <pet name> [<profile display name>]" as plain text.
std::string tray_tooltip_text(std::string_view pet_name, std::string_view profile_display);

// The same text as the Windows tray icon takes it: UTF-16 with each "&" written so the
// tooltip shows it, cut to at most 127 units.
std::u16string tray_tooltip(std::string_view pet_name, std::string_view profile_display);

}  // namespace burrowly
