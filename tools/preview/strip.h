#pragma once
// Stand-in art for previews without generated sheets, and the frame strip writer.

#include <memory>
#include <string>
#include <vector>

#include "assets/atlas.h"
#include "render/canvas.h"

namespace burrowly::preview {

// A blocky figure per clip and frame (body, head on the facing side, feet that
// alternate with the frame), enough to judge motion, turns and squash.
struct StandInArt {
  std::shared_ptr<SizeAtlas> atlas;
  std::vector<std::uint8_t> pixels;  // premultiplied RGBA
  std::uint32_t width = 0, height = 0;
};
StandInArt make_stand_in_art();

struct StripFrame {
  Pixmap pixmap;
  float time;
};

// Lays the frames side by side on a light background with the time written under
// each, and writes an RGBA PNG. False when the file cannot be written.
bool write_strip(const std::string& path, const std::vector<StripFrame>& frames);

}  // namespace burrowly::preview
