#pragma once
// The store of decoded art: size atlases, sprite sheets and face portraits, each built
// on first request. Portraits are kept for the life of the store. An atlas or a sheet
// is kept while someone holds it, and besides, of the sheets the last one asked for and
// of the atlases the last few: asked for again meanwhile, it is the same record, built
// once; let go, it is freed. Records are shared and immutable. Embedded art that fails
// to parse or decode is a corrupt build and ends the process with a fatal error.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "assets/atlas.h"
#include "assets/blob_registry.h"
#include "assets/sprite_sheet.h"

namespace burrowly {

struct PetAssets {
  std::shared_ptr<const SizeAtlas> atlas;
  std::shared_ptr<const SpriteSheet> sheet;
};

class AssetStore {
 public:
  // The blobs must outlive the store.
  explicit AssetStore(const BlobRegistry& blobs = embedded_blobs());

  std::shared_ptr<const SizeAtlas> atlas_for(std::string_view species, std::string_view size);
  // The coat matters only for the cat; every other species has one sheet.
  std::shared_ptr<const SpriteSheet> sheet_for(std::string_view species, std::string_view coat);
  // The sheet's width and height, read from its PNG header without decoding it.
  ImageSize sheet_size(std::string_view species, std::string_view coat);
  // The atlas (fetched first) and the sheet a pet is drawn with.
  PetAssets pet_assets(std::string_view species, std::string_view size, std::string_view coat);
  std::shared_ptr<const FacePortrait> face_for(std::string_view species);

 private:
  using SheetKey = std::tuple<std::string, std::string, std::string>;  // species, size, coat

  const BlobRegistry& blobs_;
  std::map<std::pair<std::string, std::string>, std::weak_ptr<const SizeAtlas>> size_atlases_;
  std::vector<std::shared_ptr<const SizeAtlas>> recent_atlases_;  // the last asked for first
  std::map<SheetKey, std::weak_ptr<const SpriteSheet>> sheets_;
  std::shared_ptr<const SpriteSheet> last_sheet_;
  std::map<std::string, std::shared_ptr<const FacePortrait>, std::less<>> faces_;
};

}  // namespace burrowly
