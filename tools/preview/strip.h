#pragma once
// The frame strip writer.

#include <string>
#include <vector>

#include "render/canvas.h"

namespace burrowly::preview {

struct StripFrame {
  Pixmap pixmap;
  float time;
};

// Lays the frames side by side on a light background with the time written under
// each, or, bare, on a transparent background without labels; writes an RGBA PNG.
// False when the file cannot be written.
bool write_strip(const std::string& path, const std::vector<StripFrame>& frames, bool bare);

}  // namespace burrowly::preview
