#pragma once
// Everything generated for one recipe: the frames packed into a sheet with their
// anchors, and the face portrait.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "image.h"
#include "recipe.h"

namespace art {

struct FrameRecord {
  std::string clip;
  int index = 0;
  int ax = 0, gy = 0;
  std::array<int, 4> rect{};                 // x, y, width, height in the sheet
  std::optional<std::array<float, 3>> hat;   // x, y, tilt
  std::optional<std::array<int, 6>> blink;   // source x, y, w, h, destination x, y
};

struct SpeciesArt {
  float sit = 0;
  std::vector<FrameRecord> frames;
  Image sheet;
  Image face;
};

inline constexpr int kSheetWidth = 1024;

SpeciesArt build_species(const Species& s);

// The atlas document of a species.
std::string atlas_json(const SpeciesArt& art);

}  // namespace art
