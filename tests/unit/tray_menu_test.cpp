#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "assets/catalogue.h"
#include "shell/tray_menu.h"

namespace burrowly {
namespace {

std::string_view fake_text(int entry) {
  static std::map<int, std::string> texts;
  auto [it, added] = texts.try_emplace(entry, "e" + std::to_string(entry));
  return it->second;
}

struct Menu {
  Config config;
  std::vector<ProfileEntry> profiles{{"olia", "Оля", "cat"}};
  std::vector<MenuItem> build(Language lang = Language::en) const {
    return build_tray_menu({config, lang, fake_text, "Bublik", 3, profiles, "olia", false});
  }
};

const MenuItem* find_id(const std::vector<MenuItem>& items, std::uint32_t id) {
  for (const MenuItem& item : items) {
    if (item.type == MenuItem::Type::command && item.id == id) return &item;
    if (const MenuItem* inner = find_id(item.children, id)) return inner;
  }
  return nullptr;
}

const MenuItem* find_label(const std::vector<MenuItem>& items, std::string_view label) {
  for (const MenuItem& item : items)
    if (item.label == label) return &item;
  return nullptr;
}

void collect_ids(const std::vector<MenuItem>& items, std::vector<std::uint32_t>& ids) {
  for (const MenuItem& item : items) {
    if (item.type == MenuItem::Type::command && item.id) ids.push_back(item.id);
    collect_ids(item.children, ids);
  }
}

TEST(TrayMenu, TopLevelOrderFromLanguageToQuit) {
  std::vector<MenuItem> menu = Menu{}.build();
  std::vector<std::string> labels;
  for (const MenuItem& item : menu) labels.push_back(item.type == MenuItem::Type::separator ? "-" : item.label);
  std::vector<std::string> expected{"e83", "Bublik, 3 days together []", "-", "e0", "e2", "e5", "-", "e30", "e7", "e36",
                                    std::string(in(size_menu_title(), Language::en)),
                                    std::string(in(outfit_menu_title(), Language::en)), "e59", "e63", "e74", "-",
                                    "e78", "e79", "e80", "e81", "e82", "-", "Caught 0", "Petted 0 (0 total)",
                                    "Water nudges: 0", "-", "e84"};
  EXPECT_EQ(labels, expected);
  EXPECT_FALSE(menu[1].enabled);
  EXPECT_EQ(menu[1].id, 0u);
  EXPECT_FALSE(menu[22].enabled);
}

TEST(TrayMenu, LabelsFollowSleepHiddenAndTheAnimalsToy) {
  Menu m;
  m.config.forced_sleep = true;
  m.config.pet_hidden = true;
  m.config.pet = "manul";
  std::vector<MenuItem> menu = m.build();
  EXPECT_EQ(find_id(menu, 1001)->label, "e1");
  EXPECT_EQ(find_id(menu, 1002)->label, "e3");
  EXPECT_EQ(find_id(menu, 1003)->label, "e4");
  m.config.pet = "owl";
  EXPECT_EQ(find_id(m.build(), 1003)->label, "e6");
}

TEST(TrayMenu, EveryAnimalOnceWithTheCurrentOneChecked) {
  Menu m;
  m.config.pet = "frog";
  std::vector<MenuItem> menu = m.build(Language::uk);
  std::vector<std::uint32_t> ids;
  collect_ids(find_label(menu, "e7")->children, ids);
  std::sort(ids.begin(), ids.end());
  ASSERT_EQ(ids.size(), kSpeciesCount);
  for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(ids[i], 1200 + i);
  const MenuItem* frog = find_id(menu, 1200 + std::uint32_t(*species_index("frog")));
  EXPECT_TRUE(frog->checked);
  EXPECT_EQ(frog->label, display_name(Language::uk, "frog"));
  EXPECT_FALSE(find_id(menu, 1200)->checked);
  EXPECT_EQ(find_label(menu, "e7")->children.size(), 8u);
}

TEST(TrayMenu, ProfilesAreListedAndDeleteNeedsTwo) {
  Menu m;
  std::vector<MenuItem> one = m.build();
  EXPECT_EQ(find_id(one, 1900)->label, "Оля (" + std::string(display_name(Language::en, "cat")) + ")");
  EXPECT_TRUE(find_id(one, 1900)->checked);
  EXPECT_FALSE(find_id(one, 1014)->enabled);
  m.profiles.push_back({"guest", "guest", "corgi"});
  std::vector<MenuItem> two = m.build();
  EXPECT_TRUE(find_id(two, 1014)->enabled);
  EXPECT_FALSE(find_id(two, 1901)->checked);
}

TEST(TrayMenu, NotchIsGreyedOffTheTopEdgeButKeepsItsCheck) {
  Menu m;
  m.config.top_notch = true;
  std::vector<MenuItem> taskbar = m.build();
  EXPECT_FALSE(find_id(taskbar, 1004)->enabled);
  EXPECT_TRUE(find_id(taskbar, 1004)->checked);
  EXPECT_TRUE(find_id(taskbar, 1100)->checked);
  m.config.position = Position::top;
  std::vector<MenuItem> top = m.build();
  EXPECT_TRUE(find_id(top, 1004)->enabled);
  EXPECT_TRUE(find_id(top, 1101)->checked);
  EXPECT_FALSE(find_id(top, 1100)->checked);
}

TEST(TrayMenu, CoatMenuOnlyForTheCat) {
  Menu m;
  EXPECT_EQ(find_id(m.build(), 1400), nullptr);
  m.config.pet = "cat";
  m.config.coat = "ginger";
  std::vector<MenuItem> menu = m.build();
  EXPECT_TRUE(find_id(menu, 1402)->checked);
  EXPECT_FALSE(find_id(menu, 1400)->checked);
}

TEST(TrayMenu, ReminderHoursInMenuOrderWithTheirChecks) {
  Menu m;
  m.config.lunch_hour = 12;
  m.config.bed_hour = 0;
  m.config.water_min = 90;
  std::vector<MenuItem> menu = m.build();
  const MenuItem& reminders = *find_label(menu, "e63");
  const MenuItem& lunch = reminders.children[2];
  std::vector<std::string> lunch_labels;
  for (const MenuItem& i : lunch.children) lunch_labels.push_back(i.label);
  EXPECT_EQ(lunch_labels, (std::vector<std::string>{"e68", "11:00", "12:00", "13:00", "14:00", "15:00"}));
  EXPECT_EQ(lunch.children[1].id, 1752u);
  EXPECT_TRUE(lunch.children[2].checked);
  const MenuItem& bed = reminders.children[3];
  std::vector<std::uint32_t> bed_ids;
  for (const MenuItem& i : bed.children) bed_ids.push_back(i.id);
  EXPECT_EQ(bed_ids, (std::vector<std::uint32_t>{1780, 1802, 1803, 1804, 1781, 1782}));
  EXPECT_EQ(bed.children[4].label, "00:00");
  EXPECT_TRUE(bed.children[4].checked);
  EXPECT_TRUE(find_id(menu, 1723)->checked);
  m.config.lunch_hour = -1;
  EXPECT_TRUE(find_id(m.build(), 1740)->checked);
}

TEST(TrayMenu, LanguageItemsHaveFixedLabelsAndTheCurrentOneChecked) {
  Menu m;
  m.config.lang = "ru";
  std::vector<MenuItem> menu = m.build(Language::ru);
  std::vector<std::string> labels;
  for (const MenuItem& i : menu[0].children) labels.push_back(i.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"укр", "en", "pl", " "}));
  EXPECT_TRUE(menu[0].children[3].checked);
  EXPECT_EQ(menu[22].label, "Поймано: 0");
}

