#include "assets/catalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace burrowly {
namespace {

std::string_view text_of(Bytes b) { return {reinterpret_cast<const char*>(b.data()), b.size()}; }

// A small art set: the corgi, a cat with two of its coats, and one other species.
class FixtureBlobs : public ::testing::Test {
 protected:
  static Bytes bytes(std::string_view s) { return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()}; }
  BlobRegistry blobs{{
      {"atlas/corgi.json", bytes("corgi-atlas")},
      {"sheet/corgi.png", bytes("corgi-sheet")},
      {"face/corgi.png", bytes("corgi-face")},
      {"atlas/cat.json", bytes("cat-atlas")},
      {"sheet/cat-black.png", bytes("cat-black")},
      {"sheet/cat-white.png", bytes("cat-white")},
      {"face/cat.png", bytes("cat-face")},
      {"atlas/owl.json", bytes("owl-atlas")},
      {"icon.png", bytes("icon")},
  }};
};

TEST_F(FixtureBlobs, KnownSpeciesBindToTheirOwnArt) {
  EXPECT_EQ(atlas_text("owl", blobs), "owl-atlas");
  EXPECT_EQ(atlas_text("cat", blobs), "cat-atlas");
  EXPECT_EQ(text_of(face_png("cat", blobs)), "cat-face");
  EXPECT_EQ(text_of(icon_png(blobs)), "icon");
}

TEST_F(FixtureBlobs, UnknownSpeciesFallBackToTheCorgi) {
  for (std::string_view key : {"", "Corgi", "dragon", "cat ", "\xFF\xFE"}) {
    EXPECT_EQ(atlas_text(key, blobs), "corgi-atlas") << key;
    EXPECT_EQ(text_of(sheet_png(key, "white", blobs)), "corgi-sheet") << key;
    EXPECT_EQ(text_of(face_png(key, blobs)), "corgi-face") << key;
  }
}

TEST_F(FixtureBlobs, CoatsSelectCatSheetsOnly) {
  EXPECT_EQ(text_of(sheet_png("cat", "white", blobs)), "cat-white");
  EXPECT_EQ(text_of(sheet_png("cat", "black", blobs)), "cat-black");
  EXPECT_EQ(text_of(sheet_png("cat", "purple", blobs)), "cat-black");
  EXPECT_EQ(text_of(sheet_png("cat", "White", blobs)), "cat-black");
  EXPECT_EQ(text_of(sheet_png("corgi", "white", blobs)), "corgi-sheet");
}

TEST_F(FixtureBlobs, MissingBlobIsEmptyNotAnError) {
  EXPECT_TRUE(sheet_png("owl", "black", blobs).empty());
  EXPECT_TRUE(face_png("owl", blobs).empty());
}

TEST(Catalogue, SpeciesListIsUniqueAndIndexed) {
  auto list = species_list();
  ASSERT_EQ(list.size(), kSpeciesCount);
  EXPECT_EQ(list.front(), "cat");
  EXPECT_EQ(list.back(), "tarantula");
  EXPECT_EQ(std::set<std::string_view>(list.begin(), list.end()).size(), kSpeciesCount);
  for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(species_index(list[i]), i);
  EXPECT_FALSE(species_index("Cat").has_value());
}

TEST(Catalogue, MenuGroupsCoverEverySpeciesOnceInOrder) {
  std::vector<std::string_view> flattened;
  for (const MenuGroup& g : menu_groups()) flattened.insert(flattened.end(), g.members.begin(), g.members.end());
  auto list = species_list();
  EXPECT_EQ(flattened, std::vector<std::string_view>(list.begin(), list.end()));
  ASSERT_EQ(menu_groups().size(), 8u);
  EXPECT_EQ(in(menu_groups()[4].label, Language::en), "Wild friends");
  EXPECT_EQ(in(menu_groups()[7].label, Language::uk), "Крихітки");
}

TEST(Catalogue, DisplayNames) {
  EXPECT_EQ(display_name(Language::pl, "panda"), "Panda");
  EXPECT_EQ(display_name(Language::pl, "koala"), "Koala");
  EXPECT_EQ(display_name(Language::ru, "manul"), "Манул");
  EXPECT_EQ(display_name(Language::uk, "manul"), "Манул");
  EXPECT_EQ(display_name(Language::en, "crocodile"), "Little crocodile");
  EXPECT_EQ(display_name(Language::uk, "dragon"), "Коргі");
  EXPECT_EQ(display_name(Language::ru, ""), "Корги");
  EXPECT_EQ(display_name(Language::en, "CAT"), "Corgi");
}

TEST(Catalogue, DogsAreTheDogGroup) {
  for (std::string_view dog : {"shpic", "corgi", "taksa", "husky", "frenchie", "chihuahua", "cocker"})
    EXPECT_TRUE(is_dog(dog)) << dog;
  for (std::string_view other : {"fox", "cat", "Corgi", "", "wolf"}) EXPECT_FALSE(is_dog(other)) << other;
}

TEST(Catalogue, SizeScales) {
  EXPECT_EQ(size_scale("S"), 0.71951216f);
  EXPECT_EQ(size_scale("M"), 1.0f);
  EXPECT_EQ(size_scale("L"), 1.3048781f);
  EXPECT_EQ(size_scale("LL"), 1.0f);
  EXPECT_EQ(size_scale("s"), 1.0f);
  EXPECT_EQ(size_scale(""), 1.0f);
}

TEST(Catalogue, SeasonalOutfitFollowsTheDate) {
  auto season = [](int m, int d) { return resolve_outfit("season", m, d); };
  EXPECT_EQ(season(1, 10), "santa");
  EXPECT_EQ(season(1, 11), "beanie");
  EXPECT_EQ(season(2, 28), "beanie");
  EXPECT_EQ(season(4, 1), std::nullopt);
  EXPECT_EQ(season(6, 1), "wreath");
  EXPECT_EQ(season(8, 31), "wreath");
  EXPECT_EQ(season(10, 31), std::nullopt);
  EXPECT_EQ(season(11, 1), "beanie");
  EXPECT_EQ(season(12, 17), "beanie");
  EXPECT_EQ(season(12, 18), "santa");
}

TEST(Catalogue, OtherOutfitsPassThrough) {
  EXPECT_EQ(resolve_outfit("party", 4, 1), "party");
  EXPECT_EQ(resolve_outfit("party", 12, 25), "party");
  EXPECT_EQ(resolve_outfit("none", 12, 25), std::nullopt);
  EXPECT_EQ(resolve_outfit("tophat", 5, 5), "tophat");
  EXPECT_EQ(resolve_outfit("Season", 12, 25), "Season");
}

}  // namespace
}  // namespace burrowly
