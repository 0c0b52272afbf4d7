#include <gtest/gtest.h>

#include "config/profiles.h"
#include "platform/files.h"
#include "temp_appdata.h"

namespace burrowly {
namespace {

using testing::set_env;
using testing::TempAppData;

TEST(ProfilePaths, FolderComesFromAppDataThenXdgThenCurrentFolder) {
  TempAppData folder;
  set_env("XDG_CONFIG_HOME", "xdg-base");
  std::string burrowly = join_path(folder.root(), "Burrowly");
  EXPECT_EQ(config_dir(), burrowly);
  EXPECT_EQ(profiles_index_path(), join_path(burrowly, "profiles.json"));
  EXPECT_EQ(profiles_dir(), join_path(burrowly, "profiles"));
  EXPECT_EQ(profile_config_path("Ann Lee"), join_path(join_path(burrowly, "profiles"), "ann-lee.json"));

  set_env("APPDATA", std::nullopt);
  EXPECT_EQ(config_dir(), join_path("xdg-base", "Burrowly"));
  set_env("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(config_dir(), join_path(".", "Burrowly"));
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

TEST(ProfileSlug, IsIdempotent) {
  for (const char* name : {"Ann Lee", "  Dr. Who  ", "a - b", "Ann_Lee2", "Оля", "", "!+**", "X  Y"}) {
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

}  // namespace
}  // namespace burrowly