TEST(TrayMenu, DayWordsFollowEachLanguagesPlural) {
  std::vector<std::pair<int, std::string_view>> uk{{1, "день"},  {2, "дні"},   {4, "дні"},  {5, "днів"},
                                                   {11, "днів"}, {12, "днів"}, {14, "днів"}, {21, "день"},
                                                   {22, "дні"},  {111, "днів"}, {101, "день"}};
  for (auto [n, word] : uk) EXPECT_EQ(day_word(Language::uk, n), word) << n;
  EXPECT_EQ(day_word(Language::ru, 3), "дня");
  EXPECT_EQ(day_word(Language::ru, 13), "дней");
  EXPECT_EQ(day_word(Language::ru, 31), "день");
  EXPECT_EQ(day_word(Language::pl, 1), "dnia");
  EXPECT_EQ(day_word(Language::pl, 2), "dni");
  EXPECT_EQ(days_together_line(Language::en, "Rex", 1, "Home"), "Rex, 1 day together [Home]");
  EXPECT_EQ(days_together_line(Language::en, "Rex", 30, "Home"), "Rex, 30 days together [Home]");
  EXPECT_EQ(days_together_line(Language::pl, "Rex", 1, "Dom"), "Rex — razem od 1 dnia [Dom]");
  EXPECT_EQ(days_together_line(Language::uk, "Рекс", 22, "Дім"), "Рекс з тобою 22 дні [Дім]");
}

}  // namespace
}  // namespace burrowly
