#pragma once
// A small effect floating near the pet: a glyph or one of the drawn effect codes.

#include <cstdint>

namespace burrowly {

// Kinds from first_code on are drawn effects; anything below is a glyph. glyph_code
// lies past the Unicode range but is still drawn as text.
namespace effect {
inline constexpr std::uint32_t first_code = 0x110000;
inline constexpr std::uint32_t sleep_z = 0x110000;
inline constexpr std::uint32_t heart = 0x110001;
inline constexpr std::uint32_t purr_puff = 0x110002;
inline constexpr std::uint32_t sparkle = 0x110003;
inline constexpr std::uint32_t glyph_code = 0x110004;
inline constexpr std::uint32_t sweat_drop = 0x110005;
inline constexpr std::uint32_t plug_flash = 0x110006;
inline constexpr std::uint32_t note = 0x266A;
inline constexpr std::uint32_t notes = 0x266B;
}  // namespace effect

struct Particle {
  std::uint32_t kind = 0;
  float x = 0, y = 0;  // start, window pixels
  float drift = 0;     // horizontal travel over the whole life, ui units
  float age = 0, life = 1;  // seconds

  bool operator==(const Particle&) const = default;
};

}  // namespace burrowly
