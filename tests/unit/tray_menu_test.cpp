#include <gtest/gtest.h>

#include <algorithm>

#include "assets/catalogue.h"
#include "config/languages.h"
#include "shell/menu_text.h"
#include "shell/tray_menu.h"

namespace burrowly {
namespace {

struct Menu {
  Config config;
  std::vector<ProfileEntry> profiles{{"olia", "Оля", "cat"}};
  std::vector<MenuItem> build() const { return build_tray_menu({config, 3, profiles, "olia", false}); }
  std::vector<MenuItem> build(Language lang) {
    config.lang = language_code(lang);
    return build();
  }
};

std::vector<std::string> labels_of(const std::vector<MenuItem>& items) {
  std::vector<std::string> labels;
  for (const MenuItem& item : items) labels.push_back(item.type == MenuItem::Type::separator ? "-" : item.label);
  return labels;
}

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
  std::vector<std::string> expected{"Language", "Bagel, 3 days together []", "-", "Put to sleep", "Hide pet",
                                    "Throw frisbee", "-", "User Profile", "Animal Pet", "Habitat Position", "Size",
                                    "Hat / Accessory", "Personality", "Care Reminders", "Name Pet...", "-",
                                    "Chatty remarks", "System vitals monitor", "Typing reaction", "Roam all monitors",
                                    "Start with Windows", "-", "Caught 0", "Petted 0 (0 total)", "Water nudges: 0", "-",
                                    "Quit"};
  EXPECT_EQ(labels_of(menu), expected);
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
  EXPECT_EQ(find_id(menu, 1001)->label, "Wake up");
  EXPECT_EQ(find_id(menu, 1002)->label, "Show pet");
  EXPECT_EQ(find_id(menu, 1003)->label, "Throw yarn ball");
  m.config.pet = "owl";
  EXPECT_EQ(find_id(m.build(), 1003)->label, "Toss treat");
  EXPECT_EQ(find_id(m.build(Language::pl), 1003)->label, "Rzuć przysmak");
}

TEST(TrayMenu, PolishLabelsKeepTheirEllipsisCharacter) {
  Menu m;
  std::vector<MenuItem> menu = m.build(Language::pl);
  EXPECT_EQ(menu.front().label, "Język");
  EXPECT_EQ(menu.back().label, "Zakończ");
  EXPECT_EQ(find_id(menu, 1005)->label, "Nadaj imię\u2026");
  EXPECT_EQ(find_id(menu, 1012)->label, "Nowy profil\u2026");
  EXPECT_EQ(find_id(menu, 1700)->label, "Wyłączone");
  EXPECT_EQ(find_id(menu, 1722)->label, "Co godzinę");
}

TEST(TrayMenu, DaysLineShowsTheNicknameOrTheDefaultNameOfTheLanguage) {
  Menu m;
  m.config.pet = "fox";
  m.config.profile_display = "Dom";
  EXPECT_EQ(m.build(Language::pl)[1].label, "Iskra — razem od 3 dni [Dom]");
  EXPECT_EQ(m.build(Language::uk)[1].label, "Вогник з тобою 3 дні [Dom]");
  m.config.pet_names["fox"] = "  ";
  EXPECT_EQ(m.build(Language::en)[1].label, "Ember, 3 days together [Dom]");
  m.config.pet_names["fox"] = "Rudy";
  EXPECT_EQ(m.build(Language::en)[1].label, "Rudy, 3 days together [Dom]");
  EXPECT_EQ(m.build(Language::ru)[1].label, "Rudy с тобой 3 дня [Dom]");
}

TEST(TrayMenu, EveryAnimalOnceWithTheCurrentOneChecked) {
  Menu m;
  m.config.pet = "frog";
  std::vector<MenuItem> menu = m.build(Language::uk);
  std::vector<std::uint32_t> ids;
  collect_ids(find_label(menu, "Звірятко")->children, ids);
  std::sort(ids.begin(), ids.end());
  ASSERT_EQ(ids.size(), kSpeciesCount);
  for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(ids[i], 1200 + i);
  const MenuItem* frog = find_id(menu, 1200 + std::uint32_t(*species_index("frog")));
  EXPECT_TRUE(frog->checked);
  EXPECT_EQ(frog->label, display_name(Language::uk, "frog"));
  EXPECT_FALSE(find_id(menu, 1200)->checked);
  EXPECT_EQ(find_label(menu, "Звірятко")->children.size(), 8u);
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
  const MenuItem& reminders = *find_label(menu, "Care Reminders");
  const MenuItem& lunch = reminders.children[2];
  std::vector<std::string> lunch_labels;
  for (const MenuItem& i : lunch.children) lunch_labels.push_back(i.label);
  EXPECT_EQ(lunch_labels, (std::vector<std::string>{"Off", "11:00", "12:00", "13:00", "14:00", "15:00"}));
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

TEST(TrayMenu, LanguageItemsAreNamedInTheirOwnLanguageWithTheCurrentOneChecked) {
  Menu m;
  std::vector<MenuItem> menu = m.build(Language::ru);
  std::vector<std::string> labels;
  for (const MenuItem& i : menu[0].children) labels.push_back(i.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"укр", "en", "pl", "Русский"}));
  EXPECT_TRUE(menu[0].children[3].checked);
  EXPECT_EQ(menu[22].label, "Поймано: 0");
}

TEST(TrayMenu, AmpersandsInLabelsAndNamesReachTheNativeMenuDoubled) {
  Menu m;
  m.config.pet_names["corgi"] = "Rudy & Żaba";
  m.profiles = {{"olia", "Dom & Praca", "corgi"}};
  std::vector<MenuItem> menu = m.build();
  EXPECT_EQ(escape_menu_ampersands(menu[1].label), "Rudy && Żaba, 3 days together []");
  EXPECT_EQ(escape_menu_ampersands(find_id(menu, 1900)->label),
            "Dom && Praca (" + std::string(display_name(Language::en, "corgi")) + ")");
  std::vector<std::string> groups;
  for (const MenuItem& group : find_label(menu, "Animal Pet")->children) groups.push_back(escape_menu_ampersands(group.label));
  EXPECT_NE(std::find(groups.begin(), groups.end(), "Cats && Wild Felines"), groups.end());
  EXPECT_NE(std::find(groups.begin(), groups.end(), "Birds, Fox && Reptiles"), groups.end());
  EXPECT_EQ(escape_menu_ampersands("&&x&"), "&&&&x&&");
  EXPECT_EQ(escape_menu_ampersands("Quit"), "Quit");
}

}  // namespace
}  // namespace burrowly
