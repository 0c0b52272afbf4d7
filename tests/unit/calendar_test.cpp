#include <gtest/gtest.h>

#include <tuple>

#include "config/calendar.h"
#include "config/config.h"
#include "config/languages.h"
#include "config/pet_names.h"

namespace burrowly {
namespace {

TEST(Calendar, FirstDayIsDayOneAndCountsAcrossMonthAndYearEnds) {
  EXPECT_EQ(days_together("2025-03-07", "2025-03-07"), 1);
  EXPECT_EQ(days_together("2025-03-07", "2025-03-08"), 2);
  EXPECT_EQ(days_together("2024-02-28", "2024-03-01"), 3);  // leap day in between
  EXPECT_EQ(days_together("2023-02-28", "2023-03-01"), 2);
  EXPECT_EQ(days_together("2024-12-31", "2025-01-01"), 2);
  EXPECT_EQ(days_together("2024-01-01", "2025-01-01"), 367);
}

TEST(Calendar, FutureOrUnparsableFirstDayCountsAsDayOne) {
  EXPECT_EQ(days_together("2030-01-01", "2025-01-01"), 1);
  EXPECT_EQ(days_together("", "2025-01-01"), 1);
  EXPECT_EQ(days_together("2025/01/01", "2025-01-02"), 1);
  EXPECT_EQ(days_together("2025-01-0x", "2025-01-02"), 1);
  // Hand-edited dates far outside the calendar count as unparsable, without overflow.
  EXPECT_EQ(days_together("9223372036854775807-01-01", "2025-01-01"), 1);
  EXPECT_EQ(days_together("-9223372036854775807-01-01", "2025-01-01"), 1);
  EXPECT_EQ(days_together("2025-9223372036854775807-01", "2025-01-01"), 1);
  EXPECT_EQ(days_together("2025-01-9223372036854775807", "2025-01-01"), 1);
  EXPECT_EQ(days_together("2025-13-01", "2026-01-01"), 1);
  EXPECT_EQ(days_together("2025-01-01", "99999-01-01"), 1);
  EXPECT_EQ(days_together("0000-01-01", "9999-12-31"), 3652425);
}

TEST(Calendar, DaysAndDatesConvertBothWays) {
  for (auto [year, month, day] : {std::tuple{1970, 1, 1}, {2024, 2, 29}, {2000, 3, 1}, {1969, 12, 31}, {9999, 12, 31}}) {
    const CivilDate date = civil_from_days(days_from_civil(year, month, day));
    EXPECT_EQ(std::tuple(date.year, date.month, date.day), std::tuple(std::int64_t{year}, month, day));
  }
}

TEST(Calendar, DayMarkIsZeroPadded) { EXPECT_EQ(day_mark(2025, 3, 7), "2025-03-07"); }

TEST(Calendar, PluralDayWords) {
  EXPECT_EQ(day_word(Language::pl, 1), "dnia");
  EXPECT_EQ(day_word(Language::pl, 2), "dni");
  EXPECT_EQ(day_word(Language::ru, 1), "день");
  EXPECT_EQ(day_word(Language::ru, 21), "день");
  EXPECT_EQ(day_word(Language::ru, 11), "дней");
  EXPECT_EQ(day_word(Language::ru, 3), "дня");
  EXPECT_EQ(day_word(Language::ru, 13), "дней");
  EXPECT_EQ(day_word(Language::ru, 104), "дня");
  EXPECT_EQ(day_word(Language::uk, 2), "дні");
  EXPECT_EQ(day_word(Language::uk, 5), "днів");
  EXPECT_EQ(day_word(Language::uk, 111), "днів");
  for (auto [n, word] : std::initializer_list<std::pair<int, std::string_view>>{
           {1, "день"}, {4, "дні"}, {11, "днів"}, {12, "днів"}, {14, "днів"}, {21, "день"}, {22, "дні"}, {101, "день"}})
    EXPECT_EQ(day_word(Language::uk, n), word) << n;
  EXPECT_EQ(day_word(Language::ru, 31), "день");
}

TEST(Calendar, DaysTogetherLine) {
  EXPECT_EQ(days_together_line(Language::en, "Bagel", 1, "ann"), "Bagel, 1 day together [ann]");
  EXPECT_EQ(days_together_line(Language::en, "Bagel", 5, "ann"), "Bagel, 5 days together [ann]");
  EXPECT_EQ(days_together_line(Language::pl, "Iskra", 1, "ann"), "Iskra — razem od 1 dnia [ann]");
  EXPECT_EQ(days_together_line(Language::uk, "Рекс", 22, "Дім"), "Рекс з тобою 22 дні [Дім]");
  EXPECT_EQ(days_together_line(Language::ru, "Рекс", 5, "Дом"), "Рекс с тобой 5 дней [Дом]");
}

TEST(Languages, CodesAndSystemIds) {
  EXPECT_EQ(language_from_code("UA"), Language::uk);
  EXPECT_EQ(language_from_code("uK"), Language::uk);
  EXPECT_EQ(language_from_code("de"), Language::en);
  EXPECT_EQ(language_from_code("polish"), Language::en);
  EXPECT_EQ(language_from_code(""), Language::en);
  EXPECT_EQ(language_code_for_ui_id(0x0415), "pl");
  EXPECT_EQ(language_code_for_ui_id(0x0422), "uk");
  EXPECT_EQ(language_code_for_ui_id(0x0423), "en");  // Belarusian
  EXPECT_EQ(language_code_for_ui_id(0x0407), "en");  // German
}

TEST(PetNames, NicknameOnlyWhenNotBlankAndForTheCurrentSpecies) {
  Config config;
  config.pet = "fox";
  config.lang = "pl";
  EXPECT_EQ(pet_display_name(config), "Iskra");
  config.pet_names["fox"] = "   ";
  config.pet_names["cat"] = "Tom";
  EXPECT_EQ(pet_display_name(config), "Iskra");
  config.pet_names["fox"] = " Rudy";
  EXPECT_EQ(pet_display_name(config), " Rudy");
  EXPECT_EQ(default_pet_name("dragon", Language::uk), "Buddy");
}

}  // namespace
}  // namespace burrowly
