#pragma once
// A pet engine on two 1920 x 1080 monitors with the embedded art, and the overlay
// buffers of one monitor: what the tray app's frame tick works on.

#include <cstdint>
#include <vector>

#include "assets/asset_store.h"
#include "engine/pet_engine.h"
#include "render/snapshot_renderer.h"

namespace burrowly::bench {

struct FrameRig {
  FrameRig();

  // One 33 ms engine tick, keeping the pet walking: when it stops, it hops to the
  // other monitor and walks in again.
  void tick_walking();

  AssetStore store;
  FigureArtLookup art;
  Font font;
  PetEngine engine;
  Pixmap pixmap;             // the overlay, premultiplied RGBA
  std::vector<std::uint8_t> bgra;  // the window bitmap
};

}  // namespace burrowly::bench
