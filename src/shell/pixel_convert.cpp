#include "shell/pixel_convert.h"

namespace burrowly {

void rgba_to_bgra(const std::uint8_t* rgba, std::uint8_t* bgra, std::size_t pixels) {
  for (std::size_t i = 0; i < pixels; ++i, rgba += 4, bgra += 4) {
    bgra[0] = rgba[2];
    bgra[1] = rgba[1];
    bgra[2] = rgba[0];
    bgra[3] = rgba[3];
  }
}

}  // namespace burrowly
