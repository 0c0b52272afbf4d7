#include "shell/tray_menu.h"

#include <array>
#include <initializer_list>

#include "assets/catalogue.h"
#include "config/calendar.h"
#include "config/languages.h"
#include "config/pet_names.h"
#include "config/ui_strings.h"
#include "shell/menu_command.h"

namespace burrowly {
namespace {

using Type = MenuItem::Type;

MenuItem command(std::uint32_t id, std::string_view label, bool checked = false, bool enabled = true) {
  return MenuItem{Type::command, id, std::string(label), checked, enabled, {}};
}
MenuItem info(std::string label) { return MenuItem{Type::command, 0, std::move(label), false, false, {}}; }
MenuItem separator() { return MenuItem{Type::separator, 0, {}, false, true, {}}; }
MenuItem submenu(std::string_view label, std::vector<MenuItem> children) {
  return MenuItem{Type::submenu, 0, std::string(label), false, true, std::move(children)};
}

// The template with each "{}" replaced by the next argument.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  auto arg = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.compare(i, 2, "{}") == 0 && arg != args.end()) {
      out += *arg++;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string number(std::int64_t n) { return std::to_string(n); }

std::string hour_label(int hour) { return (hour < 10 ? "0" : "") + number(hour) + ":00"; }

template <typename Keys>
std::vector<MenuItem> keyed_choices(std::uint32_t first_id, const Keys& keys, Language lang, std::string_view current) {
  std::vector<MenuItem> items;
  std::uint32_t id = first_id;
  for (const LabelledKey& k : keys) items.push_back(command(id++, in(k.label, lang), k.key == current));
  return items;
}

// Each language is named in itself, so a reader of any of them finds their own row.
std::vector<MenuItem> language_items(std::string_view lang) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kItems{
      {{"uk", "укр"}, {"en", "en"}, {"pl", "pl"}, {"ru", "Русский"}}};
  std::vector<MenuItem> items;
  std::uint32_t id = menu_id::first_lang;
  for (auto [key, label] : kItems) items.push_back(command(id++, label, key == lang));
  return items;
}

std::string_view toy_label(std::string_view pet, const UiStrings& t) {
  if (pet == "cat" || pet == "manul") return t[Ui::throw_yarn_ball];
  if (is_dog(pet)) return t[Ui::throw_frisbee];
  return t[Ui::toss_treat];
}

std::vector<MenuItem> profile_items(const MenuSource& s, Language lang) {
  const UiStrings& t = ui_strings(lang);
  std::vector<MenuItem> items;
  std::uint32_t id = menu_id::first_profile;
  for (const ProfileEntry& p : s.profiles)
    items.push_back(command(id++, fill("{} ({})", {p.display, display_name(lang, p.pet)}), p.id == s.active_profile));
  items.push_back(separator());
  items.push_back(command(menu_id::new_profile, t[Ui::new_profile]));
  items.push_back(command(menu_id::rename_profile, t[Ui::rename_profile]));
  items.push_back(command(menu_id::delete_profile, t[Ui::delete_current_profile], false, s.profiles.size() >= 2));
  return items;
}

std::vector<MenuItem> animal_items(std::string_view pet, Language lang) {
  std::vector<MenuItem> groups;
  for (const MenuGroup& group : menu_groups()) {
    std::vector<MenuItem> animals;
    for (std::string_view key : group.members)
      animals.push_back(
          command(menu_id::first_pet + std::uint32_t(*species_index(key)), display_name(lang, key), key == pet));
    groups.push_back(submenu(in(group.label, lang), std::move(animals)));
  }
  return groups;
}

std::vector<MenuItem> reminder_items(const Config& c, const UiStrings& t) {
  const std::string_view off = t[Ui::reminder_off];
  std::vector<MenuItem> breaks{command(1700, off, c.break_min == 0), command(1701, t[Ui::every_25_min], c.break_min == 25),
                               command(1702, t[Ui::every_50_min], c.break_min == 50)};
  std::vector<MenuItem> water{command(1720, off, c.water_min == 0), command(1721, t[Ui::every_30_min], c.water_min == 30),
                              command(1722, t[Ui::every_hour], c.water_min == 60),
                              command(1723, t[Ui::every_90_min], c.water_min == 90)};
  std::vector<MenuItem> lunch{command(menu_id::lunch_off, off, c.lunch_hour < 0)};
  for (int h = 11; h <= 15; ++h) lunch.push_back(command(std::uint32_t(1741 + h), hour_label(h), c.lunch_hour == h));
  std::vector<MenuItem> bed{command(menu_id::bed_off, off, c.bed_hour < 0)};
  for (int h : {21, 22, 23, 0, 1}) bed.push_back(command(std::uint32_t(1781 + h), hour_label(h), c.bed_hour == h));
  return {submenu(t[Ui::reminder_break], std::move(breaks)), submenu(t[Ui::reminder_water], std::move(water)),
          submenu(t[Ui::reminder_lunch], std::move(lunch)), submenu(t[Ui::reminder_bedtime], std::move(bed))};
}

}  // namespace

