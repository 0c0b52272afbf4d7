#include "animal_art.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "assets/clip_table.h"
#include "rig.h"

namespace art {

using burrowly::ClipSpec;
using burrowly::kClips;

namespace {

constexpr int kGap = 1;
constexpr int kColumns = 11;
constexpr int kMaxPatchX = 1013;  // blink patches start no further right

struct Patch {
  std::vector<std::uint8_t> pixels;
  int w = 0, h = 0;
};

// The eye rectangle grown to at least 8 x 8 and kept inside the frame.
std::array<int, 4> patch_rect(const Rect& eyes) {
  int x0 = int(std::floor(eyes.x0)), y0 = int(std::floor(eyes.y0));
  int x1 = int(std::ceil(eyes.x1)), y1 = int(std::ceil(eyes.y1));
  while (x1 - x0 < 8) --x0, ++x1;
  while (y1 - y0 < 8) --y0, ++y1;
  x0 = std::clamp(x0, 0, kCellW - 8), y0 = std::clamp(y0, 0, kCellH - 8);
  x1 = std::clamp(x1, x0 + 8, kCellW), y1 = std::clamp(y1, y0 + 8, kCellH);
  return {x0, y0, x1 - x0, y1 - y0};
}

int top_row(const std::vector<std::uint8_t>& px) {
  for (int y = 0; y < kCellH; ++y)
    for (int x = 0; x < kCellW; ++x)
      if (px[(std::size_t(y) * kCellW + x) * 4 + 3]) return y;
  return kGround;
}

Image face_from(const std::vector<std::uint8_t>& px, const Anchors& a) {
  // Head and shoulders: a square around the eyes, enlarged three times.
  constexpr int kSide = 53, kScale = 3;  // wide enough for the whole head with its ears
  // Without eyes to centre on, the upper part of the whole drawing.
  Rect drawn;
  for (int y = 0; y < kCellH; ++y)
    for (int x = 0; x < kCellW; ++x)
      if (px[(std::size_t(y) * kCellW + x) * 4 + 3]) drawn.add(float(x), float(y));
  const float cx = a.eyes.empty() ? (drawn.x0 + drawn.x1) / 2 : (a.eyes.x0 + a.eyes.x1) / 2;
  const float cy = a.eyes.empty() ? std::min(drawn.y0 + kSide / 2.0f - 4, (drawn.y0 + drawn.y1) / 2)
                                  : (a.eyes.y0 + a.eyes.y1) / 2;
  const int x0 = int(std::lround(cx)) - kSide / 2, y0 = int(std::lround(cy)) - kSide / 2 - 2;
  Image face(160, 160);
  for (int v = 0; v < kSide; ++v)
    for (int u = 0; u < kSide; ++u) {
      const int sx = x0 + u, sy = y0 + v;
      if (sx < 0 || sy < 0 || sx >= kCellW || sy >= kCellH) continue;
      const std::uint8_t* p = px.data() + (std::size_t(sy) * kCellW + sx) * 4;
      if (!p[3]) continue;
      for (int k = 0; k < kScale * kScale; ++k) std::copy(p, p + 4, face.at(u * kScale + k % kScale, v * kScale + k / kScale));
    }
  return face;
}

}  // namespace

SpeciesArt build_species(const Species& s) {
  SpeciesArt out;
  std::vector<std::vector<std::uint8_t>> cells;
  std::vector<Patch> patches;
  std::vector<int> patch_of;  // per frame, index into patches or -1
  std::vector<int> crop_top;  // per frame, empty rows cut off the top of its cell
  for (const ClipSpec& clip : kClips) {
    for (int i = 0; i < clip.frames; ++i) {
      const Pose pose = pose_for(clip.name, i, clip.frames);
      FrameArt art;
      draw_figure(s, pose, false, art);
      cells.push_back(art.drawing.render());
      FrameRecord rec;
      rec.clip = std::string(clip.name);
      rec.index = i;
      rec.ax = kAnchorX;
      rec.gy = kGround;
      if (!pose.box_only) {
        rec.hat = std::array<float, 3>{std::clamp(art.anchors.hat_x, 8.0f, 77.0f),
                                       std::clamp(art.anchors.hat_y, 4.0f, 70.0f),
                                       std::clamp(art.anchors.hat_tilt, -20.0f, 182.0f)};
      }
      patch_of.push_back(-1);
      if (s.blink && !pose.eyes_closed && !pose.box_only && !art.anchors.eyes.empty()) {
        FrameArt shut;
        draw_figure(s, pose, true, shut);
        const std::vector<std::uint8_t> closed = shut.drawing.render();
        const auto pr = patch_rect(art.anchors.eyes);
        Patch patch{std::vector<std::uint8_t>(std::size_t(pr[2]) * pr[3] * 4), pr[2], pr[3]};
        for (int y = 0; y < pr[3]; ++y)
          std::copy_n(closed.data() + (std::size_t(pr[1] + y) * kCellW + pr[0]) * 4, pr[2] * 4,
                      patch.pixels.data() + std::size_t(y) * pr[2] * 4);
        rec.blink = std::array<int, 6>{0, 0, pr[2], pr[3], pr[0], pr[1]};
        patch_of.back() = int(patches.size());
        patches.push_back(std::move(patch));
      }
      // The frame starts just above the drawing, at most 49 rows down (the ground row
      // stays at 21 or more), keeping the hat point 4 rows and the blink patch inside.
      const int top = top_row(cells.back());
      int crop = std::clamp(top - 1, 0, 49);
      if (rec.hat) crop = std::min(crop, std::max(0, int(std::floor((*rec.hat)[1])) - 4));
      if (rec.blink) crop = std::min(crop, (*rec.blink)[5]);
      crop_top.push_back(crop);
      if (clip.name == "sit" && i == 0) out.sit = std::clamp(float(kGround - top), 27.0f, 36.5f);
      if (clip.name == "sit" && i == 0) out.face = face_from(cells.back(), art.anchors);
      out.frames.push_back(std::move(rec));
    }
  }
  // Frames in a grid, then the blink patches on shelves below.
  const int rows = (int(cells.size()) + kColumns - 1) / kColumns;
  const int frames_bottom = kGap + rows * (kCellH + kGap);
  int px = kGap, py = frames_bottom, shelf = 0;
  std::vector<std::array<int, 2>> patch_pos;
  for (const Patch& p : patches) {
    if (px + p.w + kGap > kSheetWidth || px > kMaxPatchX) px = kGap, py += shelf + kGap, shelf = 0;
    patch_pos.push_back({px, py});
    px += p.w + kGap;
    shelf = std::max(shelf, p.h);
  }
  out.sheet = Image(kSheetWidth, py + shelf + kGap);
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const int x = kGap + int(k % kColumns) * (kCellW + kGap), y = kGap + int(k / kColumns) * (kCellH + kGap);
    out.sheet.blit(cells[k].data(), kCellW, kCellH, x, y);
    const int crop = crop_top[k];
    FrameRecord& rec = out.frames[k];
    rec.rect = {x, y + crop, kCellW, kCellH - crop};
    rec.gy -= crop;
    if (rec.hat) (*rec.hat)[1] -= float(crop);
    if (rec.blink) (*rec.blink)[5] -= crop;
    if (patch_of[k] >= 0) {
      const Patch& p = patches[patch_of[k]];
      const auto pos = patch_pos[patch_of[k]];
      out.sheet.blit(p.pixels.data(), p.w, p.h, pos[0], pos[1]);
      (*rec.blink)[0] = pos[0];
      (*rec.blink)[1] = pos[1];
    }
  }
  return out;
}

