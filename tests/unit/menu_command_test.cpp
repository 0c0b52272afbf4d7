#include <gtest/gtest.h>

#include "shell/menu_command.h"

#include <map>

#include "engine/habitat.h"

namespace burrowly {
namespace {

using K = MenuCommandKind;

Config after(std::uint32_t id, Config config = {}) {
  EXPECT_TRUE(apply_setting(config, decode_menu_command(id))) << id;
  return config;
}

TEST(MenuCommand, ReminderIdsSetTheirMinutesAndHours) {
  EXPECT_EQ(after(1700).break_min, 0u);
  EXPECT_EQ(after(1701).break_min, 25u);
  EXPECT_EQ(after(1702).break_min, 50u);
  EXPECT_EQ(after(1720).water_min, 0u);
  EXPECT_EQ(after(1723).water_min, 90u);
  EXPECT_EQ(after(1740).lunch_hour, -1);
  EXPECT_EQ(after(1752).lunch_hour, 11);
  EXPECT_EQ(after(1769).lunch_hour, 28);  // the handler takes the whole range
  EXPECT_EQ(after(1780).bed_hour, -1);
  EXPECT_EQ(after(1781).bed_hour, 0);
  EXPECT_EQ(after(1804).bed_hour, 23);
  EXPECT_EQ(decode_menu_command(1770).kind, K::none);
  EXPECT_EQ(decode_menu_command(1810).kind, K::none);
  EXPECT_EQ(decode_menu_command(1703).kind, K::none);
  EXPECT_EQ(decode_menu_command(1724).kind, K::none);
}

TEST(MenuCommand, KeyedChoicesFollowTheirMenuOrder) {
  EXPECT_EQ(after(1300).size, "S");
  EXPECT_EQ(after(1302).size, "L");
  EXPECT_EQ(after(1501).outfit, "none");
  EXPECT_EQ(after(1507).outfit, "bow");
  EXPECT_EQ(after(1600).mood, "calm");
  EXPECT_EQ(after(1602).mood, "playful");
  EXPECT_EQ(after(1850).lang, "uk");
  EXPECT_EQ(after(1853).lang, "ru");
  EXPECT_EQ(after(1101).position, Position::top);
  EXPECT_EQ(after(1100, after(1101)).position, Position::taskbar);
  EXPECT_EQ(decode_menu_command(1303).kind, K::none);
  EXPECT_EQ(decode_menu_command(1508).kind, K::none);
  EXPECT_EQ(decode_menu_command(1854).kind, K::none);

  MenuCommand coat = decode_menu_command(1404);
  EXPECT_EQ(coat.kind, K::set_coat);
  EXPECT_EQ(coat.key, "siamese");
}

TEST(MenuCommand, TogglesFlipTheirOwnSettingOnly) {
  Config base;
  Config chatty = after(1006, base);
  EXPECT_EQ(chatty.chatty, !base.chatty);
  chatty.chatty = base.chatty;
  EXPECT_EQ(chatty, base);
  EXPECT_EQ(after(1009, base).cross_monitors, !base.cross_monitors);
  EXPECT_EQ(after(1002, after(1002, base)), base);
  EXPECT_EQ(after(1004, base).top_notch, !base.top_notch);
}

TEST(MenuCommand, PetsProfilesAndActionsAreNotPlainSettings) {
  MenuCommand tarantula = decode_menu_command(1236);
  EXPECT_EQ(tarantula.kind, K::change_pet);
  EXPECT_EQ(tarantula.number, 36);
  EXPECT_EQ(decode_menu_command(1237).kind, K::none);
  MenuCommand third = decode_menu_command(1902);
  EXPECT_EQ(third.kind, K::switch_profile);
  EXPECT_EQ(third.number, 2);
  EXPECT_EQ(decode_menu_command(1011).kind, K::quit);
  EXPECT_EQ(decode_menu_command(0).kind, K::none);
  Config config;
  for (std::uint32_t id : {1001u, 1003u, 1005u, 1010u, 1011u, 1012u, 1014u, 1200u, 1400u, 1900u})
    EXPECT_FALSE(apply_setting(config, decode_menu_command(id))) << id;
  EXPECT_EQ(config, Config{});
}

// A setting that changes the lane on some monitor (its window, ground line or notch) is
// exactly one the shells lay the overlays out anew after.
TEST(MenuCommand, SettingsThatMoveTheLaneAreTheOnesThatSaySo) {
  const MonitorInfo monitor;
  Config top;
  top.position = Position::top;
  top.top_notch = true;
  std::map<MenuCommandKind, bool> moved;
  for (std::uint32_t id = 1000; id < 2000; ++id) {
    const MenuCommand command = decode_menu_command(id);
    for (const Config& before : {Config{}, top}) {
      Config config = before;
      if (!apply_setting(config, command)) continue;
      const auto rect = [&](const Config& c) {
        return habitat_rect(monitor, c.position == Position::top, c.top_notch, c.size);
      };
      moved[command.kind] |= rect(config) != rect(before);
    }
  }
  ASSERT_FALSE(moved.empty());
  for (const auto& [kind, lane_moved] : moved) EXPECT_EQ(moves_the_lane(kind), lane_moved) << int(kind);
}

}  // namespace
}  // namespace burrowly
