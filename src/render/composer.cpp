#include "render/composer.h"

#include <algorithm>
#include <cmath>

namespace burrowly {

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

Transform rotate_about(float radians, float px, float py) {
  return Transform::translate(px, py).after(Transform::rotate(radians)).after(Transform::translate(-px, -py));
}

float display_factor(const PetRenderInput& f) {
  return std::isfinite(f.display_scale) && f.display_scale > 0 ? f.display_scale : 1.0f;
}

// Sheet pixels to pixmap pixels: the pet size times the display scale.
float figure_scale(const PetRenderInput& f) { return (f.atlas ? f.atlas->scale : 1.0f) * display_factor(f); }

bool sheet_usable(const ImageView& sheet) {
  return sheet.pixels && sheet.width > 0 && sheet.height > 0;
}

// A lean or a squash in steps: the body spring's last small wobbles, which would
// shift a few sampled pixels on every frame, rest on one step.
float stepped(float value, float step) { return std::round(value / step) * step; }
constexpr float kLeanStep = float(0.25 / kDegreesPerRadian);  // a quarter of a degree
constexpr float kStretchStep = 0.01f;

}  // namespace

Transform place_sprite(const PetRenderInput& f) {
  const float scale = figure_scale(f);
  // The anchor lands on a pixel corner, so the texel grid keeps one phase while the
  // pet moves and nearest sampling does not shimmer.
  const float px = std::round(f.x), py = std::round(f.y - f.lift);
  float mirror = f.facing < 0 ? -1.0f : 1.0f;
  float pivot_y = -0.45f * float(f.frame.r[3]) * scale;
  return Transform::translate(px, py)
      .after(rotate_about(stepped(f.angle, kLeanStep), 0, pivot_y))
      .after(Transform::rotate(stepped(f.skew, kLeanStep)))
      .after(Transform::scale(mirror * stepped(f.stretch_x, kStretchStep) * scale,
                              stepped(f.stretch_y, kStretchStep) * scale))
      .after(Transform::translate(-float(f.frame.ax), -float(f.frame.gy)));
}

std::optional<Transform> outfit_transform(const PetRenderInput& f, const Transform& sprite) {
  if (!f.frame.hat) return std::nullopt;
  const auto& hat = *f.frame.hat;
  const float size = f.atlas ? f.atlas->scale : 1.0f;
  const bool mirrored = f.facing < 0;
  const float hat_size = std::isfinite(f.hat_size) && f.hat_size > 0 ? f.hat_size : 1.0f;
  float k = std::max(size * f.frame.paw, 7.5f) / 10 * hat_size * display_factor(f);
  double degrees = double(f.skew + f.angle) * kDegreesPerRadian + (mirrored ? -hat[2] : hat[2]);
  float radians = float(degrees / kDegreesPerRadian);
  float hx = hat[0], hy = hat[1];
  sprite.apply(hx, hy);
  return Transform::translate(hx, hy)
      .after(Transform::scale(mirrored ? -hat[3] : hat[3], 1))
      .after(Transform::rotate(radians))
      .after(Transform::scale(k, k));
}

void draw_outfit(Pixmap& pm, const std::string& outfit, const Transform& t, float opacity) {
  auto fill = [&](std::uint8_t r, std::uint8_t g, std::uint8_t b) { return faded(r, g, b, 255, opacity); };
  const std::uint32_t outline = faded(36, 27, 51, 240, opacity);
  auto shape = [&](const Path& path, std::uint32_t color, float stroke) {
    fill_path(pm, path, color, t);
    if (stroke > 0) stroke_path(pm, path, Stroke{stroke}, outline, t);
  };
  if (outfit == "crown") {
    shape(Path().add_polygon({{-8, 1}, {-9.5f, -8}, {-4, -3.5f}, {0, -10}, {4, -3.5f}, {9.5f, -8}, {8, 1}}),
          fill(252, 204, 56), 1.2f);
  } else if (outfit == "santa") {
    shape(Path().add_polygon({{-9, 0}, {9, 0}, {2, -13}}), fill(218, 52, 64), 1.2f);
    shape(Path().add_rounded_rect(-10, -3.5f, 20, 5.5f, 2.6f), fill(252, 249, 245), 1.1f);
    shape(Path().add_circle(3, -13, 3), fill(252, 249, 245), 1.0f);
  } else if (outfit == "party") {
    shape(Path().add_polygon({{-6.5f, 1}, {6.5f, 1}, {0, -13.5f}}), fill(250, 184, 58), 1.2f);
    shape(Path().add_circle(0, -13.8f, 2.5f), fill(238, 92, 144), 0);
  } else if (outfit == "beanie") {
    shape(Path().add_oval(0, -2.5f, 8.5f, 7.5f), fill(62, 134, 212), 1.2f);
    shape(Path().add_rounded_rect(-9.5f, -2, 19, 4.5f, 2), fill(44, 102, 174), 1.1f);
    shape(Path().add_circle(0, -10.5f, 2.7f), fill(248, 248, 250), 1.0f);
  } else if (outfit == "wreath") {
    stroke_path(pm, Path().add_oval(0, -1.5f, 9, 3.5f), Stroke{3.2f}, fill(110, 188, 96), t);
    shape(Path().add_circle(-6.5f, -2.5f, 2.2f), fill(255, 128, 168), 0);
    shape(Path().add_circle(0, -4, 2.2f), fill(255, 224, 96), 0);
    shape(Path().add_circle(6.5f, -2.5f, 2.2f), fill(156, 206, 255), 0);
  } else if (outfit == "bow") {
    Path loops;
    loops.add_polygon({{0, -1}, {-7.5f, -5}, {-7.5f, 3}}).add_polygon({{0, -1}, {7.5f, -5}, {7.5f, 3}});
    shape(loops, fill(238, 86, 134), 1.0f);
    shape(Path().add_circle(0, -1, 2.3f), fill(255, 146, 180), 1.0f);
  }
}

