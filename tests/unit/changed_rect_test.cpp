// Drawing only what changed: the pixmap's drawn rectangle, clearing within it, and
// converting only the changed rectangle must give exactly the pixels of clearing and
// converting the whole overlay, frame after frame.
#include <gtest/gtest.h>

#include <cstring>

#include "assets/asset_store.h"
#include "engine/pet_engine.h"
#include "render/snapshot_renderer.h"
#include "render/store_art.h"
#include "shell/pixel_convert.h"

namespace burrowly {
namespace {

std::uint32_t pixel_at(const Pixmap& pixmap, int x, int y) {
  std::uint32_t value;
  std::memcpy(&value, pixmap.data() + (std::size_t(y) * pixmap.width() + x) * 4, 4);
  return value;
}

// True when every pixel outside the rectangle is transparent black.
bool blank_outside(const Pixmap& pixmap, const IntRect& r) {
  for (int y = 0; y < int(pixmap.height()); ++y)
    for (int x = 0; x < int(pixmap.width()); ++x) {
      const bool inside = x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
      if (!inside && pixel_at(pixmap, x, y) != 0) return false;
    }
  return true;
}

TEST(DrawnBounds, CoverEveryDrawnPixelAndNoMore) {
  Pixmap pixmap = *Pixmap::create(64, 40);
  EXPECT_TRUE(pixmap.drawn_bounds().empty());
  fill_path(pixmap, Path().add_circle(20.5f, 12.5f, 6), pack_rgba(200, 40, 40, 255));
  const IntRect circle = pixmap.drawn_bounds();
  EXPECT_TRUE(blank_outside(pixmap, circle));
  EXPECT_LE(circle.width, 14);
  EXPECT_LE(circle.height, 14);

  const std::uint8_t image[2 * 2 * 4] = {255, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 9, 9};
  draw_image_rect(pixmap, {image, 2, 2}, {0, 0, 2, 2}, Transform::translate(50, 30), 1, Sampling::nearest);
  draw_image_rect(pixmap, {image, 2, 2}, {0, 0, 2, 2},
                  Transform::translate(40, 5).after(Transform::rotate(0.7f)).after(Transform::scale(3, 3)), 1,
                  Sampling::bilinear);
  EXPECT_TRUE(blank_outside(pixmap, pixmap.drawn_bounds()));
  EXPECT_EQ(united(circle, pixmap.drawn_bounds()), pixmap.drawn_bounds());

  // Drawn entirely off the pixmap: nothing marked.
  Pixmap other = *Pixmap::create(16, 16);
  fill_path(other, Path().add_rect(-30, -30, 10, 10), pack_rgba(0, 0, 0, 255));
  draw_image_rect(other, {image, 2, 2}, {0, 0, 2, 2}, Transform::translate(40, 40), 1, Sampling::nearest);
  EXPECT_TRUE(other.drawn_bounds().empty());
}

TEST(DrawnBounds, ClearDrawnMatchesClearAndFillMarksTheWholePixmap) {
  Pixmap pixmap = *Pixmap::create(32, 20);
  pixmap.fill(pack_rgba(10, 20, 30, 255));
  EXPECT_EQ(pixmap.drawn_bounds(), (IntRect{0, 0, 32, 20}));
  pixmap.clear_drawn();
  EXPECT_TRUE(blank_outside(pixmap, {}));
  EXPECT_TRUE(pixmap.drawn_bounds().empty());

  stroke_path(pixmap, Path().move_to(3, 3).line_to(28, 15), Stroke{2}, pack_rgba(0, 90, 0, 200));
  pixmap.clear_drawn();
  EXPECT_TRUE(blank_outside(pixmap, {}));

  pixmap.mark_drawn({-5, 18, 100, 100});  // clipped to the pixmap
  EXPECT_EQ(pixmap.drawn_bounds(), (IntRect{0, 18, 32, 2}));
}

TEST(FrameChange, AFrameLikeTheLastReportsNoChange) {
  Pixmap pixmap = *Pixmap::create(64, 40);
  auto frame = [&](std::uint32_t color, float x) {
    pixmap.start_frame();
    fill_path(pixmap, Path().add_circle(x, 12.5f, 6), color);
    return pixmap.changed_since_frame_start();
  };
  const std::uint32_t red = pack_rgba(200, 40, 40, 255);
  const IntRect first = frame(red, 20.5f);
  EXPECT_EQ(first, pixmap.drawn_bounds()) << "the first frame changes what it draws";
  EXPECT_TRUE(frame(red, 20.5f).empty()) << "the same circle again";
  EXPECT_EQ(frame(pack_rgba(200, 40, 41, 255), 20.5f), first) << "one channel of the colour differs";
  const IntRect change = frame(red, 24.5f), moved = pixmap.drawn_bounds();
  EXPECT_EQ(change, united(first, moved)) << "moved: where it was and where it is";
  pixmap.start_frame();
  EXPECT_EQ(pixmap.changed_since_frame_start(), moved) << "nothing drawn: where the circle was";
  EXPECT_TRUE(blank_outside(pixmap, {}));
}

TEST(UnitedRect, EmptyRectanglesAddNothing) {
  EXPECT_EQ(united({}, {3, 4, 5, 6}), (IntRect{3, 4, 5, 6}));
  EXPECT_EQ(united({3, 4, 5, 6}, {100, 100, 0, 9}), (IntRect{3, 4, 5, 6}));
  EXPECT_EQ(united({0, 0, 2, 2}, {5, 1, 1, 4}), (IntRect{0, 0, 6, 5}));
}

TEST(RectConversion, ConvertsOnlyInsideTheClippedRectangle) {
  Pixmap pixmap = *Pixmap::create(6, 4);
  pixmap.fill(pack_rgba(1, 2, 3, 255));
  std::vector<std::uint8_t> bgra(pixmap.byte_size(), 0xEE);
  rgba_to_bgra(pixmap, bgra.data(), {4, 2, 10, 10});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) {
      const std::uint8_t* p = bgra.data() + (y * 6 + x) * 4;
      if (x >= 4 && y >= 2) {
        EXPECT_EQ(p[0], 3);
        EXPECT_EQ(p[1], 2);
        EXPECT_EQ(p[2], 1);
        EXPECT_EQ(p[3], 255);
      } else {
        EXPECT_EQ(p[0], 0xEE) << x << "," << y;
      }
    }
}

TEST(RectConversion, TheWholePixmapClearsWhatLiesOutsideTheDrawnRectangle) {
  Pixmap pixmap = *Pixmap::create(40, 10);
  fill_path(pixmap, Path().add_rect(12, 3, 5, 4), pack_rgba(10, 20, 30, 255));
  std::vector<std::uint8_t> bgra(pixmap.byte_size(), 0xEE), expected(pixmap.byte_size());
  rgba_to_bgra(pixmap, bgra.data(), {0, 0, 40, 10});
  rgba_to_bgra(pixmap.data(), expected.data(), 40 * 10);
  EXPECT_EQ(bgra, expected);
  EXPECT_EQ(bgra[(5 * 40 + 14) * 4], 30) << "blue first";
}

TEST(RectConversion, EveryPixelOfALongRunSwapsRedAndBlue) {
  constexpr std::size_t kPixels = 37;  // blocks of several pixels and a remainder
  std::vector<std::uint8_t> rgba(kPixels * 4), bgra(kPixels * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = std::uint8_t(i * 7 + 3);
  rgba_to_bgra(rgba.data(), bgra.data(), kPixels);
  for (std::size_t p = 0; p < kPixels; ++p) {
    const std::uint8_t* in = rgba.data() + p * 4;
    const std::uint8_t* out = bgra.data() + p * 4;
    EXPECT_EQ(out[0], in[2]) << p;
    EXPECT_EQ(out[1], in[1]) << p;
    EXPECT_EQ(out[2], in[0]) << p;
    EXPECT_EQ(out[3], in[3]) << p;
  }
}

// The engine on two monitors with the embedded art, driven through walks, cursor
// chases, clicks, a thrown toy, speech, sparkles and monitor hops.
class ChangedFrames : public ::testing::Test {
 protected:
  ChangedFrames() {
    std::vector<MonitorInfo> monitors(2);
    monitors[1].number = 2;
    monitors[1].x = monitors[1].work_left = 1920;
    monitors[1].work_right = 3840;
    monitors[1].primary = false;
    Config config;
    config.profile_id = "frames";
    config.lang = "en";
    config.outfit = "party";
    config.break_min = config.water_min = 0;
    config.lunch_hour = config.bed_hour = -1;
    config.first_day = config.visit_day = config.stat_day = config.work_day = "2026-03-04";
    EngineServices services;
    services.atlas = [this](std::string_view species) { return store.atlas_for(species, "M"); };
    services.save_config = [](const Config&) {};
    services.local_time = [] { return LocalTime{2026, 3, 4, 15, 0, 3}; };
    services.precise_time = [] { return 116444736000000000ULL + 99; };
    engine.emplace(PetEngine::create(config, monitors, services));
    art = store_art_lookup(store);
  }

  InputSnapshot input_at(int frame) {
    InputSnapshot input;
    input.idle_ms = 0;
    const int phase = frame % 300;
    const float lane = float(engine->habitat().height) - 80;
    const float base = engine->monitor_index() * 1920.0f;
    if (phase < 120) {  // a slow sweep along the lane
      input.cursor_x = std::int32_t(base + 300 + phase * 9);
      input.cursor_y = std::int32_t(1080 - engine->habitat().height + lane);
    } else {
      input.cursor_x = 5, input.cursor_y = 5, input.idle_ms = 1000;
    }
    input.left_down = input.left_pressed = phase == 60 || phase == 64;
    return input;
  }

  void stimulate(int frame) {
    switch (frame % 300) {
      case 130: engine->throw_ball(); break;
      case 180: engine->on_signal(SayMsg{"Build finished in 42 s", 3.0f}); break;
      case 240: engine->on_signal(OkMsg{"tests passed"}); break;
      case 290: engine->hop_monitor(+1); break;
      default: break;
    }
  }

  AssetStore store;
  std::optional<PetEngine> engine;
  FigureArtLookup art;
  Font font = embedded_ui_font();
};

TEST_F(ChangedFrames, PixelsMatchTheFullRedrawOverManyFrames) {
  const HabitatRect h = engine->habitat();
  std::vector<Pixmap> overlays;
  std::vector<std::vector<std::uint8_t>> bitmaps;
  for (int i = 0; i < 2; ++i) {
    overlays.push_back(*Pixmap::create(h.width, h.height));
    bitmaps.emplace_back(overlays.back().byte_size(), 0);
  }
  std::vector<std::uint8_t> full_bitmap(overlays[0].byte_size());
  const std::size_t window_area = std::size_t(h.width) * h.height;
  int frames_drawn = 0, small_updates = 0, hops_seen = 0;
  std::size_t last_monitor = engine->monitor_index();

  for (int frame = 0; frame < 900; ++frame) {
    stimulate(frame);
    engine->tick(0.033f, input_at(frame), DesktopSense{});
    if (engine->monitor_index() != last_monitor) ++hops_seen, last_monitor = engine->monitor_index();
    if (frame % 3 != 0 && frame % 300 < 280) continue;  // every third frame, and each one round a hop
    for (std::size_t m = 0; m < 2; ++m) {
      const DrawSnapshot snapshot = engine->draw_snapshot(m);
      const IntRect changed = render_snapshot(overlays[m], snapshot, art, font);
      rgba_to_bgra(overlays[m], bitmaps[m].data(), changed);

      Pixmap full = *Pixmap::create(h.width, h.height);
      render_snapshot(full, snapshot, art, font);
      rgba_to_bgra(full.data(), full_bitmap.data(), window_area);
      ASSERT_EQ(std::memcmp(full.data(), overlays[m].data(), full.byte_size()), 0) << "frame " << frame;
      ASSERT_EQ(std::memcmp(full_bitmap.data(), bitmaps[m].data(), full_bitmap.size()), 0) << "frame " << frame;
      if (!snapshot.figures.empty()) {
        ++frames_drawn;
        if (std::size_t(changed.width) * changed.height * 10 < window_area) ++small_updates;
      }
    }
  }
  EXPECT_GE(hops_seen, 2);
  // Most frames touch a small part of the window: the point of tracking what changed.
  EXPECT_GT(small_updates, frames_drawn * 3 / 4);
}

// A sleeping pet's rising "z" moves with its 3 fps breathing, so over a minute the
// picture changes no more often than the clip shows a frame, and the frame loop is
// seldom asked for a frame that changes nothing.
TEST_F(ChangedFrames, ASleepingPetChangesThePictureOnlyWithItsBreathing) {
  engine->toggle_sleep();
  Pixmap overlay = *Pixmap::create(engine->habitat().width, engine->habitat().height);
  InputSnapshot away;
  away.cursor_x = 5, away.cursor_y = 5, away.idle_ms = 1000;
  for (int frame = 0; frame < 30 * 5; ++frame) engine->tick(1 / 30.0f, away, DesktopSense{});  // the greeting fades
  constexpr int kSeconds = 60, kClipFps = 3;
  int asked = 0, changed = 0, z_steps = 0;
  float last_z_age = 0;
  for (int frame = 0; frame < 30 * kSeconds; ++frame) {
    engine->tick(1 / 30.0f, away, DesktopSense{});
    for (const Particle& p : engine->particles())
      if (p.kind == effect::sleep_z && p.age != last_z_age) ++z_steps, last_z_age = p.age;
    if (!engine->needs_redraw()) continue;
    ++asked;
    changed += !render_snapshot(overlay, engine->draw_snapshot(engine->monitor_index()), art, font).empty();
    engine->clear_redraw();
  }
  EXPECT_GT(z_steps, 4 * kSeconds / 3) << "the z still rises, several steps in each of its 2.2 s";
  EXPECT_GT(changed, 2 * kSeconds) << "the pet breathes";
  EXPECT_LE(changed, kClipFps * kSeconds + 1);
  EXPECT_LT(asked - changed, kSeconds / 2) << "a blink now and then, drawn over closed eyes";
}

}  // namespace
}  // namespace burrowly
