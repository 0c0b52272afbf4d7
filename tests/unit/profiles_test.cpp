#include <gtest/gtest.h>

#include <algorithm>

#include "assets/catalogue.h"
#include "config/profile_paths.h"
#include "config/profile_slug.h"
#include "config/profiles.h"
#include "config/settings_file.h"
#include "platform/env.h"
#include "platform/files.h"
#include "temp_appdata.h"

namespace burrowly {
namespace {

using testing::set_env;
using testing::TempAppData;

TEST(ProfilePaths, FolderComesFromAppDataThenXdgThenHomeThenCurrentFolder) {
  TempAppData folder;
  const std::optional<std::string> saved_home = env_var("HOME");
  set_env("HOME", "home-base");
  set_env("XDG_CONFIG_HOME", "xdg-base");
  std::string burrowly = join_path(folder.root(), "Burrowly");
  EXPECT_EQ(config_dir(), burrowly);
  EXPECT_EQ(profiles_index_path(), join_path(burrowly, "profiles.json"));
  EXPECT_EQ(profiles_dir(), join_path(burrowly, "profiles"));
  EXPECT_EQ(profile_config_path("Ann Lee"), join_path(join_path(burrowly, "profiles"), "ann-lee.json"));

  set_env("APPDATA", std::nullopt);
  EXPECT_EQ(config_dir(), join_path("xdg-base", "Burrowly"));
  set_env("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(config_dir(), join_path(join_path("home-base", ".config"), "Burrowly"));
  set_env("HOME", std::nullopt);
  EXPECT_EQ(config_dir(), join_path(".", "Burrowly"));
  set_env("HOME", saved_home);
}

TEST(ProfilePaths, DeviceNamesGetAFileOfTheirOwnAndKeepTheirSettings) {
  TempAppData folder;
  for (const char* name : {"Con", "nul", "AUX", "prn", "com1", "LPT9"}) {
    const std::string path = profile_config_path(name);
    EXPECT_EQ(path, join_path(profiles_dir(), profile_slug(name) + "_.json")) << name;
    Config config = load_or_create_profile(name);
    config.stat_ball = 7;
    ASSERT_TRUE(save_config(config)) << name;
    EXPECT_EQ(load_or_create_profile(name).stat_ball, 7u) << name;
  }
  for (const char* name : {"con2", "com0", "com10", "console", "lpt"})
    EXPECT_EQ(profile_config_path(name), join_path(profiles_dir(), profile_slug(name) + ".json")) << name;
}

TEST(ProfileSlug, NamesBecomeLowerCaseIds) {
  EXPECT_EQ(profile_slug("Ann Lee"), "ann-lee");
  EXPECT_EQ(profile_slug("  Dr. Who  "), "dr-who");
  EXPECT_EQ(profile_slug("a - b"), "a-b");
  EXPECT_EQ(profile_slug("Ann_Lee2"), "ann_lee2");
  EXPECT_EQ(profile_slug("--x--"), "x");
  EXPECT_EQ(profile_slug("x---y -- z"), "x-y-z");
  EXPECT_EQ(profile_slug("_x_"), "_x_");
  EXPECT_EQ(profile_slug("Zoë  O'Neil"), "zo-oneil");
  // No-break space, ideographic space and a tab are white space too.
  EXPECT_EQ(profile_slug("Ann\xC2\xA0Lee\xE3\x80\x80" "X\tY"), "ann-lee-x-y");
  EXPECT_EQ(profile_slug("Юлія Ann"), "ann");
}

TEST(ProfileSlug, NamesWithoutUsableCharactersFallBackToTheirHash) {
  // 32-bit FNV-1a of the name's UTF-8 bytes, lower-case hex, at least six digits.
  EXPECT_EQ(profile_slug(""), "user-811c9dc5");
  EXPECT_EQ(profile_slug("Оля"), "user-89fe347e");
  EXPECT_EQ(profile_slug("日本"), "user-9f26ee51");
  EXPECT_EQ(profile_slug("!+**"), "user-0187b5");
  // Hyphens alone are stripped away; the hash is of the whole name, spaces included.
  EXPECT_EQ(profile_slug(" - "), "user-99180f02");
  EXPECT_EQ(profile_slug("-"), "user-280c9438");
}

TEST(ProfileSlug, LongNamesAreCutWithAHashSoTheyStayApart) {
  const std::string long_name = "The " + std::string(120, 'x') + " household";
  const std::string id = profile_slug(long_name);
  EXPECT_EQ(id.size(), kMaxSlugBytes);
  EXPECT_EQ(id, "the-" + std::string(51, 'x') + "-" + profile_slug(long_name).substr(56));
  EXPECT_EQ(id.substr(56).find_first_not_of("0123456789abcdef"), std::string::npos) << id;
  EXPECT_NE(profile_slug(long_name + "!"), id) << "the whole name is hashed";
  // A cut that ends in a hyphen drops it before the hash.
  EXPECT_EQ(profile_slug(std::string(54, 'a') + " " + std::string(20, 'b')).substr(0, 55), std::string(54, 'a') + "-");
  // Ids up to the cap are unchanged.
  EXPECT_EQ(profile_slug(std::string(64, 'a')), std::string(64, 'a'));
  EXPECT_EQ(profile_slug("Ann Lee"), "ann-lee");
}

TEST(ProfileSlug, IsIdempotent) {
  for (const std::string& name : std::vector<std::string>{"Ann Lee", "  Dr. Who  ", "a - b", "Ann_Lee2", "Оля", "", "!+**", "X  Y",
                                 std::string(300, 'z'), std::string(70, 'q') + " " + std::string(70, 'r')}) {
    std::string id = profile_slug(name);
    EXPECT_EQ(profile_slug(id), id) << name;
    EXPECT_FALSE(id.empty());
  }
}

TEST(ProfileUser, IdComesFromUserNameThenUserThenPlayer) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  set_env("USER", "bob");
  EXPECT_EQ(os_user_name(), "Ann Lee");
  EXPECT_EQ(user_profile_id(), "ann-lee");
  set_env("USERNAME", std::nullopt);
  EXPECT_EQ(os_user_name(), "bob");
  set_env("USER", std::nullopt);
  EXPECT_EQ(os_user_name(), "player");
  EXPECT_EQ(user_profile_id(), "player");
}

// The index file of the given ids, line by line.
std::string index_file_text(const std::string& active, const std::vector<std::string>& ids) {
  std::string text = "{\n  \"active_profile\": \"" + active + "\",\n  \"profiles\": [";
  if (ids.empty()) return text + "]\n}";
  for (std::size_t i = 0; i < ids.size(); ++i) text += (i ? ",\n    \"" : "\n    \"") + ids[i] + "\"";
  return text + "\n  ]\n}";
}

// The contents of the file's .bad copies, sorted.
std::vector<std::string> bad_copies_of(const std::string& path) {
  const std::string folder = parent_folder(path), name = file_name(path);
  std::vector<std::string> contents;
  for (const std::string& entry : folder_entries(folder))
    if (entry.starts_with(name + ".") && entry.ends_with(".bad"))
      contents.push_back(read_file(join_path(folder, entry)).value_or("<unreadable>"));
  std::sort(contents.begin(), contents.end());
  return contents;
}

std::optional<Config> profile_on_disk(std::string_view id) {
  std::optional<std::string> text = read_file(profile_config_path(id));
  return text ? read_config(*text) : std::nullopt;
}

TEST(ProfileIndexFile, TextHasTheExactLayout) {
  EXPECT_EQ(profile_index_text({"ann", {"ann", "bob", "Zoë \"Z\""}}),
            "{\n  \"active_profile\": \"ann\",\n  \"profiles\": [\n    \"ann\",\n    \"bob\",\n"
            "    \"Zoë \\\"Z\\\"\"\n  ]\n}");
  EXPECT_EQ(profile_index_text({"ann", {}}), "{\n  \"active_profile\": \"ann\",\n  \"profiles\": []\n}");
}

TEST(ProfileIndexFile, ReaderTakesDefaultsForMissingKeysAndRefusesWrongShapes) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  EXPECT_EQ(read_profile_index("{}"), (ProfileIndex{"ann-lee", {"ann-lee"}}));
  EXPECT_EQ(read_profile_index(R"({"profiles": ["bob"], "x": 1})"), (ProfileIndex{"ann-lee", {"bob"}}));
  EXPECT_EQ(read_profile_index(R"({"active_profile": "bob", "profiles": []})"), (ProfileIndex{"bob", {}}));
  ProfileIndex index{"b", {"a", "b", "a"}};
  EXPECT_EQ(read_profile_index(profile_index_text(index)), index);
  for (const char* text : {"", "[]", R"({"profiles": "a"})", R"({"profiles": [1]})", R"({"profiles": [null]})",
                           R"({"active_profile": 3})", R"({"active_profile": "a", "active_profile": "b"})",
                           R"({"profiles": ["a"]} [])"})
    EXPECT_FALSE(read_profile_index(text).has_value()) << text;
}

TEST(LoadProfiles, FirstStartCreatesTheUsersProfileAndIndex) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  LoadedProfiles loaded = load_profiles();
  EXPECT_EQ(loaded.index, (ProfileIndex{"ann-lee", {"ann-lee"}}));
  EXPECT_EQ(read_file(profiles_index_path()), index_file_text("ann-lee", {"ann-lee"}));
  Config expected = default_config();
  EXPECT_EQ(loaded.config, expected);
  EXPECT_EQ(read_file(profile_config_path("ann-lee")), config_text(expected));
  EXPECT_EQ(TempAppData::entries(config_dir()), "profiles profiles.json");
}

