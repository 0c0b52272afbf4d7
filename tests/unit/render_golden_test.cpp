// A whole frame (sprite, outfit, bubble, particles, toy) must come out bit for bit
// the same in every build; the expected image is a committed PNG.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "render/composer.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

namespace burrowly {
namespace {

constexpr std::uint32_t kW = 170, kH = 110;

// A small round critter drawn as crisp pixel art: frame 0 at (0, 0, 28, 26), and a
// closed-eye patch at (28, 0) in the plain copy.
struct Critter {
  Pixmap sheet = *Pixmap::create(40, 26);
  Pixmap plain = *Pixmap::create(40, 26);
  SizeAtlas atlas;

  Critter() {
    const std::uint32_t ink = pack_rgba(36, 27, 51, 255), fur = pack_rgba(232, 150, 70, 255),
                        belly = pack_rgba(252, 226, 190, 255), eye = pack_rgba(30, 20, 30, 255);
    for (Pixmap* p : {&sheet, &plain}) {
      auto shape = [&](const Path& path, std::uint32_t c) { fill_path(*p, path, c, {}, false); };
      shape(Path().add_polygon({{5, 9}, {7, 1}, {12, 6}}), ink);
      shape(Path().add_polygon({{23, 9}, {21, 1}, {16, 6}}), ink);
      shape(Path().add_polygon({{6.5f, 8}, {7.5f, 3}, {10.5f, 6}}), fur);
      shape(Path().add_polygon({{21.5f, 8}, {20.5f, 3}, {17.5f, 6}}), fur);
      shape(Path().add_oval(14, 15, 11, 10), ink);
      shape(Path().add_oval(14, 15, 10, 9), fur);
      shape(Path().add_oval(14, 19, 6, 5), belly);
      shape(Path().add_rect(9, 11, 2, 3), eye);
      shape(Path().add_rect(17, 11, 2, 3), eye);
      shape(Path().add_rect(13, 15, 2, 1), ink);
    }
    // Closed eyes: fur with a dark line, in the plain copy only.
    fill_path(plain, Path().add_rect(28, 0, 10, 3), pack_rgba(232, 150, 70, 255), {}, false);
    fill_path(plain, Path().add_rect(28, 1, 2, 1).add_rect(36, 1, 2, 1), pack_rgba(30, 20, 30, 255), {}, false);
    atlas.scale = 1;
    atlas.sit = 26;
  }

  PetRenderInput figure() const {
    PetRenderInput f;
    f.pixels = {sheet.data(), sheet.width(), sheet.height()};
    f.plain_pixels = {plain.data(), plain.width(), plain.height()};
    f.atlas = &atlas;
    f.frame.r = {0, 0, 28, 26};
    f.frame.ax = 14;
    f.frame.gy = 25;
    f.frame.paw = 9.8f;
    f.frame.hat = std::array<float, 4>{14, 6, -8, 1};
    f.frame.bl = std::array<std::int32_t, 6>{28, 0, 10, 3, 9, 11};
    f.x = 62;
    f.y = 100;
    f.facing = 1;
    f.outfit = "santa";
    return f;
  }
};

Pixmap render_scene(bool blink, float lean) {
  Critter critter;
  PetRenderInput pet = critter.figure();
  pet.blink = blink;
  pet.angle = lean;
  EffectsDraw effects;
  effects.ground_y = 100;
  effects.toy = ToySnapshot{ToyKind::yarn_ball, 110, 0, 0.6f, 1, 0};
  effects.particles = {{0x110001, 84, 72, 6, 0.6f, 2.0f},
                       {0x110003, 38, 70, -4, 0.3f, 1.2f},
                       {0x266A, 96, 66, 5, 0.2f, 1.6f}};
  const BubblePlacement placement{std::int32_t(kW), std::int32_t(kH), 100, true, std::nullopt};
  BubbleDraw bubble{{"Hi there!", SpeechStyle::normal, 1}, placement};
  Pixmap p = *Pixmap::create(kW, kH);
  render_pet(p, {pet}, bubble, effects, embedded_ui_font(), 1);
  return p;
}

std::filesystem::path golden_path() { return std::filesystem::path(BURROWLY_FIXTURES_DIR) / "render/golden_pet.png"; }

// Writes the actual image (raw RGBA) beside the temp folder, for review and updates.
std::string save_actual(const Pixmap& p) {
  auto path = std::filesystem::temp_directory_path() / "burrowly_golden_actual.rgba";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(p.data()), std::streamsize(p.byte_size()));
  return path.string();
}

TEST(RenderGolden, FrameMatchesCommittedImageExactly) {
  Pixmap actual = render_scene(false, 0);
  int w = 0, h = 0, channels = 0;
  std::ifstream in(golden_path(), std::ios::binary);
  std::vector<unsigned char> png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(png.empty()) << "missing " << golden_path() << "; actual in " << save_actual(actual);
  stbi_uc* expected = stbi_load_from_memory(png.data(), int(png.size()), &w, &h, &channels, 4);
  ASSERT_NE(expected, nullptr);
  ASSERT_EQ(w, int(kW));
  ASSERT_EQ(h, int(kH));
  std::size_t differing = 0;
  for (std::size_t i = 0; i < actual.byte_size(); ++i) differing += actual.data()[i] != expected[i];
  stbi_image_free(expected);
  EXPECT_EQ(differing, 0u) << "actual in " << save_actual(actual);
}

TEST(RenderGolden, BlinkAndLeanChangeOnlyWhatTheyShould) {
  Pixmap open = render_scene(false, 0), closed = render_scene(true, 0);
  // Blinking changes pixels only inside the patch (frame-local 9..19 x 11..14,
  // landing at x 57..67, y 86..89).
  std::size_t changed = 0;
  for (std::uint32_t y = 0; y < kH; ++y)
    for (std::uint32_t x = 0; x < kW; ++x) {
      bool differs = std::memcmp(open.data() + (y * kW + x) * 4, closed.data() + (y * kW + x) * 4, 4) != 0;
      if (differs) {
        ++changed;
        EXPECT_TRUE(x >= 57 && x < 67 && y >= 86 && y < 89) << x << "," << y;
      }
    }
  EXPECT_GE(changed, 8u) << "both eyes close";
  Pixmap leaning = render_scene(false, 0.1f);
  EXPECT_NE(std::memcmp(open.data(), leaning.data(), open.byte_size()), 0);
}

}  // namespace
}  // namespace burrowly
