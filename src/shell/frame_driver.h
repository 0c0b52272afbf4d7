#pragma once
// One frame tick as both desktop shells run it: apply the queued messages, advance the
// pet, and redraw and push the overlays that need it. The overlays are the shell's own
// window type; each offers pixmap(), show(), push(changed, reassert_topmost),
// reassert_topmost() and clear_and_hide().

#include <optional>
#include <utility>
#include <vector>

#include "engine/desktop_sense.h"
#include "engine/input_snapshot.h"
#include "engine/monitor_info.h"
#include "engine/pet_engine.h"
#include "render/font.h"
#include "render/snapshot_renderer.h"
#include "shell/frame_plan.h"
#include "shell/monitor_layout.h"

namespace burrowly {

// Hands each message to the engine; any but a profile switch asks for a redraw.
// True when one switched the profile (the tray tooltip then changes).
bool apply_signals(PetEngine& engine, const std::vector<SignalMsg>& messages);

// What a frame draws with, besides the overlays.
struct FrameScene {
  PetEngine& engine;
  const std::vector<MonitorInfo>& monitors;
  const DesktopSense& desktop;
  const FigureArtLookup& art;
  const Font& font;
  // The art of the frames on screen, held until a redraw no longer shows it, so an
  // animal's sheet stays decoded while shown and is let go once it is not.
  HeldArt& shown_art;
};

// Advances the pet by dt. When it neither needs a redraw nor changed monitor, only the
// pet's overlay may be re-asserted topmost; otherwise each overlay is drawn and pushed
// (its changed rectangle only) or cleared and hidden, as the frame plan says.
template <class Overlay>
void step_frame(const FrameScene& scene, std::vector<Overlay>& overlays, const InputSnapshot& input, double dt,
                double& topmost_accumulator) {
  PetEngine& engine = scene.engine;
  const std::size_t monitor_before = engine.monitor_index();
  engine.tick(float(dt), input, scene.desktop);
  const std::size_t pet_monitor = engine.monitor_index();
  const Config& config = engine.config();
  const FrameState frame{.pet_monitor = pet_monitor,
                         .pet_hidden = config.pet_hidden,
                         .notch_mode = config.position == Position::top && config.top_notch,
                         .topmost_due = topmost_due(topmost_accumulator, dt)};
  if (pet_monitor == monitor_before && !engine.needs_redraw()) {
    if (reassert_only(scene.monitors, overlays.size(), frame)) overlays[pet_monitor].reassert_topmost();
    return;
  }
  const std::vector<OverlayAction> plan = plan_overlays(scene.monitors, overlays.size(), frame);
  HeldArt drawn_art;
  for (std::size_t i = 0; i < plan.size(); ++i) {
    Overlay& overlay = overlays[i];
    if (plan[i] == OverlayAction::clear) {
      overlay.clear_and_hide();
      continue;
    }
    overlay.show();
    const IntRect changed =
        render_snapshot(overlay.pixmap(), engine.draw_snapshot(i), scene.art, scene.font, &drawn_art);
    overlay.push(changed, plan[i] == OverlayAction::draw_and_reassert);
  }
  scene.shown_art = std::move(drawn_art);
  engine.clear_redraw();
}

// Marks the monitors the foreground window fills and tells the engine when that changed.
void update_blocked_monitors(PetEngine& engine, std::vector<MonitorInfo>& monitors,
                             const std::optional<ForegroundWindow>& foreground);

}  // namespace burrowly
