// "--smoke-test" over the embedded art in a private settings folder.
#include <gtest/gtest.h>

#include "assets/blob_registry.h"
#include "client_sandbox.h"
#include "config/profile_paths.h"
#include "config/profiles.h"
#include "config/settings_file.h"

namespace burrowly {
namespace {

TEST(SmokeTest, PassesEveryPetAndLeavesTheProfilesPetAlone) {
  if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  testing::ClientSandbox sandbox;
  LoadedProfiles before = load_profiles();
  before.config.pet = "fox";
  before.config.pet_hidden = true;
  ASSERT_TRUE(save_config(before.config));

  testing::CommandRun r = testing::run_command({"--smoke-test"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "Burrowly smoke-test OK: 37 pets, multi-user profiles=" + profiles_dir() +
                       ", renderer=burrowly-canvas\n");
  EXPECT_TRUE(r.out.find(sandbox.root()) != std::string::npos) << r.out;

  Config after = load_profiles().config;
  EXPECT_EQ(after.pet, "fox");
  EXPECT_TRUE(after.pet_hidden);
}

}  // namespace
}  // namespace burrowly
