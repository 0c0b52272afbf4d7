#pragma once
// The whole art set: atlases, sheets, faces and the icon, written into a folder with
// the assembly file that embeds them.

#include <string>
#include <vector>

#include "image.h"

namespace art {

struct Blob {
  std::string name;  // registry name, e.g. "atlas/corgi.json"
  std::string file;  // file name inside the output folder
  std::vector<std::uint8_t> bytes;
};

std::vector<Blob> generate_blobs();
Image tray_icon();

// The assembly source that .incbin's every blob from `dir` and defines the table.
std::string blob_assembly(const std::vector<Blob>& blobs, const std::string& dir);

// Writes the blobs and art_blobs.S into `dir` (created if missing).
void generate_into(const std::string& dir);

}  // namespace art
