#include "assets/asset_store.h"

#include <algorithm>
#include <string>

#include "assets/catalogue.h"
#include "platform/fatal.h"

namespace burrowly {

AssetStore::AssetStore(const BlobRegistry& blobs) : blobs_(blobs) {}

namespace {

// Enough for the engine's and the renderer's atlases of two animals meeting on screen.
constexpr std::size_t kRecentAtlases = 4;

}  // namespace

std::shared_ptr<const SizeAtlas> AssetStore::atlas_for(std::string_view species, std::string_view size) {
  auto key = std::make_pair(std::string(species), std::string(size));
  std::shared_ptr<const SizeAtlas> atlas;
  if (auto kept = size_atlases_.find(key); kept != size_atlases_.end()) atlas = kept->second.lock();
  if (!atlas) {
    AtlasParse parsed = parse_atlas(atlas_text(species, blobs_));
    if (!parsed.root) fatal(parsed.error);
    atlas = std::make_shared<const SizeAtlas>(build_size_atlas(*parsed.root, size));
    std::erase_if(size_atlases_, [](const auto& kept) { return kept.second.expired(); });
    size_atlases_[std::move(key)] = atlas;
  }
  auto recent = std::find(recent_atlases_.begin(), recent_atlases_.end(), atlas);
  if (recent == recent_atlases_.end()) {
    if (recent_atlases_.size() == kRecentAtlases) recent_atlases_.pop_back();
    recent_atlases_.insert(recent_atlases_.begin(), atlas);
  } else {
    std::rotate(recent_atlases_.begin(), recent, recent + 1);
  }
  return atlas;
}

std::shared_ptr<const SpriteSheet> AssetStore::sheet_for(std::string_view species, std::string_view coat) {
  const bool cat = species == "cat";
  SheetKey key{std::string(species), std::string(kDefaultSize), std::string(cat ? coat : kDefaultCoat)};
  if (auto kept = sheets_.find(key); kept != sheets_.end())
    if (std::shared_ptr<const SpriteSheet> sheet = kept->second.lock()) return last_sheet_ = sheet;
  const Bytes png = sheet_png(species, coat, blobs_);
  const bool outlined = cat && coat == "black";
  // Palette sheets (all the shipped ones) are read as indices: no RGBA copy at all.
  std::optional<SpriteSheet> made;
  if (std::optional<PaletteImage> palette = decode_palette_png(png)) {
    made = make_sprite_sheet(*palette, outlined);
  } else {
    PngDecode decoded = decode_png(png);
    if (!decoded.image) fatal("illustrated pet sheet: " + decoded.error);
    made = make_sprite_sheet(*decoded.image, outlined);
  }
  if (!made) fatal("illustrated pet sheet: more colours than a palette holds");
  std::erase_if(sheets_, [](const auto& kept) { return kept.second.expired(); });
  last_sheet_ = std::make_shared<const SpriteSheet>(std::move(*made));
  sheets_[std::move(key)] = last_sheet_;
  return last_sheet_;
}

ImageSize AssetStore::sheet_size(std::string_view species, std::string_view coat) {
  std::optional<ImageSize> size = png_size(sheet_png(species, coat, blobs_));
  if (!size) fatal("illustrated pet sheet: not a png");
  return *size;
}

PetAssets AssetStore::pet_assets(std::string_view species, std::string_view size, std::string_view coat) {
  auto atlas = atlas_for(species, size);
  return {std::move(atlas), sheet_for(species, coat)};
}

std::shared_ptr<const FacePortrait> AssetStore::face_for(std::string_view species) {
  auto it = faces_.find(species);
  if (it != faces_.end()) return it->second;
  PngDecode decoded = decode_png(face_png(species, blobs_));
  if (!decoded.image) fatal("face png: " + decoded.error);
  const DecodedImage& image = *decoded.image;
  if (image.width == 0 || image.height == 0) fatal("assertion failed: face.width > 0 && face.height > 0");
  auto face = std::make_shared<const FacePortrait>(FacePortrait{premultiplied(image), image.width, image.height});
  faces_.emplace(std::string(species), face);
  return face;
}

}  // namespace burrowly
