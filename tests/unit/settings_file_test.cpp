#include <gtest/gtest.h>

#include <ctime>

#include "config/day_counters.h"
#include "config/languages.h"
#include "config/profile_paths.h"
#include "config/settings_file.h"
#include "platform/files.h"
#include "temp_appdata.h"

namespace burrowly {
namespace {

using testing::set_env;
using testing::TempAppData;

// The file of a default record, member by member in the table's order.
std::string default_file_text(const std::string& id, std::string_view lang, const std::string& today) {
  return "{\n"
         "  \"profile_id\": \"" + id + "\",\n"
         "  \"profile_display\": \"" + id + "\",\n"
         "  \"pet\": \"corgi\",\n"
         "  \"size\": \"M\",\n"
         "  \"coat\": \"black\",\n"
         "  \"outfit\": \"season\",\n"
         "  \"lang\": \"" + std::string(lang) + "\",\n"
         "  \"position\": \"taskbar\",\n"
         "  \"top_notch\": false,\n"
         "  \"mood\": \"normal\",\n"
         "  \"break_min\": 50,\n"
         "  \"water_min\": 60,\n"
         "  \"lunch_hour\": 13,\n"
         "  \"bed_hour\": 23,\n"
         "  \"pet_names\": {},\n"
         "  \"pet_hidden\": false,\n"
         "  \"forced_sleep\": false,\n"
         "  \"chatty\": true,\n"
         "  \"watch_pc\": true,\n"
         "  \"listens\": false,\n"
         "  \"cross_monitors\": true,\n"
         "  \"first_day\": \"" + today + "\",\n"
         "  \"visit_day\": \"\",\n"
         "  \"stat_day\": \"" + today + "\",\n"
         "  \"stat_cursor\": 0,\n"
         "  \"stat_fly\": 0,\n"
         "  \"stat_ball\": 0,\n"
         "  \"stat_pet_today\": 0,\n"
         "  \"stat_pet_all\": 0,\n"
         "  \"work_day\": \"" + today + "\",\n"
         "  \"work_sec\": 0,\n"
         "  \"water_count\": 0\n"
         "}";
}

// A record with every field away from its default.
Config unusual_config() {
  Config c;
  c.profile_id = "zoe";
  c.profile_display = "Зоя \"Z\"\t/";
  c.pet = "cat";
  c.size = "L";
  c.coat = "siamese";
  c.outfit = "crown";
  c.lang = "pl";
  c.position = Position::top;
  c.top_notch = true;
  c.mood = "playful";
  c.break_min = 4294967295u;
  c.water_min = 0;
  c.lunch_hour = -1;
  c.bed_hour = -2147483647 - 1;
  c.pet_names = {{"cat", "Мурка"}, {"corgi", "Rex\\"}};
  c.pet_hidden = true;
  c.forced_sleep = true;
  c.chatty = false;
  c.watch_pc = false;
  c.listens = true;
  c.cross_monitors = false;
  c.first_day = "2020-02-29";
  c.visit_day = "2024-12-31";
  c.stat_day = "2025-01-01";
  c.stat_cursor = 1;
  c.stat_fly = 2;
  c.stat_ball = 3;
  c.stat_pet_today = 4;
  c.stat_pet_all = 5;
  c.work_day = "2025-01-02";
  c.work_sec = 6;
  c.water_count = 7;
  return c;
}

TEST(SettingsFile, TodayIsTheLocalDateZeroPadded) {
  std::time_t now = std::time(nullptr);
  std::tm local = *std::localtime(&now);
  char expected[16];
  std::strftime(expected, sizeof expected, "%Y-%m-%d", &local);
  EXPECT_EQ(today_string(), expected);
}

TEST(SettingsFile, DefaultRecordFileHasTheExactBytes) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  Config config = default_config();
  EXPECT_EQ(config.profile_id, "ann-lee");
  EXPECT_EQ(config_text(config), default_file_text("ann-lee", detect_language(), today_string()));
}

TEST(SettingsFile, NestedNamesEscapesAndUtf8AreWrittenAsJson) {
  std::string text = config_text(unusual_config());
  EXPECT_NE(text.find("  \"profile_display\": \"Зоя \\\"Z\\\"\\t/\",\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  \"position\": \"top\",\n"), std::string::npos);
  EXPECT_NE(text.find("  \"bed_hour\": -2147483648,\n"), std::string::npos);
  EXPECT_NE(text.find("  \"pet_names\": {\n"
                      "    \"cat\": \"Мурка\",\n"
                      "    \"corgi\": \"Rex\\\\\"\n"
                      "  },\n"
                      "  \"pet_hidden\": true,\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.back(), '}');
}

TEST(SettingsFile, EveryFieldSurvivesARoundTrip) {
  TempAppData folder;
  Config config = unusual_config();
  EXPECT_EQ(read_config(config_text(config)), config);
  Config defaults = default_config();
  EXPECT_EQ(read_config(config_text(defaults)), defaults);
}

TEST(SettingsFile, MissingKeysTakeDefaultsAndUnknownKeysAreIgnored) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  EXPECT_EQ(read_config("{}"), default_config());
  EXPECT_EQ(read_config(" \r\n\t{ }\n "), default_config());

  std::optional<Config> read = read_config(
      R"({"pet": "fox", "future_key": [1, {"x": null}], "lunch_hour": -1, "position": "top",
          "break_min": 4294967295, "bed_hour": -2147483648, "pet_names": {"fox": "Ruby"}})");
  ASSERT_TRUE(read.has_value());
  Config expected = default_config();
  expected.pet = "fox";
  expected.lunch_hour = -1;
  expected.position = Position::top;
  expected.break_min = 4294967295u;
  expected.bed_hour = -2147483647 - 1;
  expected.pet_names = {{"fox", "Ruby"}};
  EXPECT_EQ(*read, expected);
}

TEST(SettingsFile, ReaderRefusesDocumentsOfTheWrongShape) {
  TempAppData folder;
  const char* invalid[] = {
      "",
      "[]",
      "\"text\"",
      "null",
      "{} {}",
      "{\"pet\": \"cat\"} x",
      "{\"pet\": \"cat\",}",
      "{\"pet\": \"cat\" /* note */}",
      "{\"pet\": \"cat\", \"pet\": \"dog\"}",    // duplicate key
      "{\"pet_names\": {}, \"pet_names\": {}}",
      "{\"break_min\": -5}",
      "{\"break_min\": 1.5}",
      "{\"break_min\": 50.0}",
      "{\"break_min\": 5e1}",
      "{\"break_min\": 4294967296}",
      "{\"stat_pet_all\": 18446744073709551616}",
      "{\"break_min\": \"50\"}",
      "{\"lunch_hour\": 2147483648}",
      "{\"lunch_hour\": -2147483649}",
      "{\"lunch_hour\": 12.5}",
      "{\"position\": \"left\"}",
      "{\"position\": \"Top\"}",
      "{\"position\": 1}",
      "{\"position\": {\"top\": true}}",
      "{\"chatty\": 1}",
      "{\"chatty\": \"true\"}",
      "{\"pet\": 5}",
      "{\"lang\": null}",
      "{\"pet_names\": []}",
      "{\"pet_names\": {\"cat\": 1}}",
      "{\"pet_names\": {\"cat\": null}}",
      "{\"first_day\": 20250101}",
      "{\"pet\": \"caf\xE9\"}",                  // not UTF-8
  };
  for (const char* text : invalid) EXPECT_FALSE(read_config(text).has_value()) << text;
}

TEST(SettingsFile, NormalizeRepairsUnknownKeysAndBlankIds) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  Config config = unusual_config();
  config.profile_id = " \xE3\x80\x80\t";
  config.profile_display = "\xC2\xA0";
  config.pet = "Cat";
  config.size = "XL";
  config.coat = "Black";
  config.outfit = "hat";
  config.mood = "grumpy";
  config.lang = "xx";
  normalize_config(config);
  EXPECT_EQ(config.profile_id, "ann-lee");
  EXPECT_EQ(config.profile_display, "ann-lee");
  EXPECT_EQ(config.pet, "corgi");
  EXPECT_EQ(config.size, "M");
  EXPECT_EQ(config.coat, "black");
  EXPECT_EQ(config.outfit, "season");
  EXPECT_EQ(config.mood, "normal");
  EXPECT_EQ(config.lang, "xx");

