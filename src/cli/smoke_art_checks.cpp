#include "cli/smoke_art_checks.h"

#include <cstdint>
#include <string>

#include "assets/catalogue.h"
#include "platform/fatal.h"

namespace burrowly {
namespace {

constexpr std::string_view kCheckedCoat = "ginger";
constexpr std::string_view kRequiredClips[] = {"sit", "walk", "sleep"};

// Inside the sheet, computed without wrap-round so a huge or negative rectangle fails.
bool lies_inside(const std::array<std::int32_t, 4>& r, const ImageSize& sheet) {
  if (r[2] <= 0 || r[3] <= 0 || r[0] < 0 || r[1] < 0) return false;
  return std::int64_t(r[0]) + r[2] <= std::int64_t(sheet.width) && std::int64_t(r[1]) + r[3] <= std::int64_t(sheet.height);
}

std::string rect_text(const std::array<std::int32_t, 4>& r) {
  return "[" + std::to_string(r[0]) + ", " + std::to_string(r[1]) + ", " + std::to_string(r[2]) + ", " +
         std::to_string(r[3]) + "]";
}

void check_size(AssetStore& store, std::string_view species, std::string_view size) {
  // The frames are checked against the sheet's size; drawing the pets decodes it.
  const std::shared_ptr<const SizeAtlas> atlas = store.atlas_for(species, size);
  const ImageSize sheet = store.sheet_size(species, kCheckedCoat);
  const std::string where = std::string(species) + " " + std::string(size);
  for (std::string_view clip : kRequiredClips) {
    if (!has_clip(*atlas, clip)) fatal(where + " missing " + std::string(clip));
  }
  for (const auto& [name, frames] : atlas->clips) {
    for (const FrameRaw& frame : frames) {
      if (!lies_inside(frame.r, sheet)) fatal(where + ": " + rect_text(frame.r));
    }
  }
}

}  // namespace

void check_all_pet_art(AssetStore& store) {
  for (std::string_view species : species_list()) {
    for (std::string_view size : {"S", "M", "L"}) check_size(store, species, size);
    store.face_for(species);  // decodes and checks the portrait
  }
}

}  // namespace burrowly
