#include "shell/tray_menu.h"

#include <array>
#include <initializer_list>

#include "assets/catalogue.h"
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

std::vector<MenuItem> language_items(std::string_view lang) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kItems{
      {{"uk", "укр"}, {"en", "en"}, {"pl", "pl"}, {"ru", " "}}};
  std::vector<MenuItem> items;
  std::uint32_t id = menu_id::first_lang;
  for (auto [key, label] : kItems) items.push_back(command(id++, label, key == lang));
  return items;
}

std::string_view toy_label(const MenuSource& s) {
  if (s.config.pet == "cat" || s.config.pet == "manul") return s.text(4);
  if (is_dog(s.config.pet)) return s.text(5);
  return s.text(6);
}

std::vector<MenuItem> profile_items(const MenuSource& s) {
  std::vector<MenuItem> items;
  std::uint32_t id = menu_id::first_profile;
  for (const ProfileEntry& p : s.profiles)
    items.push_back(command(id++, fill("{} ({})", {p.display, display_name(s.lang, p.pet)}), p.id == s.active_profile));
  items.push_back(separator());
  items.push_back(command(menu_id::new_profile, s.text(31)));
  items.push_back(command(menu_id::rename_profile, s.text(32)));
  items.push_back(command(menu_id::delete_profile, s.text(33), false, s.profiles.size() >= 2));
  return items;
}

std::vector<MenuItem> animal_items(const MenuSource& s) {
  std::vector<MenuItem> groups;
  for (const MenuGroup& group : menu_groups()) {
    std::vector<MenuItem> animals;
    for (std::string_view key : group.members)
      animals.push_back(command(menu_id::first_pet + std::uint32_t(*species_index(key)), display_name(s.lang, key),
                                key == s.config.pet));
    groups.push_back(submenu(in(group.label, s.lang), std::move(animals)));
  }
  return groups;
}

std::vector<MenuItem> reminder_items(const MenuSource& s) {
  const Config& c = s.config;
  std::vector<MenuItem> breaks{command(1700, s.text(68), c.break_min == 0), command(1701, s.text(69), c.break_min == 25),
                               command(1702, s.text(70), c.break_min == 50)};
  std::vector<MenuItem> water{command(1720, s.text(68), c.water_min == 0), command(1721, s.text(71), c.water_min == 30),
                              command(1722, s.text(72), c.water_min == 60), command(1723, s.text(73), c.water_min == 90)};
  std::vector<MenuItem> lunch{command(menu_id::lunch_off, s.text(68), c.lunch_hour < 0)};
  for (int h = 11; h <= 15; ++h) lunch.push_back(command(std::uint32_t(1741 + h), hour_label(h), c.lunch_hour == h));
  std::vector<MenuItem> bed{command(menu_id::bed_off, s.text(68), c.bed_hour < 0)};
  for (int h : {21, 22, 23, 0, 1}) bed.push_back(command(std::uint32_t(1781 + h), hour_label(h), c.bed_hour == h));
  return {submenu(s.text(64), std::move(breaks)), submenu(s.text(65), std::move(water)),
          submenu(s.text(66), std::move(lunch)), submenu(s.text(67), std::move(bed))};
}

}  // namespace

std::string_view day_word(Language lang, int n) {
  bool teen = n % 100 >= 11 && n % 100 <= 14;
  switch (lang) {
    case Language::pl: return n == 1 ? "dnia" : "dni";
    case Language::ru: return !teen && n % 10 == 1 ? "день" : !teen && n % 10 >= 2 && n % 10 <= 4 ? "дня" : "дней";
    case Language::uk: return !teen && n % 10 == 1 ? "день" : !teen && n % 10 >= 2 && n % 10 <= 4 ? "дні" : "днів";
    case Language::en: break;
  }
  return {};
}

