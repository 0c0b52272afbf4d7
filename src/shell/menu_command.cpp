#include "shell/menu_command.h"

#include <array>

#include "assets/catalogue.h"

namespace burrowly {
namespace {

constexpr std::array<std::string_view, 3> kMoods{"calm", "normal", "playful"};
constexpr std::array<std::uint32_t, 3> kBreakMinutes{0, 25, 50};
constexpr std::array<std::string_view, 4> kLanguages{"uk", "en", "pl", "ru"};
constexpr std::uint32_t kProfileIds = 100;
constexpr std::uint32_t kHourIds = 30;

template <typename T, std::size_t N>
bool in_range(std::uint32_t id, std::uint32_t first, const std::array<T, N>&) {
  return id >= first && id < first + N;
}

MenuCommand plain(MenuCommandKind kind) { return {kind, 0, {}, Position::taskbar}; }
MenuCommand keyed(MenuCommandKind kind, std::string_view key) { return {kind, 0, key, Position::taskbar}; }
MenuCommand numbered(MenuCommandKind kind, std::int32_t number) { return {kind, number, {}, Position::taskbar}; }

}  // namespace

MenuCommand decode_menu_command(std::uint32_t id) {
  using K = MenuCommandKind;
  namespace m = menu_id;
  switch (id) {
    case m::sleep: return plain(K::toggle_sleep);
    case m::hide: return plain(K::toggle_hidden);
    case m::toy: return plain(K::throw_toy);
    case m::notch: return plain(K::toggle_notch);
    case m::name_pet: return plain(K::name_pet);
    case m::chatty: return plain(K::toggle_chatty);
    case m::watch_pc: return plain(K::toggle_watch_pc);
    case m::listens: return plain(K::toggle_listens);
    case m::cross_monitors: return plain(K::toggle_cross_monitors);
    case m::autostart: return plain(K::toggle_autostart);
    case m::quit: return plain(K::quit);
    case m::new_profile: return plain(K::new_profile);
    case m::rename_profile: return plain(K::rename_profile);
    case m::delete_profile: return plain(K::delete_profile);
    case m::taskbar: return {K::set_position, 0, {}, Position::taskbar};
    case m::top_edge: return {K::set_position, 0, {}, Position::top};
    default: break;
  }
  if (id >= m::first_pet && id < m::first_pet + kSpeciesCount) return numbered(K::change_pet, std::int32_t(id - m::first_pet));
  if (in_range(id, m::first_size, kSizes)) return keyed(K::set_size, kSizes[id - m::first_size].key);
  if (in_range(id, m::first_coat, kCoats)) return keyed(K::set_coat, kCoats[id - m::first_coat].key);
  if (in_range(id, m::first_outfit, kOutfits)) return keyed(K::set_outfit, kOutfits[id - m::first_outfit].key);
  if (in_range(id, m::first_mood, kMoods)) return keyed(K::set_mood, kMoods[id - m::first_mood]);
  if (id >= m::first_break && id < m::first_break + kBreakMinutes.size())
    return numbered(K::set_break, std::int32_t(kBreakMinutes[id - m::first_break]));
  if (id >= m::first_water && id <= m::first_water + 3) return numbered(K::set_water, std::int32_t(30 * (id - m::first_water)));
  if (id >= m::lunch_off && id < m::lunch_off + kHourIds) return numbered(K::set_lunch, std::int32_t(id) - 1741);
  if (id >= m::bed_off && id < m::bed_off + kHourIds) return numbered(K::set_bed, std::int32_t(id) - 1781);
  if (in_range(id, m::first_lang, kLanguages)) return keyed(K::set_lang, kLanguages[id - m::first_lang]);
  if (id >= m::first_profile && id < m::first_profile + kProfileIds)
    return numbered(K::switch_profile, std::int32_t(id - m::first_profile));
  return {};
}

bool apply_setting(Config& config, const MenuCommand& command) {
  using K = MenuCommandKind;
  switch (command.kind) {
    case K::toggle_hidden: config.pet_hidden = !config.pet_hidden; return true;
    case K::toggle_notch: config.top_notch = !config.top_notch; return true;
    case K::toggle_chatty: config.chatty = !config.chatty; return true;
    case K::toggle_watch_pc: config.watch_pc = !config.watch_pc; return true;
    case K::toggle_listens: config.listens = !config.listens; return true;
    case K::toggle_cross_monitors: config.cross_monitors = !config.cross_monitors; return true;
    case K::set_position: config.position = command.position; return true;
    case K::set_size: config.size = command.key; return true;
    case K::set_outfit: config.outfit = command.key; return true;
    case K::set_mood: config.mood = command.key; return true;
    case K::set_lang: config.lang = command.key; return true;
    case K::set_break: config.break_min = std::uint32_t(command.number); return true;
    case K::set_water: config.water_min = std::uint32_t(command.number); return true;
    case K::set_lunch: config.lunch_hour = command.number; return true;
    case K::set_bed: config.bed_hour = command.number; return true;
    default: return false;
  }
}

bool moves_the_lane(MenuCommandKind kind) {
  return kind == MenuCommandKind::set_position || kind == MenuCommandKind::toggle_notch ||
         kind == MenuCommandKind::set_size;
}

}  // namespace burrowly
