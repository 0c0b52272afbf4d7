#include "assets/sprite_sheet.h"

#include <cstring>
#include <unordered_map>

namespace burrowly {
namespace {

constexpr std::uint8_t kTransparentBelow = 3;
constexpr std::uint8_t kOpaqueAbove = 128;
constexpr std::uint32_t kOutlineWord = 0x01010101u * kOutlineValue;

// A straight RGBA word premultiplied: channel * alpha / 255, truncated.
std::uint32_t premultiplied_word(std::uint32_t straight) {
  const std::uint32_t a = straight >> 24;
  std::uint32_t out = a << 24;
  for (int shift = 0; shift < 24; shift += 8) out |= (((straight >> shift) & 0xFF) * a / 255) << shift;
  return out;
}

// Gives out palette entries, one per distinct colour, while there are entries left.
class PaletteBuilder {
 public:
  explicit PaletteBuilder(SpriteSheet& sheet) : sheet_(sheet) {}

  std::optional<std::uint8_t> index_of(std::uint32_t straight) {
    // Neighbouring pixels mostly share a colour: the last answer usually holds.
    if (has_last_ && last_colour_ == straight) return last_index_;
    auto it = indices_.find(straight);
    if (it == indices_.end()) {
      const std::optional<std::uint8_t> entry = add(premultiplied_word(straight), premultiplied_word(straight));
      if (!entry) return std::nullopt;
      it = indices_.emplace(straight, *entry).first;
    }
    has_last_ = true, last_colour_ = straight, last_index_ = it->second;
    return last_index_;
  }

  // An outline entry standing in for the `plain` entry: the outline through the
  // palette, the pixel's own colour through the plain palette. One per plain entry.
  std::optional<std::uint8_t> outline_of(std::uint8_t plain) {
    auto it = outlines_.find(plain);
    if (it != outlines_.end()) return it->second;
    const std::optional<std::uint8_t> entry = add(kOutlineWord, sheet_.plain_palette[plain]);
    if (entry) outlines_.emplace(plain, *entry);
    return entry;
  }

 private:
  std::optional<std::uint8_t> add(std::uint32_t shown, std::uint32_t plain) {
    if (used_ == sheet_.palette.size()) return std::nullopt;
    sheet_.palette[used_] = shown;
    sheet_.plain_palette[used_] = plain;
    return std::uint8_t(used_++);
  }

  SpriteSheet& sheet_;
  std::size_t used_ = 0;
  std::unordered_map<std::uint32_t, std::uint8_t> indices_;
  bool has_last_ = false;
  std::uint32_t last_colour_ = 0;
  std::uint8_t last_index_ = 0;
  std::unordered_map<std::uint8_t, std::uint8_t> outlines_;
};

// Moves the outline pixels to outline entries, testing only the straight image's
// alpha so the outline stays one pixel wide.
template <class Alpha>
bool draw_outline(Alpha alpha, SpriteSheet& sheet, PaletteBuilder& palette) {
  const std::uint32_t w = sheet.width, h = sheet.height;
  for (std::uint32_t y = 0; y < h; ++y) {
    for (std::uint32_t x = 0; x < w; ++x) {
      if (alpha(x, y) >= kTransparentBelow) continue;
      bool touches = (x > 0 && alpha(x - 1, y) > kOpaqueAbove) || (x + 1 < w && alpha(x + 1, y) > kOpaqueAbove) ||
                     (y > 0 && alpha(x, y - 1) > kOpaqueAbove) || (y + 1 < h && alpha(x, y + 1) > kOpaqueAbove);
      if (!touches) continue;
      std::uint8_t& index = sheet.indices[std::size_t(y) * w + x];
      const std::optional<std::uint8_t> outline = palette.outline_of(index);
      if (!outline) return false;
      index = *outline;
    }
  }
  return true;
}

}  // namespace

std::optional<SpriteSheet> make_sprite_sheet(const DecodedImage& image, bool outlined) {
  SpriteSheet sheet;
  sheet.width = image.width;
  sheet.height = image.height;
  const std::size_t count = std::size_t(image.width) * image.height;
  if (image.pixels.size() < count * 4) return std::nullopt;
  sheet.indices.resize(count);
  PaletteBuilder palette(sheet);
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t straight;
    std::memcpy(&straight, image.pixels.data() + i * 4, 4);
    const std::optional<std::uint8_t> index = palette.index_of(straight);
    if (!index) return std::nullopt;
    sheet.indices[i] = *index;
  }
  auto alpha = [&](std::uint32_t x, std::uint32_t y) { return image.pixels[(std::size_t(y) * image.width + x) * 4 + 3]; };
  if (outlined && !draw_outline(alpha, sheet, palette)) return std::nullopt;
  return sheet;
}

std::optional<SpriteSheet> make_sprite_sheet(const PaletteImage& image, bool outlined) {
  SpriteSheet sheet;
  sheet.width = image.width;
  sheet.height = image.height;
  sheet.indices.resize(image.indices.size());
  PaletteBuilder palette(sheet);
  // The sheet's entries are given out in the order pixels first use them, as from RGBA.
  std::array<std::optional<std::uint8_t>, 256> entry_of{};
  for (std::size_t i = 0; i < image.indices.size(); ++i) {
    std::optional<std::uint8_t>& entry = entry_of[image.indices[i]];
    if (!entry && !(entry = palette.index_of(image.colours[image.indices[i]]))) return std::nullopt;
    sheet.indices[i] = *entry;
  }
  auto alpha = [&](std::uint32_t x, std::uint32_t y) {
    return std::uint8_t(image.colours[image.indices[std::size_t(y) * image.width + x]] >> 24);
  };
  if (outlined && !draw_outline(alpha, sheet, palette)) return std::nullopt;
  return sheet;
}

}  // namespace burrowly