TEST(LoadProfiles, WithoutAUserNameTheProfileIsPlayer) {
  TempAppData folder;
  set_env("USERNAME", std::nullopt);
  set_env("USER", std::nullopt);
  LoadedProfiles loaded = load_profiles();
  EXPECT_EQ(loaded.index, (ProfileIndex{"player", {"player"}}));
  EXPECT_EQ(loaded.config.profile_display, "player");
}

TEST(LoadProfiles, RepairsTheIndex) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  struct Case {
    const char* file;
    ProfileIndex repaired;
  } cases[] = {
      {R"({"active_profile": "zed", "profiles": ["bob", "cy"]})", {"bob", {"bob", "cy"}}},
      {R"({"active_profile": "bob", "profiles": []})", {"ann-lee", {"ann-lee"}}},
      {R"({"profiles": ["bob"]})", {"bob", {"bob"}}},
      // An id that is not a slug names the slug's file, and the slug joins the list.
      {R"({"active_profile": "Bob Q", "profiles": ["Bob Q"]})", {"bob-q", {"Bob Q", "bob-q"}}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(create_directories(config_dir()));
    ASSERT_TRUE(write_file_atomic(profiles_index_path(), c.file));
    LoadedProfiles loaded = load_profiles();
    EXPECT_EQ(loaded.index, c.repaired) << c.file;
    EXPECT_EQ(loaded.config.profile_id, c.repaired.active_profile) << c.file;
    EXPECT_EQ(read_profile_index(*read_file(profiles_index_path())), c.repaired) << c.file;
  }
}

