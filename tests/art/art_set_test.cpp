// The generated art set against the atlas schema, the clip table, the ranges the
// runtime relies on, and the sheets and faces it points into.
#include <gtest/gtest.h>
#include <png.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "clip_table.h"
#include "generate.h"

namespace {

const std::vector<art::Blob>& blobs() {
  static const std::vector<art::Blob> all = art::generate_blobs();
  return all;
}

const art::Blob* blob(const std::string& name) {
  for (const art::Blob& b : blobs())
    if (b.name == name) return &b;
  return nullptr;
}

struct Decoded {
  png_uint_32 width = 0, height = 0;
  int color_type = -1;
  bool has_trns = false;
};

Decoded png_header(const std::vector<std::uint8_t>& bytes) {
  Decoded d;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return d;
  d.width = image.width, d.height = image.height;
  d.color_type = (image.format & PNG_FORMAT_FLAG_COLORMAP) ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB_ALPHA;
  d.has_trns = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  png_image_free(&image);
  return d;
}

const std::vector<std::string> kSpecies = {
    "cat", "manul", "shpic", "corgi", "taksa", "husky", "frenchie", "chihuahua", "cocker", "rabbit",
    "hamster", "guineapig", "chinchilla", "hedgehog", "ferret", "fox", "parrot", "turtle", "squirrel",
    "panda", "crocodile", "koala", "kangaroo", "monkey", "lion", "pelican", "flamingo", "owl", "penguin",
    "duck", "goat", "minipig", "sheep", "butterfly", "frog", "ladybug", "tarantula"};
const std::set<std::string> kNoBlink = {"panda", "koala", "monkey", "flamingo", "butterfly", "ladybug", "tarantula"};

std::string sheet_name(const std::string& species) {
  return species == "cat" ? "sheet/cat-black.png" : "sheet/" + species + ".png";
}

TEST(ArtSet, HasEveryBlobTheCatalogueBinds) {
  for (const std::string& s : kSpecies) {
    EXPECT_NE(blob("atlas/" + s + ".json"), nullptr) << s;
    EXPECT_NE(blob("face/" + s + ".png"), nullptr) << s;
    EXPECT_NE(blob(sheet_name(s)), nullptr) << s;
  }
  for (const char* coat : {"black", "white", "ginger", "gray", "siamese"})
    EXPECT_NE(blob(std::string("sheet/cat-") + coat + ".png"), nullptr) << coat;
  ASSERT_NE(blob("icon.png"), nullptr);
  const Decoded icon = png_header(blob("icon.png")->bytes);
  EXPECT_EQ(icon.width, 48u);
  EXPECT_EQ(icon.height, 48u);
  EXPECT_EQ(blobs().size(), 37u * 3 + 4 + 1);
}

TEST(ArtSet, SheetsArePalettePngsWithTransparencyAndFacesAre160) {
  for (const art::Blob& b : blobs()) {
    const Decoded d = png_header(b.bytes);
    if (b.name.rfind("sheet/", 0) == 0) {
      EXPECT_EQ(d.width, 1024u) << b.name;
      EXPECT_EQ(d.color_type, PNG_COLOR_TYPE_PALETTE) << b.name;
      EXPECT_TRUE(d.has_trns) << b.name;
    } else if (b.name.rfind("face/", 0) == 0) {
      EXPECT_EQ(d.width, 160u) << b.name;
      EXPECT_EQ(d.height, 160u) << b.name;
    }
  }
}

TEST(ArtSet, AtlasesFollowTheClipTableAndRanges) {
  for (const std::string& s : kSpecies) {
    SCOPED_TRACE(s);
    const art::Blob* a = blob("atlas/" + s + ".json");
    ASSERT_NE(a, nullptr);
    const auto doc = nlohmann::json::parse(a->bytes.begin(), a->bytes.end());
    ASSERT_EQ(doc["sizes"].size(), 1u);
    const auto& m = doc["sizes"]["M"];
    EXPECT_GE(m["sit"].get<float>(), 27.0f);
    EXPECT_LE(m["sit"].get<float>(), 36.5f);
    EXPECT_FLOAT_EQ(m["ear"].get<float>(), 7.38f);
    const Decoded sheet = png_header(blob(sheet_name(s))->bytes);
    std::map<std::string, std::set<int>> seen;
    int blinking = 0;
    ASSERT_EQ(m["frames"].size(), std::size_t(art::total_frames()));
    for (const auto& f : m["frames"]) {
      const std::string n = f["n"];
      const int i = f["i"];
      EXPECT_TRUE(seen[n].insert(i).second) << n << " " << i;
      const auto r = f["r"].get<std::vector<int>>();
      ASSERT_EQ(r.size(), 4u);
      EXPECT_GE(r[0], 1);
      EXPECT_LE(r[0], 972);
      EXPECT_TRUE(r[2] >= 40 && r[2] <= 98);
      EXPECT_TRUE(r[3] >= 26 && r[3] <= 89);
      EXPECT_LE(std::uint32_t(r[0] + r[2]), sheet.width);
      EXPECT_LE(std::uint32_t(r[1] + r[3]), sheet.height);
      const int ax = f["ax"], gy = f["gy"];
      EXPECT_TRUE(ax >= 19 && ax <= 56 && gy >= 21 && gy <= 84) << n;
      EXPECT_FLOAT_EQ(f["paw"].get<float>(), 9.8f);
      EXPECT_EQ(f.contains("hat"), n != "boxonly") << n;
      if (f.contains("hat")) {
        const auto h = f["hat"].get<std::vector<float>>();
        ASSERT_EQ(h.size(), 4u);
        EXPECT_TRUE(h[0] >= 7.9f && h[0] <= 77.5f && h[1] >= 3.9f && h[1] <= 70.8f) << n << i;
        EXPECT_TRUE(h[2] >= -20.7f && h[2] <= 182.0f) << n << i;
        EXPECT_EQ(h[3], 1.0f);
      }
      if (f.contains("bl")) {
        ++blinking;
        const auto b = f["bl"].get<std::vector<int>>();
        ASSERT_EQ(b.size(), 6u);
        EXPECT_TRUE(b[2] >= 8 && b[3] >= 8);
        EXPECT_LE(b[4] + b[2], r[2]) << n << i;
        EXPECT_LE(b[5] + b[3], r[3]) << n << i;
        EXPECT_LE(std::uint32_t(b[0] + b[2]), sheet.width);
        EXPECT_LE(std::uint32_t(b[1] + b[3]), sheet.height);
        EXPECT_NE(n, "sleep");
        EXPECT_NE(n, "curlsleep");
      }
    }
    for (const art::ClipSpec& c : art::kClips) EXPECT_EQ(int(seen[std::string(c.name)].size()), c.frames) << c.name;
    EXPECT_EQ(seen.size(), art::kClips.size());
    if (kNoBlink.count(s)) {
      EXPECT_EQ(blinking, 0);
    } else {
      EXPECT_GT(blinking, 200);
    }
  }
}

TEST(ArtSet, CatCoatsShareOneLayout) {
  std::set<std::pair<png_uint_32, png_uint_32>> sizes;
  std::set<std::vector<std::uint8_t>> contents;
  for (const char* coat : {"black", "white", "ginger", "gray", "siamese"}) {
    const art::Blob* b = blob(std::string("sheet/cat-") + coat + ".png");
    ASSERT_NE(b, nullptr);
    const Decoded d = png_header(b->bytes);
    sizes.insert({d.width, d.height});
    contents.insert(b->bytes);
  }
  EXPECT_EQ(sizes.size(), 1u);
  EXPECT_EQ(contents.size(), 5u);  // five different coats
}

TEST(ArtSet, GenerationIsDeterministic) {
  const std::vector<art::Blob> again = art::generate_blobs();
  ASSERT_EQ(again.size(), blobs().size());
  for (std::size_t k = 0; k < again.size(); ++k) {
    EXPECT_EQ(again[k].name, blobs()[k].name);
    EXPECT_TRUE(again[k].bytes == blobs()[k].bytes) << again[k].name;
  }
}

}  // namespace
