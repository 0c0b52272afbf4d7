// Every animal, in every frame the engine plays, at every size, leaning and stretched
// as far as its body spring goes and wearing the tallest hat, is no taller than the
// lane allows for that size: the top lane's ground lies that deep below the screen.
#include <gtest/gtest.h>

#include <set>

#include "assets/asset_store.h"
#include "assets/catalogue.h"
#include "engine/habitat.h"
#include "render/snapshot_renderer.h"
#include "render/store_art.h"

namespace burrowly {
namespace {

// The clips the engine plays (the rest of the atlas is art it never shows).
const std::set<std::string> kPlayed{"sit",   "look",  "walk",   "run",   "crouch", "jump",    "tuck",  "swat",
                                    "pet",   "belly", "happy",  "cheer", "sleep",  "curlsleep", "box", "boxonly",
                                    "eat",   "lick",  "pant",   "hpant", "flat",   "wipe",    "vibe",  "wag",
                                    "bongo", "shake", "groom",  "stretch", "yawn", "blep",    "wave",  "tilt",
                                    "wiggle", "sniff", "howl",  "spin",  "dig",    "hi"};

// The topmost row with a painted pixel, or the height when none is.
std::uint32_t top_row(const Pixmap& pm) {
  for (std::uint32_t y = 0; y < pm.height(); ++y)
    for (std::uint32_t x = 0; x < pm.width(); ++x)
      if (pm.data()[(std::size_t(y) * pm.width() + x) * 4 + 3] != 0) return y;
  return pm.height();
}

TEST(TopLaneFit, NoAnimalIsTallerThanItsSizeAllows) {
  if (embedded_blobs().size() == 0) GTEST_SKIP() << "built without the art set";
  AssetStore store;
  const FigureArtLookup art = store_art_lookup(store);
  const Font font;
  constexpr float kGround = 180;
  Pixmap pm = *Pixmap::create(220, 200);
  for (const char* size : {"S", "M", "L"}) {
    float tallest = 0;
    std::string which;
    for (std::string_view species : species_list()) {
      for (const FrameRaw& frame : store.atlas_for(species, size)->frames) {
        if (!kPlayed.count(frame.n)) continue;
        for (const float lean : {-0.12f, 0.12f}) {
            DrawSnapshot s;
            s.habitat.width = 220;
            s.habitat.height = 200;
            s.habitat.ground_y = kGround;
            s.size = size;
            FigureSnapshot f;
            f.species = std::string(species);
            f.coat = "black";
            f.outfit = "santa";  // the tallest hat, its pompom above the party hat's
            f.clip = frame.n;
            f.frame = frame.i;
            f.x = 110;
            f.facing = 1;  // mirrored figures are as tall
            f.scale_x = 0.88f, f.scale_y = 1.16f;
            f.rotation = lean;
            s.figures.push_back(f);
            render_snapshot(pm, s, art, font);
            const float height = kGround - float(top_row(pm));
            if (height > tallest) tallest = height, which = std::string(species) + " " + frame.n;
        }
      }
    }
    EXPECT_LE(tallest, tallest_figure(size)) << size << ": " << which;
    EXPECT_GE(tallest, tallest_figure(size) - 4) << size << ": the lane is no deeper than it needs";
  }
}

}  // namespace
}  // namespace burrowly
