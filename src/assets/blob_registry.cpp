#include "assets/blob_registry.h"

#include <algorithm>

extern "C" {
extern const burrowly::BlobRecord burrowly_art_blob_table[];
extern const std::uint64_t burrowly_art_blob_count;
extern const std::uint8_t burrowly_font_start[];
extern const std::uint8_t burrowly_font_end[];
}

namespace burrowly {

BlobRegistry::BlobRegistry(std::vector<Entry> entries) : entries_(std::move(entries)) {
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.name < b.name; });
}

std::optional<Bytes> BlobRegistry::find(std::string_view name) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), name,
                             [](const Entry& e, std::string_view n) { return e.name < n; });
  if (it == entries_.end() || it->name != name) return std::nullopt;
  return it->bytes;
}

const BlobRegistry& embedded_blobs() {
  static const BlobRegistry registry = [] {
    std::vector<BlobRegistry::Entry> entries;
    entries.reserve(burrowly_art_blob_count);
    for (std::uint64_t i = 0; i < burrowly_art_blob_count; ++i) {
      const BlobRecord& r = burrowly_art_blob_table[i];
      entries.push_back({std::string_view(r.name, r.name_size), Bytes(r.data, r.size)});
    }
    return BlobRegistry(std::move(entries));
  }();
  return registry;
}

Bytes embedded_font() {
  return Bytes(burrowly_font_start, static_cast<std::size_t>(burrowly_font_end - burrowly_font_start));
}

}  // namespace burrowly
