#include "shell/profile_services.h"

#include <gtest/gtest.h>

#include "config/profile_paths.h"
#include "config/profiles.h"
#include "config/settings_file.h"
#include "engine_fixture.h"
#include "platform/files.h"
#include "temp_appdata.h"

namespace burrowly {
namespace {

using testing::TempAppData;

std::optional<Config> on_disk(const std::string& id) {
  std::optional<std::string> text = read_file(profile_config_path(id));
  return text ? read_config(*text) : std::nullopt;
}

std::optional<ProfileIndex> index_on_disk() {
  std::optional<std::string> text = read_file(profiles_index_path());
  return text ? read_profile_index(*text) : std::nullopt;
}

// The tray after start-up: Ann Lee's own profile loaded, and an engine bound to the
// same index the menu uses.
struct TrayProfiles : ::testing::Test {
  TrayProfiles() {
    testing::set_env("USERNAME", "Ann Lee");
    LoadedProfiles loaded = load_profiles();
    index = std::make_shared<ProfileIndex>(loaded.index);
    EngineServices services;
    auto atlas = testing::make_atlas();
    services.atlas = [atlas](std::string_view) { return atlas; };
    services.local_time = [] { return LocalTime{2026, 3, 4, 12, 30, 3}; };
    services.precise_time = [] { return 116444736000000000ULL; };
    bind_profile_services(services, index);
    engine.emplace(PetEngine::create(loaded.config, {MonitorInfo{}}, services));
  }
  TempAppData folder;
  std::shared_ptr<ProfileIndex> index;
  std::optional<PetEngine> engine;
};

TEST_F(TrayProfiles, AProfileMessageForANewIdAddsItAndWritesTheIndex) {
  engine->config().stat_ball = 7;
  engine->on_signal(ProfileMsg{"kid"});
  EXPECT_EQ(engine->config().profile_id, "kid");
  ProfileIndex expected{"kid", {"ann-lee", "kid"}};
  EXPECT_EQ(*index, expected);
  EXPECT_EQ(index_on_disk(), expected);
  EXPECT_EQ(on_disk("ann-lee")->stat_ball, 7u) << "the outgoing profile was saved";
  ASSERT_TRUE(on_disk("kid"));
  ASSERT_TRUE(engine->speech_text());
  EXPECT_EQ(engine->speech_text()->rfind("kid: ", 0), 0u) << "greeted with the profile's name";
}

TEST_F(TrayProfiles, NewProfileBecomesActiveInTheEngineAndTheIndex) {
  create_profile_in(*engine, *index, "  Work  ");
  EXPECT_EQ(engine->config().profile_id, "work");
  EXPECT_EQ(engine->config().profile_display, "Work");
  EXPECT_EQ(engine->config().pet, "shpic");  // the second profile starts with the third species
  EXPECT_EQ(index_on_disk(), (ProfileIndex{"work", {"ann-lee", "work"}}));
  EXPECT_TRUE(engine->scene_running()) << "the corgi hands over to the new animal";
}

// The engine saves the outgoing profile on every switch; after a delete that save
// must not bring the deleted file back.
TEST_F(TrayProfiles, DeletingTheActiveProfileLeavesNoFileForIt) {
  create_profile_in(*engine, *index, "Work");
  delete_active_profile_in(*engine, *index);
  EXPECT_EQ(engine->config().profile_id, "ann-lee");
  EXPECT_FALSE(on_disk("work"));
  EXPECT_EQ(index_on_disk(), (ProfileIndex{"ann-lee", {"ann-lee"}}));
  EXPECT_EQ(TempAppData::entries(profiles_dir()), "ann-lee.json");

  delete_active_profile_in(*engine, *index);  // the last profile stays
  EXPECT_EQ(engine->config().profile_id, "ann-lee");
  EXPECT_TRUE(on_disk("ann-lee"));
}

TEST_F(TrayProfiles, TheMenuListsEachProfileFromItsFile) {
  create_profile_in(*engine, *index, "Work");
  index->profiles.push_back("ghost");  // listed, but no file was ever written
  std::vector<ProfileEntry> entries = menu_profiles(*index);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].id, "ann-lee");
  EXPECT_EQ(entries[0].display, "ann-lee");
  EXPECT_EQ(entries[0].pet, "corgi");
  EXPECT_EQ(entries[1].display, "Work");
  EXPECT_EQ(entries[1].pet, "shpic");
  EXPECT_EQ(entries[2].id, "ghost");
  EXPECT_EQ(entries[2].display, "ghost");
  EXPECT_EQ(entries[2].pet, "corgi");
}

}  // namespace
}  // namespace burrowly
