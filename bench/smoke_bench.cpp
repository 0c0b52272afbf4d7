// The smoke test's work: every species at every size parsed, decoded and checked,
// every face decoded, and one sitting frame of each rendered.
#include <benchmark/benchmark.h>

#include "assets/catalogue.h"
#include "cli/smoke_art_checks.h"
#include "render/snapshot_renderer.h"

namespace burrowly::bench {
namespace {

void render_one_sitting(AssetStore& store, Pixmap& pixmap, const Font& font, std::string_view species,
                        std::string_view size) {
  PetAssets pet = store.pet_assets(species, size, "ginger");
  const SpriteSheet& sheet = *pet.sheet;
  FigureArt art{pet.atlas.get(), {sheet.pixels.data(), sheet.width, sheet.height},
                {sheet.plain_pixels.data(), sheet.width, sheet.height}};
  DrawSnapshot snapshot;
  snapshot.habitat.width = std::int32_t(pixmap.width());
  snapshot.habitat.height = std::int32_t(pixmap.height());
  snapshot.habitat.ground_y = float(pixmap.height()) - 20;
  snapshot.size = std::string(size);
  FigureSnapshot figure;
  figure.species = std::string(species);
  figure.clip = "sit";
  figure.x = float(pixmap.width()) / 2;
  snapshot.figures.push_back(figure);
  render_snapshot(pixmap, snapshot, [&](const std::string&, const std::string&, const std::string&) {
    return std::optional<FigureArt>(art);
  }, font);
}

void BM_smoke_all_animals(benchmark::State& state) {
  const Font font = load_ui_font();
  Pixmap pixmap = *Pixmap::create(240, 200);
  for (auto _ : state) {
    AssetStore store;
    check_all_pet_art(store);
    for (std::string_view species : species_list())
      for (std::string_view size : {"S", "M", "L"}) render_one_sitting(store, pixmap, font, species, size);
    benchmark::DoNotOptimize(pixmap.data());
  }
}
BENCHMARK(BM_smoke_all_animals)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace burrowly::bench
