#pragma once
// Draws one engine draw snapshot (one monitor's overlay) into a pixmap.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "assets/atlas.h"
#include "render/draw_snapshot.h"
#include "render/canvas.h"
#include "render/font.h"

namespace burrowly {

// The art of one figure: its size atlas and its sheet, with and without outline.
// The pointed-to data must outlive the render call, unless `owner` holds it.
struct FigureArt {
  const SizeAtlas* atlas = nullptr;
  ImageView pixels;
  ImageView plain_pixels;
  std::shared_ptr<const void> owner;  // when set, keeps the views' data alive while drawn
};

// Looks up the art for (species, size, coat); nothing skips the figure.
using FigureArtLookup =
    std::function<std::optional<FigureArt>(const std::string& species, const std::string& size, const std::string& coat)>;

// The owners of the art a frame was drawn with, for a caller that keeps it while shown.
using HeldArt = std::vector<std::shared_ptr<const void>>;

// Clears the pixmap and draws the snapshot: props, figures with blink and outfit,
// toy, particles, and the speech bubble of the first figure (above it, or below it
// on the top-edge lane), all at the snapshot's display scale. Returns the rectangle
// outside which no pixel changed since the last frame: empty when the frame looks
// exactly like the one before, so it need not be shown again. The owners of the art
// drawn are added to `drawn_art` when given.
IntRect render_snapshot(Pixmap& pixmap, const DrawSnapshot& snapshot, const FigureArtLookup& art,
                        const Font& font, HeldArt* drawn_art = nullptr);

}  // namespace burrowly
