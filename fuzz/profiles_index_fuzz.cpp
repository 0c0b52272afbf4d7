// The profiles index file: reading never fails unsafely, and an index that reads is
// written as text that reads again to the same index.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/profile_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::optional<burrowly::ProfileIndex> index =
      burrowly::read_profile_index(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!index) return 0;
  std::optional<burrowly::ProfileIndex> again = burrowly::read_profile_index(burrowly::profile_index_text(*index));
  if (!again || !(*again == *index)) std::abort();
  return 0;
}
