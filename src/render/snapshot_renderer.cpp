#include "render/snapshot_renderer.h"

#include "render/composer.h"

namespace burrowly {

namespace {

// The clip's frame (the "sit" frames stand in for a missing clip); nothing when the
// atlas has neither.
const FrameRaw* frame_of(const SizeAtlas& atlas, const std::string& clip, std::uint64_t index) {
  auto it = atlas.clips.find(clip);
  if (it == atlas.clips.end() || it->second.empty()) it = atlas.clips.find("sit");
  if (it == atlas.clips.end() || it->second.empty()) return nullptr;
  return &it->second[index % it->second.size()];
}

}  // namespace

IntRect render_snapshot(Pixmap& pixmap, const DrawSnapshot& s, const FigureArtLookup& art, const Font& font) {
  const IntRect before = pixmap.drawn_bounds();
  const float u = s.display_scale;
  const float ground = s.habitat.ground_y;

  std::vector<PetRenderInput> figures;
  for (const FigureSnapshot& fig : s.figures) {
    std::optional<FigureArt> a = art ? art(fig.species, s.size, fig.coat) : std::nullopt;
    if (!a || !a->atlas) continue;
    const FrameRaw* frame = frame_of(*a->atlas, fig.clip, fig.frame);
    if (!frame) continue;
    PetRenderInput in;
    in.pixels = a->pixels;
    in.plain_pixels = a->plain_pixels;
    in.atlas = a->atlas;
    in.frame = *frame;
    in.x = fig.x;
    in.y = ground + fig.bob;
    in.lift = fig.lift;
    in.facing = fig.facing;
    in.angle = fig.rotation;
    in.stretch_x = fig.scale_x;
    in.stretch_y = fig.scale_y;
    in.blink = fig.blink;
    in.opacity = fig.opacity;
    in.outfit = fig.outfit;
    figures.push_back(std::move(in));
  }

  EffectsDraw effects;
  effects.ground_y = ground;
  effects.language = s.language;
  if (s.habitat.top_mode && s.habitat.notch && !s.figures.empty())
    effects.panel = PanelDraw{s.habitat.notch_left, -10 * u, s.habitat.notch_right - s.habitat.notch_left,
                              ground + 10 * u + 4 * u};
  effects.toy = s.toy;
  effects.particles = s.particles;

  std::optional<BubbleDraw> bubble;
  if (s.speech && !figures.empty()) {
    // The bubble rises with the pet, so a jump never carries the pet into it.
    const float feet = ground - figures.front().lift;
    bubble = BubbleDraw{{s.speech->text, s.speech->style, s.speech->opacity},
                        {std::int32_t(pixmap.width()), std::int32_t(pixmap.height()), feet, !s.habitat.top_mode}};
  }
  render_pet(pixmap, figures, bubble, effects, font, u);
  return united(before, pixmap.drawn_bounds());
}

}  // namespace burrowly
