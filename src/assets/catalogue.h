#pragma once
// The compiled-in pet catalogue: species, coats, sizes, outfits, menu groups, their
// localised names, and the binding of each species to its embedded art.

#include <optional>
#include <span>
#include <string_view>

#include "assets/blob_registry.h"
#include "assets/catalogue_tables.h"
#include "assets/language.h"

namespace burrowly {

inline constexpr std::string_view kDefaultSpecies = "corgi";
inline constexpr std::string_view kDefaultSize = "M";
inline constexpr std::string_view kDefaultCoat = "black";
inline constexpr std::string_view kDefaultOutfit = "season";

// The 37 species keys in canonical order.
std::span<const std::string_view> species_list();
// Position of a key in species_list, or nothing for an unknown key.
std::optional<std::size_t> species_index(std::string_view species);
bool is_species(std::string_view species);

// The species' name; an unknown key gives the corgi's name.
std::string_view display_name(Language lang, std::string_view species);

// How large the species' outfit is drawn, against a cat-sized head; 1 for an unknown key.
float hat_size(std::string_view species);

std::span<const MenuGroup> menu_groups();
bool is_dog(std::string_view species);

std::span<const LabelledKey> coats();
std::span<const LabelledKey> sizes();
std::span<const LabelledKey> outfits();
const Localized& coat_menu_title();
const Localized& size_menu_title();
const Localized& outfit_menu_title();

// Scale factor of a size key: S 59/82, L 107/82, anything else 1.
float size_scale(std::string_view size);

// The outfit to draw on the given local date (month 1-12, day 1-31), or nothing.
std::optional<std::string_view> resolve_outfit(std::string_view outfit, int month, int day);

// Embedded art of a species, with the corgi standing in for unknown keys and the
// black coat for unknown cat coats. Empty when the art set lacks the blob.
std::string_view atlas_text(std::string_view species, const BlobRegistry& blobs = embedded_blobs());
Bytes sheet_png(std::string_view species, std::string_view coat,
                const BlobRegistry& blobs = embedded_blobs());
Bytes face_png(std::string_view species, const BlobRegistry& blobs = embedded_blobs());
// The 48 x 48 tray icon.
Bytes icon_png(const BlobRegistry& blobs = embedded_blobs());

}  // namespace burrowly
