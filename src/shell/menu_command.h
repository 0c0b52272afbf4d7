#pragma once
// The tray menu's command identifiers and what each one asks for.

#include <cstdint>
#include <string_view>

#include "config/config.h"

namespace burrowly {

enum class MenuCommandKind {
  none,
  toggle_sleep,
  toggle_hidden,
  throw_toy,
  toggle_notch,
  name_pet,
  toggle_chatty,
  toggle_watch_pc,
  toggle_listens,
  toggle_cross_monitors,
  toggle_autostart,
  quit,
  new_profile,
  rename_profile,
  delete_profile,
  set_position,
  change_pet,
  set_size,
  set_coat,
  set_outfit,
  set_mood,
  set_break,
  set_water,
  set_lunch,
  set_bed,
  set_lang,
  switch_profile,
};

struct MenuCommand {
  MenuCommandKind kind = MenuCommandKind::none;
  std::int32_t number = 0;  // minutes, hour, or an index into a list (profile, species)
  std::string_view key;     // the setting's key: size, coat, outfit, mood, lang
  Position position = Position::taskbar;
};

namespace menu_id {
inline constexpr std::uint32_t sleep = 1001, hide = 1002, toy = 1003, notch = 1004, name_pet = 1005,
                               chatty = 1006, watch_pc = 1007, listens = 1008, cross_monitors = 1009,
                               autostart = 1010, quit = 1011, new_profile = 1012, rename_profile = 1013,
                               delete_profile = 1014, taskbar = 1100, top_edge = 1101, first_pet = 1200,
                               first_size = 1300, first_coat = 1400, first_outfit = 1500, first_mood = 1600,
                               first_break = 1700, first_water = 1720, lunch_off = 1740, bed_off = 1780,
                               first_lang = 1850, first_profile = 1900;
}  // namespace menu_id

// The command behind a menu item id; unknown ids give `none`.
MenuCommand decode_menu_command(std::uint32_t id);

// Applies a command that only changes a setting (sizes, outfits, moods, reminders,
// languages, positions and the plain toggles) and returns whether it was one.
bool apply_setting(Config& config, const MenuCommand& command);

// Whether the setting moves the lane's rectangle: the position, the notch and (the top
// lane's depth follows the pet) the size. The overlays are placed anew after it.
bool moves_the_lane(MenuCommandKind kind);

}  // namespace burrowly