std::string atlas_json(const SpeciesArt& art) {
  std::string out;
  char buf[256];
  std::snprintf(buf, sizeof buf, "{\"sizes\":{\"M\":{\"sit\":%.1f,\"ear\":7.38,\"frames\":[\n", art.sit);
  out += buf;
  for (std::size_t k = 0; k < art.frames.size(); ++k) {
    const FrameRecord& f = art.frames[k];
    std::snprintf(buf, sizeof buf, "{\"n\":\"%s\",\"i\":%d,\"ax\":%d,\"gy\":%d,\"paw\":9.8,\"r\":[%d,%d,%d,%d]",
                  f.clip.c_str(), f.index, f.ax, f.gy, f.rect[0], f.rect[1], f.rect[2], f.rect[3]);
    out += buf;
    if (f.hat) {
      std::snprintf(buf, sizeof buf, ",\"hat\":[%.1f,%.1f,%.1f,1]", (*f.hat)[0], (*f.hat)[1], (*f.hat)[2]);
      out += buf;
    }
    if (f.blink) {
      const auto& b = *f.blink;
      std::snprintf(buf, sizeof buf, ",\"bl\":[%d,%d,%d,%d,%d,%d]", b[0], b[1], b[2], b[3], b[4], b[5]);
      out += buf;
    }
    out += k + 1 < art.frames.size() ? "},\n" : "}\n";
  }
  out += "]}}}\n";
  return out;
}

}  // namespace art