TEST(LoadProfiles, InvalidIndexIsKeptAsBadAndTheDefaultUsed) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  ASSERT_TRUE(create_directories(config_dir()));
  const std::string broken = "{\n  \"active_profile\": \"bob\",\n  \"profiles\": [\n    \"bo";
  ASSERT_TRUE(write_file_atomic(profiles_index_path(), broken));
  LoadedProfiles loaded = load_profiles();
  EXPECT_EQ(loaded.index, (ProfileIndex{"ann-lee", {"ann-lee"}}));
  EXPECT_EQ(bad_copies_of(profiles_index_path()), std::vector<std::string>{broken});
  EXPECT_EQ(read_file(profiles_index_path()), index_file_text("ann-lee", {"ann-lee"}));
}

TEST(LoadOrCreateProfile, ValidFileIsReadAndRepairedButNotRewritten) {
  TempAppData folder;
  Config stored = default_config();
  stored.profile_id = "someone-else";
  stored.pet_names = {{"cat", "Tom"}};
  stored.stat_pet_all = 40;
  stored.size = "XXL";
  ASSERT_TRUE(create_directories(profiles_dir()));
  const std::string text = config_text(stored);
  ASSERT_TRUE(write_file_atomic(profile_config_path("Zoe"), text));

  Config loaded = load_or_create_profile("Zoe");
  EXPECT_EQ(loaded.profile_id, "zoe");
  EXPECT_EQ(loaded.size, "M");
  EXPECT_EQ(loaded.pet_names, stored.pet_names);
  EXPECT_EQ(loaded.stat_pet_all, 40u);
  EXPECT_EQ(read_file(profile_config_path("zoe")), text);
}

