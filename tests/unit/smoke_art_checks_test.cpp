#include "cli/smoke_art_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "png_fixture.h"

namespace burrowly {
namespace {

TEST(SmokeArtChecks, TheEmbeddedArtPasses) {
  if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  AssetStore store;
  check_all_pet_art(store);
  EXPECT_EQ(store.face_for("corgi")->width, 160u);
}

Bytes bytes_of(const std::string& s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }

std::string atlas_with(const std::string& clip, const std::string& rect) {
  return R"({"sizes":{"M":{"sit":30,"ear":7,"frames":[{"n":"sit","i":0,"ax":1,"gy":1,"paw":1,"r":[0,0,4,4]},
      {"n":"sleep","i":0,"ax":1,"gy":1,"paw":1,"r":[0,0,4,4]},
      {"n":")" + clip + R"(","i":0,"ax":1,"gy":1,"paw":1,"r":)" + rect + "}]}}}";
}

void expect_fatal(const std::string& atlas, const std::string& message) {
  std::vector<std::uint8_t> sheet = test::make_png(
      {.width = 4, .height = 4, .color_type = 0, .rows = std::vector<std::uint8_t>(16, 9)});
  // The cat, the first species checked, in its checked coat.
  BlobRegistry blobs{{{"atlas/cat.json", bytes_of(atlas)},
                      {"sheet/cat-ginger.png", {sheet.data(), sheet.size()}},
                      {"face/cat.png", {sheet.data(), sheet.size()}}}};
  AssetStore store{blobs};
  EXPECT_EXIT(check_all_pet_art(store), ::testing::ExitedWithCode(101), message);
}

TEST(SmokeArtChecksDeathTest, NamesTheFirstFailure) {
  expect_fatal(atlas_with("run", "[0,0,4,4]"), "fatal: cat S missing walk\n");
  expect_fatal(atlas_with("walk", "[1,0,4,4]"), "fatal: cat S: \\[1, 0, 4, 4\\]\n");
  expect_fatal(atlas_with("walk", "[0,0,4,0]"), "fatal: cat S: \\[0, 0, 4, 0\\]\n");
  expect_fatal(atlas_with("walk", "[-2,0,4,4]"), "fatal: cat S: \\[-2, 0, 4, 4\\]\n");
  expect_fatal(atlas_with("walk", "[2147483647,0,4,4]"), "fatal: cat S: \\[2147483647, 0, 4, 4\\]\n");
}

}  // namespace
}  // namespace burrowly
