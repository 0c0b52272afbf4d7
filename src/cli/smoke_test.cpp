// "--smoke-test": proves without any window that the embedded art and the renderer
// work here. Every failed check is a fatal error; success is one line.
#include <ostream>

#include "assets/catalogue.h"
#include "cli/actions.h"
#include "cli/smoke_art_checks.h"
#include "config/profile_paths.h"
#include "config/profiles.h"
#include "engine/pet_engine.h"
#include "platform/clock.h"
#include "platform/fatal.h"
#include "platform/system_font.h"
#include "render/store_art.h"

namespace burrowly {
namespace {

constexpr std::uint32_t kCanvasWidth = 1920, kCanvasHeight = 190;
constexpr int kTicksPerPet = 3;
constexpr float kTickSeconds = 0.05f;

bool any_visible_pixel(const Pixmap& canvas) {
  const std::uint8_t* bytes = canvas.data();
  const std::size_t size = std::size_t(canvas.width()) * canvas.height() * 4;
  for (std::size_t alpha = 3; alpha < size; alpha += 4)
    if (bytes[alpha] != 0) return true;
  return false;
}

}  // namespace

int run_smoke_test(CliIo io) {
  const LoadedProfiles loaded = load_profiles();
  AssetStore store;
  check_all_pet_art(store);

  EngineServices services;
  services.atlas = [&store](std::string_view species) { return store.atlas_for(species, kDefaultSize); };
  services.local_time = local_now;
  services.precise_time = precise_filetime;
  // No save service: the pets tried here must not become the profile's pet.
  PetEngine engine = PetEngine::create(loaded.config, {fallback_monitor()}, services);
  const Font font = ui_font_from(read_system_ui_font());
  std::optional<Pixmap> canvas = Pixmap::create(kCanvasWidth, kCanvasHeight);
  if (!canvas) fatal("pixmap");

  const FigureArtLookup art = store_art_lookup(store);
  for (std::string_view species : species_list()) {
    engine.config().pet = species;
    engine.config().pet_hidden = false;
    for (int i = 0; i < kTicksPerPet; ++i) engine.tick(kTickSeconds, InputSnapshot{}, DesktopSense{});
    render_snapshot(*canvas, engine.draw_snapshot(0), art, font);  // clears the canvas first
    if (!any_visible_pixel(*canvas)) fatal(std::string(species) + " rendered empty pixmap");
  }

  io.out << "Burrowly smoke-test OK: " << species_list().size() << " pets, multi-user profiles=" << profiles_dir()
         << ", renderer=burrowly-canvas\n";
  return 0;
}

}  // namespace burrowly