TEST(LoadOrCreateProfile, InvalidFileIsKeptAsBadAndReplacedByDefaults) {
  TempAppData folder;
  set_env("USERNAME", "Ann Lee");
  ASSERT_TRUE(create_directories(profiles_dir()));
  const std::string path = profile_config_path("Zoe Q");
  ASSERT_TRUE(write_file_atomic(path + ".bad", "a copy kept by an older version"));
  std::vector<std::string> kept{"a copy kept by an older version"};
  for (const std::string& broken : {std::string("{\"pet\": \"cat\", \"stat_pet_all\": 900"),
                                   std::string("{\"position\": \"left\", \"pet_names\": {\"cat\": \"Tom\"}}")}) {
    ASSERT_TRUE(write_file_atomic(path, broken));
    Config loaded = load_or_create_profile(" Zoe Q ");
    Config expected = default_config();
    expected.profile_id = "zoe-q";
    expected.profile_display = " Zoe Q ";
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(read_file(path), config_text(expected));
    kept.push_back(broken);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(bad_copies_of(path), kept) << "every bad edit is kept";
  }
}

TEST(LoadOrCreateProfile, TheNewestFiveBadCopiesAreKept) {
  TempAppData folder;
  ASSERT_TRUE(create_directories(profiles_dir()));
  const std::string path = profile_config_path("zoe");
  std::vector<std::string> broken;
  for (int n = 1; n <= 7; ++n) {
    broken.push_back("{\"edit\": " + std::to_string(n));
    ASSERT_TRUE(write_file_atomic(path, broken.back()));
    load_or_create_profile("zoe");
  }
  EXPECT_EQ(bad_copies_of(path), std::vector<std::string>(broken.begin() + 2, broken.end()));
  EXPECT_TRUE(read_config(*read_file(path)));
}

TEST(LoadOrCreateProfile, WhatIsNoReadableFileIsMovedAsideAndSavesWorkAgain) {
  TempAppData folder;
  ASSERT_TRUE(create_directories(profiles_dir()));
  const std::string path = profile_config_path("zoe");
  ASSERT_TRUE(write_file_atomic(path + ".bad", "an older copy"));
  // A folder where the file should be, then a file beyond the size cap.
  ASSERT_TRUE(create_directories(join_path(path, "inside")));
  Config loaded = load_or_create_profile("zoe");
  EXPECT_EQ(profile_on_disk("zoe"), loaded);
  loaded.stat_pet_all = 5;
  EXPECT_TRUE(save_config(loaded));
  EXPECT_EQ(profile_on_disk("zoe"), loaded);

  ASSERT_TRUE(write_file_atomic(path, "{\"pet\": \"fox\"" + std::string(kMaxReadBytes, ' ') + "}"));
  EXPECT_EQ(load_or_create_profile("zoe").pet, "corgi");
  EXPECT_EQ(profile_on_disk("zoe")->pet, "corgi");
  // The folder and the big file are there, though no settings file can be read from them.
  EXPECT_EQ(bad_copies_of(path), (std::vector<std::string>{"<unreadable>", "<unreadable>", "an older copy"}));
}

TEST(LoadOrCreateProfile, ALongNameGetsAFileOfItsOwn) {
  TempAppData folder;
  const std::string first = "Grandma's laptop in the kitchen " + std::string(200, 'k') + " one";
  const std::string second = "Grandma's laptop in the kitchen " + std::string(200, 'k') + " two";
  Config one = load_or_create_profile(first);
  Config two = load_or_create_profile(second);
  EXPECT_NE(one.profile_id, two.profile_id);
  EXPECT_EQ(profile_on_disk(first), one);
  EXPECT_EQ(profile_on_disk(second), two);
  EXPECT_EQ(load_or_create_profile(one.profile_id), one) << "the id names the same file";
}

TEST(LoadOrCreateProfile, MissingFileIsCreatedWithoutABadCopy) {
  TempAppData folder;
  Config loaded = load_or_create_profile("Оля");
  EXPECT_EQ(loaded.profile_id, "user-89fe347e");
  EXPECT_EQ(loaded.profile_display, "Оля");
  EXPECT_EQ(profile_on_disk("Оля"), loaded);
  EXPECT_EQ(TempAppData::entries(profiles_dir()), "user-89fe347e.json");
}

// A started app: the OS user's profile loaded from a fresh folder.
struct ProfilesFixture : ::testing::Test {
  ProfilesFixture() {
    set_env("USERNAME", "Ann Lee");
    LoadedProfiles loaded = load_profiles();
    index = loaded.index;
    active = loaded.config;
  }
  TempAppData folder;
  ProfileIndex index;
  Config active;
};

