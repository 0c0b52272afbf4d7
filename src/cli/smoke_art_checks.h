#pragma once
// The art half of the self-check: every species at every size against its sheet, and
// every face portrait. The first failed check is a fatal error.

#include "assets/asset_store.h"

namespace burrowly {

void check_all_pet_art(AssetStore& store);

}  // namespace burrowly
