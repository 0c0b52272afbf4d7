#include "contact.h"

#include "clip_table.h"
#include "rig.h"
#include "recipe.h"

namespace art {

namespace {

constexpr int kScale = 3;
constexpr std::uint8_t kBackdrop[4] = {236, 232, 224, 255};

void backdrop(Image& img) {
  for (int i = 0; i < img.width * img.height; ++i) std::copy(kBackdrop, kBackdrop + 4, img.rgba.data() + i * 4);
}

// The ground line under a cell, so floating and sinking show.
void ground_line(Image& img, int x, int y) {
  for (int u = 0; u < kCellW * kScale; ++u) {
    std::uint8_t* p = img.at(x + u, y + kGround * kScale);
    p[0] = 190, p[1] = 120, p[2] = 120;
  }
}

const Species* find(const std::string& key) {
  for (const Species& s : all_recipes())
    if (s.key == key || (key == "cat" && s.key == "cat-black")) return &s;
  return nullptr;
}

}  // namespace

Image contact_species(const std::string& key) {
  const Species* s = find(key);
  if (!s) return {};
  const int cw = kCellW * kScale, ch = kCellH * kScale;
  Image img(cw * 8, ch * int(kClips.size()));
  backdrop(img);
  for (std::size_t row = 0; row < kClips.size(); ++row) {
    for (int i = 0; i < kClips[row].frames; ++i) {
      FrameArt art;
      draw_figure(*s, pose_for(kClips[row].name, i, kClips[row].frames), false, art);
      const auto px = art.drawing.render();
      ground_line(img, i * cw, int(row) * ch);
      img.blit(px.data(), kCellW, kCellH, i * cw, int(row) * ch, kScale);
    }
  }
  return img;
}

Image contact_all() {
  const auto& recipes = all_recipes();
  constexpr int kPerRow = 7;
  const int cw = kCellW * kScale, ch = kCellH * kScale;
  const int rows = (int(recipes.size()) + kPerRow - 1) / kPerRow;
  Image img(cw * kPerRow, ch * rows);
  backdrop(img);
  for (std::size_t k = 0; k < recipes.size(); ++k) {
    FrameArt art;
    draw_figure(recipes[k], pose_for("sit", 0, 4), false, art);
    const auto px = art.drawing.render();
    const int x = int(k % kPerRow) * cw, y = int(k / kPerRow) * ch;
    ground_line(img, x, y);
    img.blit(px.data(), kCellW, kCellH, x, y, kScale);
  }
  return img;
}

}  // namespace art
