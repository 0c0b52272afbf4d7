#include "shell/frame_driver.h"

#include <gtest/gtest.h>

#include <vector>

#include "assets/asset_store.h"
#include "engine/habitat.h"
#include "engine_fixture.h"
#include "render/store_art.h"

namespace burrowly {
namespace {

// Records what the frame tick asks of one overlay window.
struct FakeOverlay {
  Pixmap canvas;
  bool shown = true;
  int pushes = 0, clears = 0, reasserts = 0;
  IntRect last_push;

  Pixmap& pixmap() { return canvas; }
  void show() { shown = true; }
  void push(const IntRect& changed, bool reassert) {
    ++pushes;
    last_push = changed;
    reasserts += reassert;
  }
  void reassert_topmost() { ++reasserts; }
  void clear_and_hide() {
    if (!shown) return;
    canvas.clear_drawn();
    ++clears;
    shown = false;
  }
};

// Every figure drawn as one opaque 4 x 6 block.
struct BlockArt {
  std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(4 * 6 * 4, 255);
  SizeAtlas atlas;
  BlockArt() {
    FrameRaw f;
    f.n = "sit";
    f.r = {0, 0, 4, 6};
    f.ax = 2;
    f.gy = 5;
    atlas.frames = {f};
    atlas.clips["sit"] = {f};
    atlas.sit = 6;
  }
  FigureArtLookup lookup() const {
    return [this](const std::string&, const std::string&, const std::string&) -> std::optional<FigureArt> {
      return FigureArt{&atlas, {pixels.data(), 4, 6}, {pixels.data(), 4, 6}};
    };
  }
};

std::vector<MonitorInfo> two_monitors() {
  MonitorInfo left, right;
  left.number = 1, left.primary = true;
  right.number = 2, right.x = 1920, right.primary = false;
  right.work_left = 1920, right.work_right = 3840, right.work_bottom = 1080;
  return {left, right};
}

std::vector<FakeOverlay> overlays_for(const std::vector<MonitorInfo>& monitors) {
  std::vector<FakeOverlay> overlays;
  for (const MonitorInfo& m : monitors) {
    HabitatRect r = habitat_rect(m, false, false, "M");
    overlays.push_back({*Pixmap::create(std::uint32_t(r.width), std::uint32_t(r.height))});
  }
  return overlays;
}

struct Frames {
  testing::EngineRig rig;
  std::vector<MonitorInfo> monitors = two_monitors();
  PetEngine engine = rig.make(testing::quiet_config(), monitors);
  std::vector<FakeOverlay> overlays = overlays_for(monitors);
  DesktopSense desktop;
  BlockArt art;
  FigureArtLookup lookup = art.lookup();
  Font font;
  HeldArt shown_art;
  double topmost = 0;

  void step(double dt = 0.033) {
    step_frame({engine, monitors, desktop, lookup, font, shown_art}, overlays, testing::EngineRig::far_input(), dt,
               topmost);
  }
};

TEST(FrameDriver, DrawsThePetsOverlayAndHidesTheOther) {
  Frames f;
  f.engine.request_redraw();
  f.step();
  const std::size_t pet = f.engine.monitor_index();
  const FakeOverlay& drawn = f.overlays[pet];
  const FakeOverlay& other = f.overlays[1 - pet];
  EXPECT_EQ(drawn.pushes, 1);
  EXPECT_FALSE(drawn.last_push.empty());
  EXPECT_FALSE(drawn.canvas.drawn_bounds().empty()) << "the pet is painted";
  EXPECT_EQ(other.pushes, 0);
  EXPECT_EQ(other.clears, 1);
  EXPECT_FALSE(other.shown);
  EXPECT_FALSE(f.engine.needs_redraw());
}

TEST(FrameDriver, AHiddenPetClearsEveryOverlayOnce) {
  Frames f;
  f.engine.config().pet_hidden = true;
  for (int i = 0; i < 3; ++i) {
    f.engine.request_redraw();
    f.step();
  }
  for (const FakeOverlay& overlay : f.overlays) {
    EXPECT_EQ(overlay.pushes, 0);
    EXPECT_EQ(overlay.clears, 1);
  }
}

TEST(FrameDriver, AFrameWithoutChangeOnlyReassertsTopmostInTime) {
  Frames f;
  f.engine.request_redraw();
  f.step();
  const FakeOverlay& pet = f.overlays[f.engine.monitor_index()];
  int pushes = pet.pushes;
  f.engine.config().pet_hidden = false;
  // Ticks that find nothing to redraw push nothing; 1.5 s of them re-assert once.
  int quiet = 0;
  for (int i = 0; i < 200 && quiet < 46; ++i) {
    f.engine.clear_redraw();
    pushes = pet.pushes;
    const int reasserts = pet.reasserts;
    f.step();
    if (pet.pushes == pushes) {
      ++quiet;
      EXPECT_LE(pet.reasserts - reasserts, 1);
    }
  }
  EXPECT_GT(pet.reasserts, 0);
}

TEST(FrameDriver, MessagesAskForARedrawAndAProfileSwitchIsReported) {
  Frames f;
  f.engine.clear_redraw();
  EXPECT_FALSE(apply_signals(f.engine, {SayMsg{"hello", std::nullopt}}));
  EXPECT_TRUE(f.engine.needs_redraw());
  EXPECT_EQ(f.engine.speech_text(), "hello");
  EXPECT_TRUE(apply_signals(f.engine, {OkMsg{"done"}, ProfileMsg{"work"}}));
  EXPECT_FALSE(apply_signals(f.engine, {}));
}

// A switch of animals shows both while the newcomer runs in; afterwards only the
// newcomer's sheet stays decoded, and it was decoded once.
TEST(FrameDriver, OnlyTheSheetsOfAnimalsOnScreenStayDecoded) {
  Frames f;
  AssetStore store;
  f.lookup = store_art_lookup(store);
  f.engine.request_redraw();
  f.step();
  const std::string coat = f.engine.config().coat;
  const std::weak_ptr<const SpriteSheet> old_sheet = store.sheet_for(f.engine.config().pet, coat);
  f.engine.change_pet("owl");
  f.step();
  ASSERT_TRUE(f.engine.scene_running());
  const std::weak_ptr<const SpriteSheet> new_sheet = store.sheet_for("owl", coat);
  f.step();
  EXPECT_FALSE(old_sheet.expired()) << "both animals are on screen";
  for (int i = 0; i < 30 * 30 && f.engine.scene_running(); ++i) f.step();
  ASSERT_FALSE(f.engine.scene_running());
  f.step();
  EXPECT_TRUE(old_sheet.expired()) << "the animal that left is no longer held";
  EXPECT_EQ(new_sheet.lock(), store.sheet_for("owl", coat)) << "the one shown is the same record";
}

TEST(FrameDriver, AFullscreenWindowBlocksItsMonitorInTheEngine) {
  Frames f;
  ForegroundWindow player{u"Player", WindowRect{1920, 0, 3840, 1080}};
  update_blocked_monitors(f.engine, f.monitors, player);
  EXPECT_FALSE(f.monitors[0].blocked);
  EXPECT_TRUE(f.monitors[1].blocked);
  EXPECT_EQ(f.engine.monitors(), f.monitors);
  update_blocked_monitors(f.engine, f.monitors, std::nullopt);
  EXPECT_FALSE(f.engine.monitors()[1].blocked);
}

}  // namespace
}  // namespace burrowly
