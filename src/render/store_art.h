#pragma once
// The renderer's art lookup served by the asset store.

#include "assets/asset_store.h"
#include "render/snapshot_renderer.h"

namespace burrowly {

// Each figure's atlas and sheet from the store, which must outlive the lookup. Each
// answer holds both, for as long as its owner is kept.
FigureArtLookup store_art_lookup(AssetStore& store);

}  // namespace burrowly