  Config kept = unusual_config();
  kept.profile_display = " Zoe ";
  kept.mood = "calm";
  normalize_config(kept);
  EXPECT_EQ(kept.profile_display, " Zoe ");
  EXPECT_EQ(kept.pet, "cat");
  EXPECT_EQ(kept.size, "L");
  EXPECT_EQ(kept.coat, "siamese");
  EXPECT_EQ(kept.outfit, "crown");
  EXPECT_EQ(kept.mood, "calm");
  EXPECT_EQ(kept.break_min, 4294967295u);
}

TEST(SettingsFile, RollDayResetsOnlyCountersOfAnotherDay) {
  const std::string today = today_string();
  Config config = unusual_config();
  config.stat_day = "2001-01-01";
  config.work_day = today;
  roll_day(config, today_string());
  EXPECT_EQ(config.stat_day, today);
  EXPECT_EQ(config.stat_cursor + config.stat_fly + config.stat_ball + config.stat_pet_today, 0u);
  EXPECT_EQ(config.stat_pet_all, 5u);
  EXPECT_EQ(config.work_sec, 6u);
  EXPECT_EQ(config.water_count, 7u);

  config.stat_cursor = 3;
  config.work_day = "";
  roll_day(config, today_string());
  EXPECT_EQ(config.stat_cursor, 3u);
  EXPECT_EQ(config.work_day, today);
  EXPECT_EQ(config.work_sec, 0u);
  EXPECT_EQ(config.water_count, 0u);
}

