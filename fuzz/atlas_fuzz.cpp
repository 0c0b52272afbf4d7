// An atlas document: parsing never fails unsafely; a document that parses with an "M"
// size builds its runtime atlas at every size.
#include <cstdint>
#include <string_view>

#include "assets/atlas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  burrowly::AtlasParse parsed = burrowly::parse_atlas(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!parsed.root || !parsed.root->sizes.count("M")) return 0;
  for (std::string_view key : {"S", "M", "L"}) burrowly::build_size_atlas(*parsed.root, key);
  return 0;
}
