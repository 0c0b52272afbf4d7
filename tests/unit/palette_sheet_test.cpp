// Sheets kept as palette indices must draw exactly the pixels the decoded RGBA image
// draws: frames of several pets, poses and display scales, the black cat's outline and
// a blink included.
#include <gtest/gtest.h>

#include <cstring>

#include "assets/asset_store.h"
#include "assets/catalogue.h"
#include "render/snapshot_renderer.h"
#include "render/store_art.h"

namespace burrowly {
namespace {

// A sheet as plain premultiplied RGBA straight from the PNG, the black cat's outline
// drawn in by hand: nearly transparent pixels beside clearly opaque ones.
struct RgbaSheet {
  DecodedImage image;
  std::vector<std::uint8_t> plain, outlined;

  RgbaSheet(std::string_view species, std::string_view coat) {
    image = *decode_png(sheet_png(species, coat)).image;
    plain = premultiplied(image);
    outlined = plain;
    if (coat != "black") return;
    const std::uint32_t w = image.width, h = image.height;
    auto alpha = [&](std::int64_t x, std::int64_t y) {
      return x < 0 || y < 0 || x >= w || y >= h ? 0 : image.pixels[(std::size_t(y) * w + std::size_t(x)) * 4 + 3];
    };
    for (std::uint32_t y = 0; y < h; ++y)
      for (std::uint32_t x = 0; x < w; ++x)
        if (alpha(x, y) < 3 && (alpha(x - 1, y) > 128 || alpha(x + 1, y) > 128 || alpha(x, y - 1) > 128 ||
                                alpha(x, y + 1) > 128))
          std::memset(outlined.data() + (std::size_t(y) * w + x) * 4, 87, 4);
  }
};

Pixmap draw(const FigureArtLookup& art, const std::string& species, const std::string& coat, const char* clip,
            std::uint64_t frame, float display_scale, float lean, bool blink) {
  DrawSnapshot s;
  s.habitat.ground_y = 260;
  s.display_scale = display_scale;
  s.size = "M";
  FigureSnapshot f;
  f.species = species;
  f.coat = coat;
  f.clip = clip;
  f.frame = frame;
  f.x = 160.4f;
  f.facing = frame % 2 ? -1 : 1;
  f.rotation = lean;
  f.blink = blink;
  s.figures.push_back(f);
  Pixmap p = *Pixmap::create(320, 280);
  render_snapshot(p, s, art, Font());
  return p;
}

TEST(PaletteSheet, DrawsTheSamePixelsAsTheDecodedImage) {
  if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  AssetStore store;
  const FigureArtLookup palette_art = store_art_lookup(store);
  for (auto [species, coat] : {std::pair{"cat", "black"}, {"cat", "ginger"}, {"corgi", "ginger"}, {"owl", "ginger"}}) {
    const RgbaSheet rgba(species, coat);
    const FigureArtLookup rgba_art = [&](const std::string& s, const std::string& size, const std::string&) {
      return std::optional<FigureArt>(FigureArt{store.atlas_for(s, size).get(),
                                                {rgba.outlined.data(), rgba.image.width, rgba.image.height},
                                                {rgba.plain.data(), rgba.image.width, rgba.image.height}});
    };
    for (const char* clip : {"sit", "walk", "sleep"})
      for (std::uint64_t frame : {0u, 1u, 3u})
        for (float scale : {1.0f, 1.5f}) {
          const float lean = frame == 3 ? 0.05f : 0;
          const bool blink = frame == 0;
          const Pixmap a = draw(palette_art, species, coat, clip, frame, scale, lean, blink);
          const Pixmap b = draw(rgba_art, species, coat, clip, frame, scale, lean, blink);
          SCOPED_TRACE(std::string(species) + " " + coat + " " + clip + " " + std::to_string(frame));
          EXPECT_FALSE(a.drawn_bounds().empty());
          EXPECT_EQ(std::memcmp(a.data(), b.data(), a.byte_size()), 0);
        }
  }
}

}  // namespace
}  // namespace burrowly
