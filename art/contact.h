#pragma once
// Review sheets: every clip of one species in rows, or the seated pose of all of them.

#include "image.h"

namespace art {

// Every clip one row, frames side by side, enlarged three times. Empty for an unknown key.
Image contact_species(const std::string& key);
// `sit` frame 0 of every recipe (the cat once per coat) in a grid, enlarged three times.
Image contact_all();
// The picture for people choosing an animal: every species (the cat in each coat)
// sitting, enlarged twice, over its English name.
Image gallery();

}  // namespace art
