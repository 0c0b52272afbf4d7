#pragma once
// The per-language table of user-interface texts: menu labels, the pet's fixed
// lines and the messaging texts, 124 slots per language.

#include <array>
#include <cstddef>
#include <string_view>

#include "assets/language.h"

namespace burrowly {

enum class Ui : std::size_t {
  // Tray menu and name dialog.
  put_to_sleep, wake_up, hide_pet, show_pet, throw_yarn_ball, throw_frisbee, toss_treat,
  animal_pet, group_cats, group_dogs, group_small, group_birds_fox_reptiles,
  species_cat, species_manul, species_shpic, species_corgi, species_taksa, species_husky,
  species_frenchie, species_chihuahua, species_cocker, species_rabbit, species_hamster,
  species_guineapig, species_chinchilla, species_hedgehog, species_ferret, species_fox,
  species_parrot, species_turtle,
  user_profile, new_profile, rename_profile, delete_current_profile, new_profile_title,
  rename_profile_title,
  habitat_position, above_taskbar, top_edge, top_notch_island,
  size, size_small, size_medium, size_large,
  cat_coat, coat_black, coat_white, coat_ginger, coat_gray, coat_siamese,
  hat_accessory, outfit_seasonal, outfit_none, outfit_santa, outfit_beanie, outfit_party,
  outfit_crown, outfit_wreath, outfit_bow,
  personality, mood_calm, mood_balanced, mood_playful,
  care_reminders, reminder_break, reminder_water, reminder_lunch, reminder_bedtime,
  reminder_off, every_25_min, every_50_min, every_30_min, every_hour, every_90_min,
  name_pet, pet_nickname, ok, cancel,
  chatty_remarks, system_vitals_monitor, typing_reaction, roam_all_monitors,
  start_with_windows, language, quit,
  // The pet's sounds and remarks.
  meow, purr, hiss, woof, awooo, squeak, chirp, rustle, stretch_break, ouch,
  my_spot, scoot_over, my_shift_now, where_did_you_go, running_the_show,
  water_check, lunchtime, your_turn_to_eat, good_morning, happy_friday, getting_late,
  cpu_warm, cpu_cooled, memory_tight, lost_connection, back_online, plug_me_in,
  one_week, one_month, one_year,
  // Messaging.
  hook_finished, hook_waiting, term_done, term_failed, ok_reaction, fail_reaction,
  // Remarks no behaviour speaks.
  tip_tap, no_camera_feed,
  // The tray menu on desktops other than Windows.
  start_at_login,
};

inline constexpr std::size_t kUiSlotCount = 124;
static_assert(static_cast<std::size_t>(Ui::start_at_login) + 1 == kUiSlotCount);

struct UiStrings {
  std::array<std::string_view, kUiSlotCount> slots;

  std::string_view operator[](Ui slot) const { return slots[static_cast<std::size_t>(slot)]; }
  std::string_view operator[](std::size_t slot) const { return slots[slot]; }
};

const UiStrings& ui_strings(Language lang);

}  // namespace burrowly
