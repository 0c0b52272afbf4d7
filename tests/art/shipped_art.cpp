#include "shipped_art.h"

#include <algorithm>
#include <stdexcept>

#include "assets/catalogue.h"

namespace arttest {

using burrowly::FrameRaw;

const std::vector<ShippedAnimal>& shipped_animals() {
  static const std::vector<ShippedAnimal> all = [] {
    std::vector<ShippedAnimal> out;
    for (std::string_view key : burrowly::species_list()) {
      const auto parsed = burrowly::parse_atlas(burrowly::atlas_text(key));
      if (!parsed.root) throw std::runtime_error(std::string(key) + ": " + parsed.error);
      auto sheet = burrowly::decode_png(burrowly::sheet_png(key, "black"));
      if (!sheet.image) throw std::runtime_error(std::string(key) + ": " + sheet.error);
      out.push_back({std::string(key), burrowly::build_size_atlas(*parsed.root, "M"), std::move(*sheet.image)});
    }
    return out;
  }();
  return all;
}

const ShippedAnimal& shipped(const std::string& key) {
  for (const ShippedAnimal& a : shipped_animals())
    if (a.key == key) return a;
  throw std::out_of_range(key);
}

namespace {
const std::uint8_t* pixel(const ShippedAnimal& a, const FrameRaw& f, int x, int y) {
  return a.sheet.pixels.data() + (std::size_t(f.r[1] + y) * a.sheet.width + std::size_t(f.r[0] + x)) * 4;
}
}  // namespace

int alpha_at(const ShippedAnimal& a, const FrameRaw& f, int x, int y) {
  if (x < 0 || y < 0 || x >= f.r[2] || y >= f.r[3]) return 0;
  return pixel(a, f, x, y)[3];
}

int lowest_row(const ShippedAnimal& a, const FrameRaw& f) {
  for (int y = f.r[3] - 1; y >= 0; --y)
    for (int x = 0; x < f.r[2]; ++x)
      if (alpha_at(a, f, x, y) > 128) return y;
  return -1;
}

int differing_pixels(const ShippedAnimal& a, const FrameRaw& f, const FrameRaw& g) {
  // Frames of one clip share their width and ground row; their tops may differ.
  const int above = std::max(f.gy, g.gy), below = std::max(f.r[3] - f.gy, g.r[3] - g.gy);
  int n = 0;
  for (int y = -above; y < below; ++y)
    for (int x = 0; x < std::max(f.r[2], g.r[2]); ++x) {
      const int fy = f.gy + y, gy = g.gy + y;
      const bool in_f = x < f.r[2] && fy >= 0 && fy < f.r[3], in_g = x < g.r[2] && gy >= 0 && gy < g.r[3];
      const std::uint8_t clear[4] = {0, 0, 0, 0};
      const std::uint8_t* p = in_f ? pixel(a, f, x, fy) : clear;
      const std::uint8_t* q = in_g ? pixel(a, g, x, gy) : clear;
      n += !std::equal(p, p + 4, q);
    }
  return n;
}

const std::vector<std::string>& four_legged() {
  static const std::vector<std::string> keys = {"cat", "manul", "shpic", "corgi", "taksa", "husky", "frenchie",
                                                "chihuahua", "cocker", "ferret", "fox", "squirrel", "lion",
                                                "goat", "minipig", "sheep"};
  return keys;
}

}  // namespace arttest
