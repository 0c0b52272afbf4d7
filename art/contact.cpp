#include "contact.h"

#include <algorithm>

#include "assets/blob_registry.h"
#include "assets/catalogue.h"
#include "assets/clip_table.h"
#include "recipe.h"
#include "render/font.h"
#include "rig.h"

namespace art {

using burrowly::kClips;

namespace {

constexpr int kScale = 3;
constexpr int kLabelWidth = 150;  // the clip-name column of a species sheet
constexpr float kTextSize = 22;
constexpr std::uint32_t kBackdrop = 0xFFE0E8EC;  // packed RGBA: #ece8e0
constexpr std::uint32_t kInk = 0xFF331B24;       // the outline plum

// A sheet of `width` x `height` on the backdrop, with each label's text drawn at its
// baseline (centred on x when asked); the sheet is opaque, so the premultiplied pixels
// are its straight RGBA.
struct Label {
  std::string text;
  float x, baseline;
  bool centred = false;
};
Image labelled_backdrop(int width, int height, const std::vector<Label>& labels) {
  auto pixmap = burrowly::Pixmap::create(width, height);
  pixmap->fill(kBackdrop);
  const burrowly::Bytes font_bytes = burrowly::embedded_font();
  const auto font = burrowly::Font::parse({font_bytes.begin(), font_bytes.end()});
  for (const Label& l : labels) {
    const float x = l.centred ? l.x - font->text_width(l.text, kTextSize) / 2 : l.x;
    font->draw_text(*pixmap, l.text, x, l.baseline, kTextSize, kInk);
  }
  Image img(width, height);
  std::copy_n(pixmap->data(), img.rgba.size(), img.rgba.data());
  return img;
}

// The ground line under a cell, so floating and sinking show.
void ground_line(Image& img, int x, int y) {
  for (int u = 0; u < kCellW * kScale; ++u) {
    std::uint8_t* p = img.at(x + u, y + kGround * kScale);
    p[0] = 190, p[1] = 120, p[2] = 120;
  }
}

std::vector<std::uint8_t> sitting(const Species& s) {
  FrameArt art;
  draw_figure(s, pose_for("sit", 0, 4), false, art);
  return art.drawing.render();
}

void draw_cell(Image& img, const Species& s, const Pose& pose, int x, int y) {
  FrameArt art;
  draw_figure(s, pose, false, art);
  const auto px = art.drawing.render();
  ground_line(img, x, y);
  img.blit(px.data(), kCellW, kCellH, x, y, kScale);
}

// "Black Cat" for a coat, the catalogue's English name for the rest.
std::string english_name(const std::string& key) {
  using burrowly::Language;
  if (key.rfind("cat-", 0) != 0) return std::string(burrowly::display_name(Language::en, key));
  const std::string coat = key.substr(4);
  for (const auto& c : burrowly::coats())
    if (c.key == coat)
      return std::string(burrowly::in(c.label, Language::en)) + " Cat";
  return key;
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
  std::vector<Label> labels;
  for (std::size_t row = 0; row < kClips.size(); ++row)
    labels.push_back({std::string(kClips[row].name), 8, float(row * ch + ch / 2) + kTextSize / 3});
  Image img = labelled_backdrop(kLabelWidth + cw * 8, ch * int(kClips.size()), labels);
  for (std::size_t row = 0; row < kClips.size(); ++row)
    for (int i = 0; i < kClips[row].frames; ++i)
      draw_cell(img, *s, pose_for(kClips[row].name, i, kClips[row].frames), kLabelWidth + i * cw, int(row) * ch);
  return img;
}

Image gallery() {
  constexpr int kZoom = 2, kTop = 8, kRows = kGround + 2 - kTop;  // the cell's rows a sitting animal can use
  constexpr int kPerRow = 7, kLabel = 26;
  constexpr int cw = kCellW * kZoom, ch = kRows * kZoom + kLabel;
  const auto& recipes = all_recipes();
  const int rows = (int(recipes.size()) + kPerRow - 1) / kPerRow;
  std::vector<Label> labels;
  for (std::size_t k = 0; k < recipes.size(); ++k)
    labels.push_back({english_name(recipes[k].key), float(k % kPerRow) * cw + kAnchorX * kZoom,
                      float(k / kPerRow) * ch + kRows * kZoom + kLabel - 8, true});
  Image img = labelled_backdrop(cw * kPerRow, ch * rows, labels);
  for (std::size_t k = 0; k < recipes.size(); ++k) {
    const auto px = sitting(recipes[k]);
    img.blit(px.data() + std::size_t(kTop) * kCellW * 4, kCellW, kRows, int(k % kPerRow) * cw,
             int(k / kPerRow) * ch, kZoom);
  }
  return img;
}

Image contact_all() {
  const auto& recipes = all_recipes();
  constexpr int kPerRow = 7;
  const int cw = kCellW * kScale, ch = kCellH * kScale;
  const int rows = (int(recipes.size()) + kPerRow - 1) / kPerRow;
  std::vector<Label> labels;
  for (std::size_t k = 0; k < recipes.size(); ++k)
    labels.push_back({recipes[k].key, float(k % kPerRow) * cw + 8, float(k / kPerRow) * ch + kTextSize + 4});
  Image img = labelled_backdrop(cw * kPerRow, ch * rows, labels);
  for (std::size_t k = 0; k < recipes.size(); ++k)
    draw_cell(img, recipes[k], pose_for("sit", 0, 4), int(k % kPerRow) * cw, int(k / kPerRow) * ch);
  return img;
}

}  // namespace art
