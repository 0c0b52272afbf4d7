#pragma once
// Named binary blobs linked into the executable (the art set), looked up by name.
//
// The art generator writes an assembly file whose table follows BlobRecord's layout:
// for each blob a pointer to its name, the name's length, a pointer to the bytes and
// their count, under the symbols burrowly_art_blob_table and burrowly_art_blob_count.
// Names: "atlas/<species>.json", "sheet/<species>.png", "sheet/cat-<coat>.png",
// "face/<species>.png" and "icon.png".

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace burrowly {

using Bytes = std::span<const std::uint8_t>;

struct BlobRecord {
  const char* name;
  std::uint64_t name_size;
  const std::uint8_t* data;
  std::uint64_t size;
};

class BlobRegistry {
 public:
  struct Entry {
    std::string_view name;
    Bytes bytes;
  };

  explicit BlobRegistry(std::vector<Entry> entries);

  std::optional<Bytes> find(std::string_view name) const;
  std::size_t size() const { return entries_.size(); }

 private:
  std::vector<Entry> entries_;  // sorted by name
};

// The blobs linked into this executable.
const BlobRegistry& embedded_blobs();

// The embedded fallback font (DejaVu Sans).
Bytes embedded_font();

}  // namespace burrowly