std::vector<MenuItem> build_tray_menu(const MenuSource& s) {
  const Config& c = s.config;
  const Language lang = language_from_code(c.lang);
  const UiStrings& t = ui_strings(lang);
  namespace m = menu_id;
  std::vector<MenuItem> menu;
  menu.push_back(submenu(t[Ui::language], language_items(c.lang)));
  menu.push_back(info(days_together_line(lang, pet_display_name(c), s.days_together, c.profile_display)));
  menu.push_back(separator());
  menu.push_back(command(m::sleep, t[c.forced_sleep ? Ui::wake_up : Ui::put_to_sleep]));
  menu.push_back(command(m::hide, t[c.pet_hidden ? Ui::show_pet : Ui::hide_pet]));
  menu.push_back(command(m::toy, toy_label(c.pet, t)));
  menu.push_back(separator());
  menu.push_back(submenu(t[Ui::user_profile], profile_items(s, lang)));
  menu.push_back(submenu(t[Ui::animal_pet], animal_items(c.pet, lang)));
  bool top = c.position == Position::top;
  menu.push_back(submenu(t[Ui::habitat_position],
                         {command(m::taskbar, t[Ui::above_taskbar], !top), command(m::top_edge, t[Ui::top_edge], top),
                          separator(), command(m::notch, t[Ui::top_notch_island], c.top_notch, top)}));
  menu.push_back(submenu(t[Ui::size], keyed_choices(m::first_size, sizes(), lang, c.size)));
  if (c.pet == "cat") menu.push_back(submenu(t[Ui::cat_coat], keyed_choices(m::first_coat, coats(), lang, c.coat)));
  menu.push_back(submenu(t[Ui::hat_accessory], keyed_choices(m::first_outfit, outfits(), lang, c.outfit)));
  menu.push_back(submenu(t[Ui::personality], {command(1600, t[Ui::mood_calm], c.mood == "calm"),
                                              command(1601, t[Ui::mood_balanced], c.mood == "normal"),
                                              command(1602, t[Ui::mood_playful], c.mood == "playful")}));
  menu.push_back(submenu(t[Ui::care_reminders], reminder_items(c, t)));
  menu.push_back(command(m::name_pet, t[Ui::name_pet]));
  menu.push_back(separator());
  menu.push_back(command(m::chatty, t[Ui::chatty_remarks], c.chatty));
  menu.push_back(command(m::watch_pc, t[Ui::system_vitals_monitor], c.watch_pc));
  menu.push_back(command(m::listens, t[Ui::typing_reaction], c.listens));
  menu.push_back(command(m::cross_monitors, t[Ui::roam_all_monitors], c.cross_monitors));
  menu.push_back(command(m::autostart, t[s.autostart_text], s.autostart));
  menu.push_back(separator());
  struct Counts { Localized caught, petted, water; };
  static constexpr Counts kCounts{{"Зловлено: {}", "Поймано: {}", "Caught {}", "Złapano: {}"},
                                  {"Погладжено: {} (всього {})", "Поглажен: {} (всего {})", "Petted {} ({} total)",
                                   "Głaskanie: dziś {}, łącznie {}"},
                                  {"Нагадано води: {}", "Напоминаний воды: {}", "Water nudges: {}",
                                   "Przypomnienia o wodzie: {}"}};
  menu.push_back(info(fill(in(kCounts.caught, lang), {number(c.stat_cursor)})));
  menu.push_back(info(fill(in(kCounts.petted, lang), {number(c.stat_pet_today), number(c.stat_pet_all)})));
  menu.push_back(info(fill(in(kCounts.water, lang), {number(c.water_count)})));
  menu.push_back(separator());
  menu.push_back(command(m::quit, t[Ui::quit]));
  return menu;
}

}  // namespace burrowly