std::string days_together_line(Language lang, std::string_view pet_name, int n, std::string_view profile_display) {
  std::string line;
  switch (lang) {
    case Language::en:
      line = n == 1 ? fill("{}, 1 day together", {pet_name}) : fill("{}, {} days together", {pet_name, number(n)});
      break;
    case Language::pl: line = fill("{} — razem od {} {}", {pet_name, number(n), day_word(lang, n)}); break;
    case Language::ru: line = fill("{} с тобой {} {}", {pet_name, number(n), day_word(lang, n)}); break;
    case Language::uk: line = fill("{} з тобою {} {}", {pet_name, number(n), day_word(lang, n)}); break;
  }
  return fill("{} [{}]", {line, profile_display});
}

std::vector<MenuItem> build_tray_menu(const MenuSource& s) {
  const Config& c = s.config;
  namespace m = menu_id;
  std::vector<MenuItem> menu;
  menu.push_back(submenu(s.text(83), language_items(c.lang)));
  menu.push_back(info(days_together_line(s.lang, s.pet_name, s.days_together, c.profile_display)));
  menu.push_back(separator());
  menu.push_back(command(m::sleep, s.text(c.forced_sleep ? 1 : 0)));
  menu.push_back(command(m::hide, s.text(c.pet_hidden ? 3 : 2)));
  menu.push_back(command(m::toy, toy_label(s)));
  menu.push_back(separator());
  menu.push_back(submenu(s.text(30), profile_items(s)));
  menu.push_back(submenu(s.text(7), animal_items(s)));
  bool top = c.position == Position::top;
  menu.push_back(submenu(s.text(36), {command(m::taskbar, s.text(37), !top), command(m::top_edge, s.text(38), top),
                                      separator(), command(m::notch, s.text(39), c.top_notch, top)}));
  menu.push_back(submenu(in(size_menu_title(), s.lang), keyed_choices(m::first_size, sizes(), s.lang, c.size)));
  if (c.pet == "cat")
    menu.push_back(submenu(in(coat_menu_title(), s.lang), keyed_choices(m::first_coat, coats(), s.lang, c.coat)));
  menu.push_back(submenu(in(outfit_menu_title(), s.lang), keyed_choices(m::first_outfit, outfits(), s.lang, c.outfit)));
  menu.push_back(submenu(s.text(59), {command(1600, s.text(60), c.mood == "calm"), command(1601, s.text(61), c.mood == "normal"),
                                      command(1602, s.text(62), c.mood == "playful")}));
  menu.push_back(submenu(s.text(63), reminder_items(s)));
  menu.push_back(command(m::name_pet, s.text(74)));
  menu.push_back(separator());
  menu.push_back(command(m::chatty, s.text(78), c.chatty));
  menu.push_back(command(m::watch_pc, s.text(79), c.watch_pc));
  menu.push_back(command(m::listens, s.text(80), c.listens));
  menu.push_back(command(m::cross_monitors, s.text(81), c.cross_monitors));
  menu.push_back(command(m::autostart, s.text(82), s.autostart));
  menu.push_back(separator());
  struct Counts { Localized caught, petted, water; };
  static constexpr Counts kCounts{{"Зловлено: {}", "Поймано: {}", "Caught {}", "Złapano: {}"},
                                  {"Погладжено: {} (всього {})", "Поглажен: {} (всего {})", "Petted {} ({} total)",
                                   "Głaskanie: dziś {}, łącznie {}"},
                                  {"Нагадано води: {}", "Напоминаний воды: {}", "Water nudges: {}",
                                   "Przypomnienia o wodzie: {}"}};
  menu.push_back(info(fill(in(kCounts.caught, s.lang), {number(c.stat_cursor)})));
  menu.push_back(info(fill(in(kCounts.petted, s.lang), {number(c.stat_pet_today), number(c.stat_pet_all)})));
  menu.push_back(info(fill(in(kCounts.water, s.lang), {number(c.water_count)})));
  menu.push_back(separator());
  menu.push_back(command(m::quit, s.text(84)));
  return menu;
}

}  // namespace burrowly