TEST(SettingsFile, SaveCreatesTheFoldersAndWritesTheSlugNamedFile) {
  TempAppData folder;
  Config config = unusual_config();
  config.profile_id = "Zoe Q";
  ASSERT_TRUE(save_config(config));
  EXPECT_EQ(TempAppData::entries(profiles_dir()), "zoe-q.json");
  EXPECT_EQ(read_file(join_path(profiles_dir(), "zoe-q.json")), config_text(config));

  config.stat_ball = 99;
  ASSERT_TRUE(save_config(config));
  EXPECT_EQ(read_config(*read_file(profile_config_path("Zoe Q")))->stat_ball, 99u);
  EXPECT_EQ(TempAppData::entries(profiles_dir()), "zoe-q.json");
}

TEST(SettingsFile, SaveFailsWhenTheFolderCannotBeMade) {
  TempAppData folder;
  ASSERT_TRUE(write_file_atomic(join_path(folder.root(), "Burrowly"), "a file in the way"));
  EXPECT_FALSE(save_config(unusual_config()));
}

TEST(SettingsFile, InterruptedSaveLeavesTheOldRecordReadable) {
  TempAppData folder;
  Config old_record = unusual_config();
  ASSERT_TRUE(save_config(old_record));
  std::string path = profile_config_path(old_record.profile_id);

  // Any cut of the text is invalid, so a partly written file would lose the profile.
  Config new_record = old_record;
  new_record.stat_pet_all = 6;
  std::string text = config_text(new_record);
  for (std::size_t cut = 0; cut < text.size(); cut += 7)
    EXPECT_FALSE(read_config(text.substr(0, cut)).has_value()) << cut;

  // The save stops after writing part of its temporary file: the record on disk is the old one.
  ASSERT_TRUE(write_temp_file(path, text.substr(0, text.size() / 2)).has_value());
  EXPECT_EQ(read_config(*read_file(path)), old_record);
}

}  // namespace
}  // namespace burrowly
