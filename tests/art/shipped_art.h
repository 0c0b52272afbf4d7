#pragma once
// The art set this build embeds, read the way the program reads it: atlases through
// the atlas parser, sheets and faces through the PNG decoder. Loaded once per process.

#include <string>
#include <vector>

#include "assets/atlas.h"
#include "assets/png_decode.h"

namespace arttest {

struct ShippedAnimal {
  std::string key;
  burrowly::SizeAtlas atlas;
  burrowly::DecodedImage sheet;  // the black coat for the cat
};

const std::vector<ShippedAnimal>& shipped_animals();
const ShippedAnimal& shipped(const std::string& key);

// Alpha of a pixel of the sheet, given in frame coordinates; 0 outside the frame.
int alpha_at(const ShippedAnimal& a, const burrowly::FrameRaw& f, int x, int y);
// The lowest frame row with an opaque pixel, or -1 for an empty frame.
int lowest_row(const ShippedAnimal& a, const burrowly::FrameRaw& f);
// Pixels whose RGBA differs between two frames placed on the same ground row.
int differing_pixels(const ShippedAnimal& a, const burrowly::FrameRaw& f, const burrowly::FrameRaw& g);

// The four-legged animals drawn by the quadruped rig.
const std::vector<std::string>& four_legged();

}  // namespace arttest
