#include <gtest/gtest.h>

#include <cmath>

#include "assets/catalogue.h"
#include "engine/chatter.h"

namespace burrowly {
namespace {

constexpr Language kLanguages[] = {Language::uk, Language::ru, Language::en, Language::pl};
constexpr std::string_view kCategories[] = {"code", "chat", "game", "video", "music", "design", "browser", "terminal"};

TEST(Chatter, CpuHeatLineRoundsTheLoadAndNeverGoesNegative) {
  EXPECT_EQ(cpu_heat_line(Language::en, 86.7), "warm here! CPU 87%");
  EXPECT_EQ(cpu_heat_line(Language::en, 86.4), "warm here! CPU 86%");
  EXPECT_EQ(cpu_heat_line(Language::en, 84.5), "warm here! CPU 85%");
  EXPECT_EQ(cpu_heat_line(Language::en, -3.2), "warm here! CPU 0%");
  EXPECT_EQ(cpu_heat_line(Language::pl, 99.9), "gorąco! CPU 100%");
  EXPECT_EQ(cpu_heat_line(Language::uk, 91), "гаряче! CPU 91%");
  // A glitched reading stays in range.
  EXPECT_EQ(cpu_heat_line(Language::ru, std::nan("")), "горячо! CPU 0%");
  EXPECT_EQ(cpu_heat_line(Language::ru, 1e300), "горячо! CPU 100%");
  EXPECT_EQ(cpu_heat_line(Language::ru, -INFINITY), "горячо! CPU 0%");
}

TEST(Chatter, TimeSuffixByHour) {
  EXPECT_EQ(time_suffix(Language::en, 0), " at 2am?");
  EXPECT_EQ(time_suffix(Language::en, 4), " at 2am?");
  EXPECT_EQ(time_suffix(Language::en, 5), " this early?");
  EXPECT_EQ(time_suffix(Language::en, 8), " this early?");
  EXPECT_EQ(time_suffix(Language::en, 9), std::nullopt);
  EXPECT_EQ(time_suffix(Language::en, 23), std::nullopt);
  EXPECT_EQ(time_suffix(Language::ru, 4), " в два часа ночи?");
  EXPECT_EQ(time_suffix(Language::uk, 6), " так рано?");
  EXPECT_EQ(time_suffix(Language::pl, 2), " o tej porze?");
  EXPECT_EQ(time_suffix(Language::pl, 9), std::nullopt);
}

TEST(Chatter, AnniversaryLinesOnlyOnTheirDays) {
  EXPECT_EQ(anniversary_line(Language::en, 7), "one week together!");
  EXPECT_EQ(anniversary_line(Language::uk, 30), "цілий місяць разом!");
  EXPECT_EQ(anniversary_line(Language::pl, 100), "Już 100 dni razem!");
  EXPECT_EQ(anniversary_line(Language::ru, 100), "100 дней вместе!");
  EXPECT_EQ(anniversary_line(Language::ru, 365), "год вместе!");
  for (std::int64_t day : {0, 1, 6, 8, 29, 31, 99, 101, 364, 366, 730})
    EXPECT_EQ(anniversary_line(Language::en, day), std::nullopt) << day;
  for (Language lang : kLanguages) EXPECT_EQ(anniversary_line(lang, 100), hundred_days(lang));
}

TEST(Chatter, ProfileGreetingIsTheNameAndTheNewPetsWord) {
  EXPECT_EQ(profile_greeting(Language::ru, "Оля", "cat"), "Оля: мяу");
  EXPECT_EQ(profile_greeting(Language::en, "Home", "corgi"), "Home: woof!");
  EXPECT_EQ(profile_greeting(Language::pl, "", "duck"), ": kwa!");
}

TEST(Chatter, SoundWordsByGroupAndLanguage) {
  EXPECT_EQ(sound_word(Language::pl, "ladybug"), "bzz!");
  EXPECT_EQ(sound_word(Language::en, "ladybug"), "bzz!");
  EXPECT_EQ(sound_word(Language::uk, "flamingo"), "ґа-ґа!");
  EXPECT_EQ(sound_word(Language::uk, "minipig"), "рох-рох!");
  EXPECT_EQ(sound_word(Language::pl, "guineapig"), "pi, pi!");
  EXPECT_EQ(sound_word(Language::uk, "turtle"), "хрусь!");
  EXPECT_EQ(sound_word(Language::ru, "manul"), "мяу");
  for (std::string_view dog : {"shpic", "corgi", "taksa", "husky", "frenchie", "chihuahua", "cocker", "fox"})
    EXPECT_EQ(sound_word(Language::pl, dog), "hau!") << dog;
  for (Language lang : kLanguages)
    for (std::string_view species : species_list()) EXPECT_FALSE(sound_word(lang, species).empty()) << species;
}

TEST(Chatter, UnknownOrMiscasedSpeciesBarks) {
  EXPECT_EQ(sound_word(Language::uk, "dragon"), "гав!");
  EXPECT_EQ(sound_word(Language::pl, ""), "hau!");
  EXPECT_EQ(sound_word(Language::en, "Cat"), "woof!");
}

TEST(Chatter, AppRemarksPerCategory) {
  EXPECT_EQ(app_lines(Language::pl, "code").size(), 2u);
  EXPECT_EQ(app_lines(Language::en, "code").size(), 3u);
  EXPECT_EQ(app_lines(Language::ru, "terminal")[0], "очередная сборка...");
  EXPECT_EQ(app_lines(Language::uk, "video")[0], "хрум-хрум серіал?");
  EXPECT_EQ(app_lines(Language::en, "browser")[2], "guarding your cursor");
  for (Language lang : kLanguages)
    for (std::string_view category : kCategories) {
      auto lines = app_lines(lang, category);
      EXPECT_GE(lines.size(), 2u) << category;
      EXPECT_LE(lines.size(), 3u) << category;
      for (std::string_view remark : lines) EXPECT_FALSE(remark.empty()) << category;
    }
}

TEST(Chatter, UnknownOrMiscasedCategoryHasNoRemarks) {
  EXPECT_TRUE(app_lines(Language::en, "").empty());
  EXPECT_TRUE(app_lines(Language::en, "Code").empty());
  EXPECT_TRUE(app_lines(Language::uk, "spreadsheet").empty());
}

TEST(Chatter, FixedLinesInTheirOwnLanguage) {
  EXPECT_EQ(line(Language::uk, Ui::plug_me_in), "підживи ноут зарядкою");
  EXPECT_EQ(line(Language::ru, Ui::plug_me_in), "подключи зарядку, пожалуйста");
  EXPECT_EQ(line(Language::pl, std::size_t{102}), "teraz ty coś zjedz");
  EXPECT_EQ(line(Language::en, std::size_t{120}), "that failed");
  EXPECT_EQ(line(Language::en, kUiSlotCount), "");
}

}  // namespace
}  // namespace burrowly
