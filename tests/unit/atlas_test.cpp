#include "assets/atlas.h"

#include <gtest/gtest.h>

#include <string>

namespace burrowly {
namespace {

std::string frame(const std::string& n, int i, const std::string& extra = R"("hat":[41.7,7.7,0,1])") {
  return R"({"n":")" + n + R"(","i":)" + std::to_string(i) +
         R"(,"ax":30,"gy":60,"paw":9.8,"r":[1,2,40,50])" + (extra.empty() ? "" : "," + extra) + "}";
}

std::string document(const std::string& frames, const std::string& sit = "34") {
  return R"({"sizes":{"M":{"sit":)" + sit + R"(,"ear":7.38,"frames":[)" + frames + "]}}}";
}

AtlasParse parse(const std::string& text) { return parse_atlas(text); }

void expect_rejected(const std::string& text, const std::string& names) {
  AtlasParse p = parse(text);
  EXPECT_FALSE(p.root) << text;
  EXPECT_EQ(p.error.rfind("invalid atlas json", 0), 0u) << p.error;
  EXPECT_NE(p.error.find(names), std::string::npos) << p.error;
}

TEST(AtlasParse, ReadsEveryFieldWithFloatsWrittenAsIntegers) {
  AtlasParse p = parse(document(frame("sit", 0, R"("hat":[41.7,7.7,0,1],"bl":[10,11,8,9,3,4],"note":"x")")));
  ASSERT_TRUE(p.root) << p.error;
  const FrameRaw& f = p.root->sizes.at("M").frames.at(0);
  EXPECT_EQ(f.n, "sit");
  EXPECT_EQ(f.r, (std::array<std::int32_t, 4>{1, 2, 40, 50}));
  ASSERT_TRUE(f.hat);
  EXPECT_EQ(*f.hat, (std::array<float, 4>{41.7f, 7.7f, 0.0f, 1.0f}));
  ASSERT_TRUE(f.bl);
  EXPECT_EQ((*f.bl)[5], 4);
  EXPECT_FLOAT_EQ(p.root->sizes.at("M").sit, 34.0f);
}

TEST(AtlasParse, NullOrAbsentOptionalFieldsMeanNoAnchor) {
  AtlasParse p = parse(document(frame("sit", 0, R"("hat":null,"bl":null)") + "," + frame("sit", 1, "")));
  ASSERT_TRUE(p.root) << p.error;
  for (const FrameRaw& f : p.root->sizes.at("M").frames) {
    EXPECT_FALSE(f.hat);
    EXPECT_FALSE(f.bl);
  }
}

TEST(AtlasParse, RejectsMalformedDocumentsNamingTheField) {
  std::string ok = frame("sit", 0);
  expect_rejected(R"({"sizes":{"M":{"sit":1,"ear":1,"frames":[{"n":"sit","i":0,"ax":1,"gy":1,"paw":1,"r":[1,2,3]}]}}})", "r");
  expect_rejected(document(frame("sit", 0, R"("hat":[1,2,3])")), "hat");
  expect_rejected(document(frame("sit", 0, R"("bl":[1,2,3,4,5,6.5])")), "bl");
  expect_rejected(document(R"({"n":"sit","i":0,"ax":1,"gy":1,"r":[1,2,3,4]})"), "paw");
  expect_rejected(document(R"({"n":"sit","i":-1,"ax":1,"gy":1,"paw":1,"r":[1,2,3,4]})"), "i");
  expect_rejected(document(R"({"n":"sit","i":0,"ax":3000000000,"gy":1,"paw":1,"r":[1,2,3,4]})"), "ax");
  expect_rejected(document(R"({"n":"sit","i":0,"ax":1.5,"gy":1,"paw":1,"r":[1,2,3,4]})"), "ax");
  expect_rejected(document(R"({"n":7,"i":0,"ax":1,"gy":1,"paw":1,"r":[1,2,3,4]})"), "n");
  expect_rejected(document(R"({"n":"sit","i":0,"ax":1,"ax":2,"gy":1,"paw":1,"r":[1,2,3,4]})"), "ax");
  expect_rejected(R"({"sizes":{"M":{"sit":1,"sit":2,"ear":1,"frames":[]}}})", "sit");
  expect_rejected(document(ok) + " x", "invalid atlas json");
  expect_rejected(document(ok, "\"34\""), "sit");
  expect_rejected("", "invalid atlas json");
}

TEST(AtlasParse, AllowsWhitespaceAroundTheDocumentAndTheSameKeyInSiblingObjects) {
  AtlasParse p = parse("  \n" + document(frame("sit", 0) + "," + frame("sit", 1)) + "\n\t ");
  ASSERT_TRUE(p.root) << p.error;
  EXPECT_EQ(p.root->sizes.at("M").frames.size(), 2u);
}

SizeAtlas built(const std::string& frames, std::string_view size) {
  AtlasParse p = parse(document(frames));
  EXPECT_TRUE(p.root) << p.error;
  return build_size_atlas(*p.root, size);
}

TEST(SizeAtlasBuild, ScalesSitAndEarInSinglePrecision) {
  std::string frames = frame("sit", 0);
  EXPECT_EQ(built(frames, "L").sit, 44.365856f);
  EXPECT_EQ(built(frames, "S").sit, 24.463413f);
  EXPECT_EQ(built(frames, "M").sit, 34.0f);
  EXPECT_EQ(built(frames, "L").frames.at(0).r, (std::array<std::int32_t, 4>{1, 2, 40, 50}));
}

TEST(SizeAtlasBuild, ClipIndexIsSortedByFrameNumberKeepingDocumentOrderForTies) {
  std::string frames = frame("walk", 2, "") + "," + frame("walk", 0) + "," + frame("sit", 0) + "," +
                       frame("walk", 1, R"("bl":[1,1,1,1,0,0])") + "," + frame("walk", 1, "");
  SizeAtlas atlas = built(frames, "M");
  const auto& walk = clip_frames(atlas, "walk");
  ASSERT_EQ(walk.size(), 4u);
  EXPECT_EQ(walk[0].i, 0u);
  EXPECT_EQ(walk[1].i, 1u);
  EXPECT_TRUE(walk[1].bl);
  EXPECT_FALSE(walk[2].bl);
  EXPECT_EQ(walk[3].i, 2u);
  EXPECT_EQ(atlas.frames.size(), 5u);
}

TEST(SizeAtlasBuild, MissingClipsFallBackToSit) {
  SizeAtlas atlas = built(frame("sit", 1) + "," + frame("sit", 0) + "," + frame("walk", 0), "M");
  EXPECT_TRUE(has_clip(atlas, "walk"));
  EXPECT_FALSE(has_clip(atlas, "Walk"));
  const auto& frames = clip_frames(atlas, "fly");
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].n, "sit");
  EXPECT_EQ(frames[0].i, 0u);
}

TEST(SizeAtlasBuildDeathTest, ABrokenDocumentIsFatal) {
  AtlasRoot no_medium;
  no_medium.sizes["L"] = {};
  EXPECT_EXIT(build_size_atlas(no_medium, "M"), ::testing::ExitedWithCode(101), "no entry found for key");
  SizeAtlas no_sit = built(frame("walk", 0), "M");
  EXPECT_EXIT(clip_frames(no_sit, "run"), ::testing::ExitedWithCode(101), "missing sit pose");
}

}  // namespace
}  // namespace burrowly
