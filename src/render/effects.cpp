#include "render/effects.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "render/bubble.h"
#include "render/raster_cache.h"
#include "render/stable_math.h"
#include "text/utf8.h"

namespace burrowly {

namespace {

constexpr std::uint8_t kInk[3] = {36, 27, 51};
// A particle moves and fades in this many steps over its life. A sleeping pet's "z"
// lives 1.8 s, 5.4 frames of the 3 fps clip it moves with: six steps give each of
// those frames a step of its own.
float particle_steps(std::uint32_t kind) { return kind == effect::sleep_z ? 6 : 8; }

std::uint32_t ink(float alpha) { return faded(kInk[0], kInk[1], kInk[2], alpha, 1); }

void fill_and_outline(Pixmap& pm, const Path& path, std::uint32_t fill, float width, float opacity,
                      const Transform& t) {
  fill_path(pm, path, fill, t);
  stroke_path(pm, path, Stroke{width}, ink(255 * opacity), t);
}

}  // namespace

ParticleState particle_state(const Particle& p, float ui_scale) {
  ParticleState s;
  float ratio = p.life > 0 ? p.age / p.life : 1.0f;
  ratio = std::isfinite(ratio) ? std::clamp(ratio, 0.0f, 1.0f) : 1.0f;
  const float steps = particle_steps(p.kind);
  s.t = std::floor(ratio * steps) / steps;
  s.fade = std::clamp(1.4f * (1 - s.t), 0.0f, 1.0f);
  s.px = p.x + p.drift * s.t * ui_scale;
  s.py = p.y - 24 * s.t * ui_scale;
  return s;
}

namespace {

// A particle's look at full opacity: what it depends on, where it may put ink around
// its reference point, and how to draw it there.
struct ParticleLook {
  std::string key;
  IntRect extent;
  RasterCache::Paint paint;
};

IntRect around(float left, float top, float right, float bottom) {
  const auto low = [](float v) { return std::int32_t(std::floor(v)) - 2; };
  const auto high = [](float v) { return std::int32_t(std::ceil(v)) + 2; };
  return {low(left), low(top), high(right) - low(left), high(bottom) - low(top)};
}

// A line of text with its left end and baseline on the reference point.
ParticleLook text_look(const Font& font, std::string text, float size, std::uint32_t color) {
  const float width = font.text_width(text, size);
  std::string key = "text " + std::to_string(font.id()) + ' ' + key_text(size) + ' ' +
                    std::to_string(color) + ' ' + text;
  return {std::move(key), around(-0.5f * size, -1.3f * size, width + 0.5f * size, 0.5f * size),
          [&font, text = std::move(text), size, color](Pixmap& pm, float ox, float oy) {
            font.draw_text(pm, text, ox, oy, size, color);
          }};
}

std::optional<ParticleLook> particle_look(const Particle& p, float t, const Font& font, Language language, float u) {
  const std::string scale = ' ' + key_text(u);
  switch (p.kind) {
    case effect::sleep_z: {
      // A light rim keeps the dark letter readable on a dark wallpaper.
      const float size = std::round((10.5f + 3 * t) * u);
      return ParticleLook{"z " + std::to_string(font.id()) + ' ' + key_text(size) + scale,
                          around(-0.5f * size - u, -1.3f * size - u, 1.5f * size + u, 0.5f * size + u),
                          [&font, size, u](Pixmap& pm, float ox, float oy) {
                            const std::uint32_t rim = pack_rgba(255, 248, 236, 150);
                            for (int dx = -1; dx <= 1; ++dx)
                              for (int dy = -1; dy <= 1; ++dy)
                                if (dx || dy) font.draw_text(pm, "z", ox + float(dx) * u, oy + float(dy) * u, size, rim);
                            font.draw_text(pm, "z", ox, oy, size, pack_rgba(36, 27, 51, 230));
                          }};
    }
    case effect::heart: {
      const float a = 5.2f * u;
      return ParticleLook{"heart" + scale, around(-1.5f * a, -1.2f * a, 1.5f * a, a), [a](Pixmap& pm, float ox, float oy) {
                            Path heart;
                            heart.move_to(ox, oy + 0.9f * a)
                                .cubic_to(ox - 1.4f * a, oy, ox - 0.9f * a, oy - 1.1f * a, ox, oy - 0.35f * a)
                                .cubic_to(ox + 0.9f * a, oy - 1.1f * a, ox + 1.4f * a, oy, ox, oy + 0.9f * a)
                                .close();
                            fill_path(pm, heart, pack_rgba(232, 91, 138, 255));
                          }};
    }
    case effect::purr_puff: {
      const char* word = language == Language::en ? "purr" : language == Language::pl ? "mrr" : "мур";
      return text_look(font, word, 9.5f * u, pack_rgba(232, 91, 138, 235));
    }
    case effect::sparkle: {
      const float r = 4.8f * u, c = 0.15f * r;
      return ParticleLook{"sparkle" + scale, around(-r, -r, r, r), [r, c](Pixmap& pm, float ox, float oy) {
                            Path star;
                            star.move_to(ox, oy - r)
                                .quad_to(ox + c, oy - c, ox + r, oy)
                                .quad_to(ox + c, oy + c, ox, oy + r)
                                .quad_to(ox - c, oy + c, ox - r, oy)
                                .quad_to(ox - c, oy - c, ox, oy - r)
                                .close();
                            fill_path(pm, star, pack_rgba(245, 184, 46, 255));
                          }};
    }
    case effect::sweat_drop: {
      const float r = 2.4f * u;
      return ParticleLook{"drop" + scale, around(-r, -r, r, r), [r](Pixmap& pm, float ox, float oy) {
                            fill_path(pm, Path().add_circle(ox, oy, r), pack_rgba(112, 184, 240, 220));
                          }};
    }
    case effect::plug_flash: {
      const float b = 6.2f * u;
      return ParticleLook{"bolt" + scale, around(-b - 3, -b - 3, b + 3, b + 3), [b](Pixmap& pm, float ox, float oy) {
                            Path bolt;
                            bolt.add_polygon({{ox + 0.15f * b, oy - b},
                                              {ox - 0.55f * b, oy + 0.08f * b},
                                              {ox + 0.02f * b, oy + 0.08f * b},
                                              {ox - 0.25f * b, oy + b},
                                              {ox + 0.58f * b, oy - 0.12f * b},
                                              {ox + 0.02f * b, oy - 0.12f * b}});
                            fill_path(pm, bolt, pack_rgba(255, 216, 92, 255));
                            stroke_path(pm, bolt, Stroke{1.4f}, pack_rgba(36, 27, 51, 255));
                          }};
    }
    default:
      if (p.kind < effect::first_code || p.kind == effect::glyph_code) {
        std::string glyph;
        append_utf8(glyph, char32_t(p.kind));
        return text_look(font, std::move(glyph), 12 * u, pack_rgba(94, 152, 224, 240));
      }
      return std::nullopt;
  }
}

// A pixmap coordinate as a whole pixel; far-off values stay far off the pixmap.
std::int32_t whole_pixel(float v) { return std::int32_t(std::round(std::clamp(v, -1e8f, 1e8f))); }

}  // namespace

void draw_particle(Pixmap& pm, const Font& font, const Particle& p, Language language, float u) {
  const ParticleState s = particle_state(p, u);
  if (s.fade <= 0 || !std::isfinite(s.px) || !std::isfinite(s.py)) return;
  std::optional<ParticleLook> look = particle_look(p, s.t, font, language, u);
  if (!look) return;
  // The drop falls while the other particles rise.
  const float y = p.kind == effect::sweat_drop ? s.py + 14 * s.t * u : s.py;
  frame_pieces().draw(pm, look->key, look->extent, whole_pixel(s.px), whole_pixel(y), fade_step(s.fade), look->paint);
}

ToyReach toy_reach(ToyKind kind) {
  // The outlines below plus half their stroke.
  switch (kind) {
    case ToyKind::yarn_ball: return {6.6f, 6.6f, 6.6f};
    case ToyKind::frisbee: return {9.1f, 9.1f, 9.1f};
    case ToyKind::carrot: return {13.9f, 13.9f, 13.9f};
    case ToyKind::treat: return {7.1f, 7.1f, 7.1f};
    case ToyKind::fly: return {4.3f, 5.9f, 2.3f};
    case ToyKind::water_drop: return {8.5f, 8.5f, 8.5f};
    case ToyKind::food_bowl: return {12.0f, 3.6f, 6.6f};
  }
  return {};
}

bool drawn_behind_pet(ToyKind kind) { return kind == ToyKind::water_drop || kind == ToyKind::food_bowl; }

void draw_toy(Pixmap& pm, const ToySnapshot& toy, float ground_y, float u) {
  if (!(toy.opacity > 0.01f)) return;
  const float op = std::min(toy.opacity, 1.0f);
  // Shapes below are in ui units around the toy's centre.
  Transform t = Transform::translate(toy.x, ground_y - 6 * u - toy.height)
                    .after(Transform::rotate(toy.rotation))
                    .after(Transform::scale(u, u));
  if (!t.is_finite()) return;
  switch (toy.kind) {
    case ToyKind::yarn_ball: {
      fill_and_outline(pm, Path().add_circle(0, 0, 6), faded(230, 79, 102, 255, op), 1.1f, op, t);
      Path strands;
      strands.move_to(-5, -3).quad_to(0, 1, 5, -3);
      strands.move_to(-5.6f, 1).quad_to(0, 5, 5.6f, 1);
      strands.move_to(-2, -5.6f).quad_to(2, 0, -1, 5.8f);
      stroke_path(pm, strands, Stroke{1.1f}, ink(255 * op), t);
      return;
    }
    case ToyKind::frisbee: {
      fill_and_outline(pm, Path().add_oval(0, 0, 8.5f, 3.2f), faded(54, 148, 224, 245, op), 1.1f, op, t);
      stroke_path(pm, Path().add_oval(0, -0.4f, 5, 1.6f), Stroke{1.1f}, ink(255 * op), t);
      return;
    }
    case ToyKind::carrot: {
      Path body;
      body.move_to(-5, -3.4f).line_to(9, 0).line_to(-5, 3.4f).quad_to(-7.8f, 0, -5, -3.4f).close();
      // Three broad leaves fanning out from the top, thinly outlined so their green shows.
      for (float tilt : {-0.6f, 0.0f, 0.6f}) {
        const Transform leaf = t.after(Transform::translate(-6, 0)).after(Transform::rotate(tilt));
        fill_and_outline(pm, Path().add_oval(-3.6f, 0, 3.8f, 1.9f), faded(82, 196, 106, 255, op), 0.8f, op, leaf);
      }
      fill_and_outline(pm, body, faded(242, 134, 48, 255, op), 1.2f, op, t);
      return;
    }
    case ToyKind::treat: {
      fill_and_outline(pm, Path().add_oval(0, 0, 6.5f, 4.6f), faded(212, 148, 86, 255, op), 1.1f, op, t);
      fill_and_outline(pm, Path().add_oval(0, 0, 3.4f, 2.2f), faded(118, 76, 52, 255, op), 1.1f, op, t);
      return;
    }
    case ToyKind::fly: {
      float beat = float(std::fabs(stable_sin_cos(38.0 * toy.phase).sin));
      float wing = 1.6f + 1.8f * beat;
      Path wings;
      wings.add_oval(-2.2f, -2.4f, 2.0f, wing).add_oval(2.2f, -2.4f, 2.0f, wing);
      fill_path(pm, wings, faded(240, 245, 255, 210, op), t);
      fill_path(pm, Path().add_circle(0, 0, 2.2f), faded(40, 34, 48, 250, op), t);
      return;
    }
    case ToyKind::water_drop: {
      Path drop;
      drop.move_to(-1.6f, -6)
          .line_to(1.6f, -6)
          .quad_to(2.4f, -6, 2.8f, -5)
          .line_to(5, 3.6f)
          .quad_to(5.4f, 6, 3, 6)
          .line_to(-3, 6)
          .quad_to(-5.4f, 6, -5, 3.6f)
          .line_to(-2.8f, -5)
          .quad_to(-2.4f, -6, -1.6f, -6)
          .close();
      fill_and_outline(pm, drop, faded(168, 224, 255, 255, op), 1.1f, op, t);
      return;
    }
    case ToyKind::food_bowl: {
      Path bowl;
      bowl.add_polygon({{-11, -3}, {11, -3}, {7.5f, 6}, {-7.5f, 6}});
      fill_and_outline(pm, bowl, faded(232, 114, 78, 255, op), 1.1f, op, t);
      stroke_path(pm, Path().move_to(-10.2f, -0.8f).line_to(10.2f, -0.8f), Stroke{1.1f}, ink(255 * op), t);
      return;
    }
  }
}

void draw_panel(Pixmap& pm, float x, float y, float width, float height, float u) {
  fill_path(pm, Path().add_rounded_rect(x, y, width, height, 10 * u), pack_rgba(18, 17, 24, 245));
}

}  // namespace burrowly
