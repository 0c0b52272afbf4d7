// The rules every JSON input is read by: settings, the profiles index, hook events
// and signal lines.
#include <gtest/gtest.h>

#include <functional>

#include "cli/hook_event.h"
#include "cli/signal_codec.h"
#include "config/profile_paths.h"
#include "config/profiles.h"
#include "config/settings_file.h"
#include "platform/files.h"
#include "temp_appdata.h"

namespace burrowly {
namespace {

using testing::TempAppData;

struct Reader {
  const char* name;
  std::function<bool(std::string_view)> reads;
};

// Each reader with a document it accepts.
const std::vector<std::pair<Reader, std::string>>& readers() {
  static const std::vector<std::pair<Reader, std::string>> all{
      {{"settings", [](std::string_view t) { return read_config(t).has_value(); }}, R"({"lang":"pl"})"},
      {{"index", [](std::string_view t) { return read_profile_index(t).has_value(); }}, R"({"profiles":["a"]})"},
      {{"hook", [](std::string_view t) { return parse_hook_input(t).has_value(); }}, R"({"hook_event_name":"Stop"})"},
      {{"signal", [](std::string_view t) { return decode_signal(t).has_value(); }}, R"({"cmd":"ok","text":"a"})"},
  };
  return all;
}

// Wraps a value n arrays deep.
std::string nested(int depth, std::string_view inner) {
  return std::string(depth, '[') + std::string(inner) + std::string(depth, ']');
}

TEST(JsonReading, ByteOrderMarkIsAcceptedByEveryReader) {
  TempAppData folder;
  for (const auto& [reader, valid] : readers()) {
    EXPECT_TRUE(reader.reads("\xEF\xBB\xBF" + valid)) << reader.name;
    EXPECT_TRUE(reader.reads("\xEF\xBB\xBF \n" + valid + "\r\n")) << reader.name;
    EXPECT_FALSE(reader.reads(" \xEF\xBB\xBF" + valid)) << reader.name << ": only at the start";
  }
}

TEST(JsonReading, NulOrAnythingAfterTheValueMakesTheTextInvalid) {
  TempAppData folder;
  for (const auto& [reader, valid] : readers()) {
    ASSERT_TRUE(reader.reads(valid)) << reader.name;
    EXPECT_FALSE(reader.reads(valid + std::string("\0garbage", 8))) << reader.name;
    EXPECT_FALSE(reader.reads(valid + std::string("\0", 1))) << reader.name;
    EXPECT_FALSE(reader.reads(std::string("\0", 1) + valid)) << reader.name;
    EXPECT_FALSE(reader.reads(valid + " x")) << reader.name;
  }
}

TEST(JsonReading, DeepUnknownMembersAreReadAndOnlyAbsurdNestingIsRefused) {
  TempAppData folder;
  for (const auto& [reader, valid] : readers()) {
    std::string open = valid.substr(0, valid.size() - 1);
    EXPECT_TRUE(reader.reads(open + ",\"extra\":" + nested(40, "1") + "}")) << reader.name;
    EXPECT_TRUE(reader.reads(open + ",\"extra\":" + nested(500, "{}") + "}")) << reader.name;
    EXPECT_FALSE(reader.reads(open + ",\"extra\":" + nested(600, "") + "}")) << reader.name;
    EXPECT_FALSE(reader.reads(open + ",\"extra\":" + nested(100000, "") + "}")) << reader.name;
  }
}

TEST(JsonReading, KeyRepeatedInANestedObjectIsInvalid) {
  TempAppData folder;
  for (const auto& [reader, valid] : readers()) {
    std::string open = valid.substr(0, valid.size() - 1);
    EXPECT_TRUE(reader.reads(open + R"(,"x":{"a":1,"b":{"a":2}},"y":{"a":3}})")) << reader.name;
    EXPECT_FALSE(reader.reads(open + R"(,"x":[{"a":1,"a":2}]})")) << reader.name;
  }
  EXPECT_FALSE(read_config(R"({"pet_names": {"cat": "Tom", "cat": "Max"}})"));
}

TEST(JsonReading, NegativeZeroIsZeroInEveryWholeNumberField) {
  TempAppData folder;
  std::optional<Config> config = read_config(R"({"break_min": -0, "lunch_hour": -0, "stat_pet_all": -0})");
  ASSERT_TRUE(config);
  EXPECT_EQ(config->break_min, 0u);
  EXPECT_EQ(config->lunch_hour, 0);
  EXPECT_EQ(config->stat_pet_all, 0u);
  EXPECT_FALSE(read_config(R"({"break_min": -1})"));
  EXPECT_FALSE(read_config(R"({"break_min": -0.0})"));
}

TEST(JsonReading, AFileSavedWithAByteOrderMarkKeepsItsSettingsAndLosesTheMark) {
  TempAppData folder;
  ASSERT_TRUE(create_directories(profiles_dir()));
  const std::string path = profile_config_path("zoe");
  ASSERT_TRUE(write_file_atomic(path, "\xEF\xBB\xBF{\"pet\": \"fox\", \"stat_pet_all\": 900}"));
  Config loaded = load_or_create_profile("zoe");
  EXPECT_EQ(loaded.pet, "fox");
  EXPECT_EQ(loaded.stat_pet_all, 900u);
  ASSERT_TRUE(save_config(loaded));
  EXPECT_EQ(read_file(path), config_text(loaded));
  EXPECT_TRUE(read_file(path)->starts_with("{"));
}

}  // namespace
}  // namespace burrowly