TEST_F(ProfilesFixture, CreateDeduplicatesIdsStartsTheNextSpeciesAndSwitches) {
  active.stat_ball = 4;
  EXPECT_TRUE(create_profile(index, active, "  Ann  "));
  EXPECT_EQ(profile_on_disk("ann-lee")->stat_ball, 4u);  // the outgoing profile was saved
  EXPECT_TRUE(create_profile(index, active, "Ann"));
  EXPECT_TRUE(create_profile(index, active, "ann!"));
  EXPECT_EQ(index, (ProfileIndex{"ann-3", {"ann-lee", "ann", "ann-2", "ann-3"}}));
  EXPECT_EQ(read_profile_index(*read_file(profiles_index_path())), index);

  EXPECT_EQ(profile_on_disk("ann")->profile_display, "Ann");
  EXPECT_EQ(profile_on_disk("ann")->pet, "shpic");  // second profile: third species
  EXPECT_EQ(profile_on_disk("ann-2")->pet, species_list()[3]);
  EXPECT_EQ(active.profile_id, "ann-3");
  EXPECT_EQ(active.profile_display, "ann!");
  EXPECT_EQ(active.pet, species_list()[4]);
  EXPECT_EQ(active, profile_on_disk("ann-3"));
}

TEST_F(ProfilesFixture, CreateFromABlankNameUsesTheIdAsDisplayName) {
  EXPECT_TRUE(create_profile(index, active, " \t "));
  EXPECT_EQ(active.profile_id, profile_slug(" \t "));
  EXPECT_EQ(active.profile_display, active.profile_id);
}

TEST_F(ProfilesFixture, SwitchSavesTheOutgoingProfileAndLoadsTheOther) {
  Config before = active;
  active.stat_fly = 3;
  EXPECT_FALSE(switch_profile(index, active, "ann-lee"));  // already active: no save
  EXPECT_EQ(profile_on_disk("ann-lee"), before);
  EXPECT_EQ(active.stat_fly, 3u);

  EXPECT_TRUE(switch_profile(index, active, "bob"));
  EXPECT_EQ(profile_on_disk("ann-lee")->stat_fly, 3u);
  EXPECT_EQ(index, (ProfileIndex{"bob", {"ann-lee", "bob"}}));
  EXPECT_EQ(active.profile_id, "bob");
  EXPECT_EQ(profile_on_disk("bob"), active);

  EXPECT_TRUE(switch_profile(index, active, "ann-lee"));
  EXPECT_EQ(active.stat_fly, 3u);
  EXPECT_EQ(index.profiles.size(), 2u);
}

TEST_F(ProfilesFixture, RenameChangesOnlyTheDisplayName) {
  rename_profile(active, " \xC2\xA0 ");
  EXPECT_EQ(active.profile_display, "ann-lee");
  rename_profile(active, "  Ann the Great \n");
  EXPECT_EQ(active.profile_display, "Ann the Great");
  EXPECT_EQ(active.profile_id, "ann-lee");
  EXPECT_EQ(profile_on_disk("ann-lee"), active);
  EXPECT_EQ(TempAppData::entries(profiles_dir()), "ann-lee.json");
}

TEST_F(ProfilesFixture, DeleteNeedsAnotherProfileAndActivatesTheFirstLeft) {
  EXPECT_FALSE(delete_active_profile(index, active));
  EXPECT_EQ(index, (ProfileIndex{"ann-lee", {"ann-lee"}}));
  EXPECT_TRUE(profile_on_disk("ann-lee").has_value());

  create_profile(index, active, "Bob");
  create_profile(index, active, "Cy");
  switch_profile(index, active, "bob");
  active.stat_ball = 8;
  EXPECT_TRUE(delete_active_profile(index, active));
  EXPECT_EQ(index, (ProfileIndex{"ann-lee", {"ann-lee", "cy"}}));
  EXPECT_EQ(active.profile_id, "ann-lee");
  EXPECT_EQ(read_profile_index(*read_file(profiles_index_path())), index);
  EXPECT_EQ(TempAppData::entries(profiles_dir()), "ann-lee.json cy.json");
}

TEST_F(ProfilesFixture, DeleteNeverEmptiesTheList) {
  // A hand-edited list that names the active profile twice and nothing else.
  index.profiles = {"ann-lee", "ann-lee"};
  EXPECT_FALSE(delete_active_profile(index, active));
  EXPECT_EQ(index.profiles.size(), 2u);
  EXPECT_TRUE(profile_on_disk("ann-lee").has_value());

  index.profiles = {"ann-lee", "bob", "ann-lee"};
  EXPECT_TRUE(delete_active_profile(index, active));
  EXPECT_EQ(index, (ProfileIndex{"bob", {"bob"}}));
}

}  // namespace
}  // namespace burrowly
