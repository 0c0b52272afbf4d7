#include "render/store_art.h"

namespace burrowly {

FigureArtLookup store_art_lookup(AssetStore& store) {
  return [&store](const std::string& species, const std::string& size, const std::string& coat) -> std::optional<FigureArt> {
    auto assets = std::make_shared<const PetAssets>(store.pet_assets(species, size, coat));
    if (!assets->atlas || !assets->sheet) return std::nullopt;
    const SpriteSheet& sheet = *assets->sheet;
    return FigureArt{assets->atlas.get(),
                     {sheet.indices.data(), sheet.width, sheet.height, sheet.palette.data()},
                     {sheet.indices.data(), sheet.width, sheet.height, sheet.plain_palette.data()},
                     assets};
  };
}

}  // namespace burrowly
