#pragma once
// The atlas document of a species (frame rectangles and anchors in its sheet) and the
// per-size runtime atlas built from it.

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace burrowly {

struct FrameRaw {
  std::string n;                                // clip name
  std::uint64_t i = 0;                          // frame number within the clip
  std::int32_t ax = 0;                          // anchor x within the frame
  std::int32_t gy = 0;                          // ground row within the frame
  float paw = 0;                                // paw height above the ground
  std::array<std::int32_t, 4> r{};              // x, y, width, height in the sheet
  std::optional<std::array<float, 4>> hat;      // outfit anchor: x, y, tilt degrees, x sign
  std::optional<std::array<std::int32_t, 6>> bl;  // blink patch: sx, sy, w, h, dx, dy
};

struct SizeAtlasRaw {
  float sit = 0;
  float ear = 0;
  std::vector<FrameRaw> frames;
};

struct AtlasRoot {
  std::map<std::string, SizeAtlasRaw> sizes;
};

struct SizeAtlas {
  std::vector<FrameRaw> frames;                         // as in the document
  std::map<std::string, std::vector<FrameRaw>, std::less<>> clips;  // by name, ascending i
  float sit = 0;    // seated height, scaled
  float ear = 0;    // scaled
  float scale = 1;  // the size factor
};

// Strict parse; on failure the error names the field ("invalid atlas json: ...").
struct AtlasParse {
  std::optional<AtlasRoot> root;
  std::string error;
};
AtlasParse parse_atlas(std::string_view json_text);

// Builds the runtime atlas for a size from a parsed document (fatal without "M").
SizeAtlas build_size_atlas(const AtlasRoot& root, std::string_view size_key);

// The frames of a clip in order; null when the atlas has no frame of it.
const std::vector<FrameRaw>* find_clip(const SizeAtlas& atlas, std::string_view clip);
// The clip's frames, or the "sit" frames standing in for a missing clip; null when
// the atlas has neither.
const std::vector<FrameRaw>* clip_or_sit(const SizeAtlas& atlas, std::string_view clip);
// clip_or_sit for art that must have a "sit" pose: fatal without one. Never empty.
const std::vector<FrameRaw>& clip_frames(const SizeAtlas& atlas, std::string_view clip);
bool has_clip(const SizeAtlas& atlas, std::string_view clip);

}  // namespace burrowly