namespace {

// The first sheet row of the frame holding a painted pixel; nothing for an empty
// frame or one outside the sheet.
std::optional<std::int32_t> first_painted_row(const ImageView& sheet, const FrameRaw& frame) {
  const auto& r = frame.r;
  const std::int64_t x0 = std::max(r[0], 0), x1 = std::min<std::int64_t>(std::int64_t(r[0]) + r[2], sheet.width);
  const std::int64_t y0 = std::max(r[1], 0), y1 = std::min<std::int64_t>(std::int64_t(r[1]) + r[3], sheet.height);
  for (std::int64_t y = y0; y < y1; ++y)
    for (std::int64_t x = x0; x < x1; ++x)
      if ((sheet.word(std::size_t(x), std::size_t(y)) >> 24) != 0) return std::int32_t(y);
  return std::nullopt;
}

// The highest pixmap y of the figure as drawn: its topmost painted row, leaned and
// scaled, and the top of its outfit.
std::optional<float> drawn_top(const PetRenderInput& f, const Transform& sprite, bool with_outfit) {
  std::optional<std::int32_t> row = first_painted_row(f.pixels, f.frame);
  if (!row) return std::nullopt;
  float top = INFINITY;
  auto include = [&](const Transform& t, float x, float y) {
    t.apply(x, y);
    top = std::min(top, y);
  };
  const float v = float(*row - f.frame.r[1]);
  include(sprite, 0, v);
  include(sprite, float(f.frame.r[2]), v);
  if (with_outfit) {
    if (auto t = outfit_transform(f, sprite)) {
      // Every outfit lies within 10 units of its centre line and 17 above its base.
      include(*t, -10, -17);
      include(*t, 10, -17);
    }
  }
  return top;
}

// Draws one figure; returns the top of what it drew.
std::optional<float> draw_figure(Pixmap& pm, const PetRenderInput& f) {
  const auto& r = f.frame.r;
  if (r[2] <= 0 || r[3] <= 0 || !(f.opacity > 0) || !sheet_usable(f.pixels)) return std::nullopt;
  const Transform sprite = place_sprite(f);
  if (!sprite.is_finite()) return std::nullopt;
  draw_image_rect(pm, f.pixels, {r[0], r[1], r[2], r[3]}, sprite, f.opacity, Sampling::nearest);

  if (f.blink && f.frame.bl && sheet_usable(f.plain_pixels)) {
    const auto& bl = *f.frame.bl;
    if (bl[0] >= 0 && bl[1] >= 0 && bl[2] > 0 && bl[3] > 0) {
      Transform patch = sprite.after(Transform::translate(float(bl[4]), float(bl[5])));
      draw_image_rect(pm, f.plain_pixels, {bl[0], bl[1], bl[2], bl[3]}, patch, f.opacity, Sampling::nearest);
    }
  }

  const bool with_outfit = f.outfit && *f.outfit != "none" && f.opacity > 0.01f;
  if (with_outfit) {
    if (auto t = outfit_transform(f, sprite)) draw_outfit(pm, *f.outfit, *t, std::min(f.opacity, 1.0f));
  }
  return drawn_top(f, sprite, with_outfit);
}

}  // namespace

void render_pet(Pixmap& pm, const std::vector<PetRenderInput>& figures, const std::optional<BubbleDraw>& bubble,
                const EffectsDraw& effects, const Font& font, float ui_scale) {
  pm.start_frame();
  const float u = std::isfinite(ui_scale) && ui_scale > 0 ? ui_scale : 1.0f;
  if (effects.panel) draw_panel(pm, effects.panel->x, effects.panel->y, effects.panel->width, effects.panel->height, u);
  if (effects.toy && drawn_behind_pet(effects.toy->kind)) draw_toy(pm, *effects.toy, effects.ground_y, u);
  std::optional<float> first_top;
  for (std::size_t i = 0; i < figures.size(); ++i) {
    std::optional<float> top = draw_figure(pm, figures[i]);
    if (i == 0) first_top = top;
  }
  if (effects.toy && !drawn_behind_pet(effects.toy->kind)) draw_toy(pm, *effects.toy, effects.ground_y, u);
  for (const Particle& p : effects.particles) draw_particle(pm, font, p, effects.language, u);
  if (bubble && !figures.empty()) {
    const PetRenderInput& first = figures.front();
    float sit = (first.atlas ? first.atlas->sit : 0.0f) * display_factor(first);
    BubblePlacement placement = bubble->placement;
    placement.figure_top = first_top;
    draw_bubble(pm, font, bubble->request, placement, first.x, sit, u);
  }
}

}  // namespace burrowly
