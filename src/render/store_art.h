#pragma once
// The renderer's art lookup served by the asset store.

#include "assets/asset_store.h"
#include "render/snapshot_renderer.h"

namespace burrowly {

// Each figure's atlas and sheet from the store, which must outlive the lookup. The
// store never evicts, so the views stay valid.
FigureArtLookup store_art_lookup(AssetStore& store);

}  // namespace burrowly
