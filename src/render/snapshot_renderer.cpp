#include "render/snapshot_renderer.h"

#include "assets/catalogue.h"
#include "render/composer.h"

namespace burrowly {

IntRect render_snapshot(Pixmap& pixmap, const DrawSnapshot& s, const FigureArtLookup& art, const Font& font,
                        HeldArt* drawn_art) {
  const float u = s.display_scale;
  const float ground = s.habitat.ground_y;

  std::vector<PetRenderInput> figures;
  HeldArt owners;  // the figures' art, alive until drawn
  for (const FigureSnapshot& fig : s.figures) {
    std::optional<FigureArt> a = art ? art(fig.species, s.size, fig.coat) : std::nullopt;
    if (!a || !a->atlas) continue;
    owners.push_back(a->owner);
    const std::vector<FrameRaw>* frames = clip_or_sit(*a->atlas, fig.clip);
    if (!frames) continue;
    const FrameRaw* frame = &(*frames)[fig.frame % frames->size()];
    PetRenderInput in;
    in.pixels = a->pixels;
    in.plain_pixels = a->plain_pixels;
    in.atlas = a->atlas;
    in.display_scale = u;
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
    in.hat_size = hat_size(fig.species);
    figures.push_back(std::move(in));
  }

  EffectsDraw effects;
  effects.ground_y = ground;
  effects.language = s.language;
  // The notch island hangs 40 ui down from the screen's top, above the lane. It belongs
  // to the primary monitor's lane and is drawn there wherever the pet is.
  if (s.habitat.top_mode && s.habitat.notch)
    effects.panel = PanelDraw{s.habitat.notch_left, -10 * u, s.habitat.notch_right - s.habitat.notch_left, 50 * u};
  effects.toy = s.toy;
  effects.particles = s.particles;

  std::optional<BubbleDraw> bubble;
  if (s.speech && !figures.empty()) {
    // The bubble rises with the pet, so a jump never carries the pet into it.
    const float feet = ground - figures.front().lift;
    const BubblePlacement placement{std::int32_t(pixmap.width()), std::int32_t(pixmap.height()), feet,
                                    !s.habitat.top_mode, std::nullopt};
    bubble = BubbleDraw{{s.speech->text, s.speech->style, s.speech->opacity}, placement};
  }
  render_pet(pixmap, figures, bubble, effects, font, u);
  if (drawn_art) drawn_art->insert(drawn_art->end(), owners.begin(), owners.end());
  return pixmap.changed_since_frame_start();
}

}  // namespace burrowly
