#pragma once
// Writes small uncompressed PNG files in memory, so decoding tests can build images
// of any colour type without committed binaries.

#include <cstdint>
#include <string>
#include <vector>

namespace burrowly::test {

struct PngSpec {
  std::uint32_t width = 0, height = 0;
  std::uint8_t bit_depth = 8;
  std::uint8_t color_type = 6;            // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
  std::vector<std::uint8_t> rows{};       // packed scanlines, without filter bytes unless `filtered`
  std::vector<std::uint8_t> palette{};    // RGB triples (colour type 3)
  std::vector<std::uint8_t> transparency{};  // tRNS alpha entries (colour type 3)
  bool filtered = false;                   // each row begins with its own filter byte
};

inline std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0xFFFFFFFFu) {
  for (std::size_t k = 0; k < size; ++k) {
    crc ^= data[k];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return crc;
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

inline void chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& body) {
  put32(out, static_cast<std::uint32_t>(body.size()));
  std::vector<std::uint8_t> typed(type, type + 4);
  typed.insert(typed.end(), body.begin(), body.end());
  out.insert(out.end(), typed.begin(), typed.end());
  put32(out, crc32(typed.data(), typed.size()) ^ 0xFFFFFFFFu);
}

inline std::vector<std::uint8_t> make_png(const PngSpec& spec) {
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  put32(header, spec.width);
  put32(header, spec.height);
  header.insert(header.end(), {spec.bit_depth, spec.color_type, 0, 0, 0});
  chunk(out, "IHDR", header);
  if (!spec.palette.empty()) chunk(out, "PLTE", spec.palette);
  if (!spec.transparency.empty()) chunk(out, "tRNS", spec.transparency);

  // Scanlines (with filter byte 0 unless they carry their own), in one stored
  // (uncompressed) deflate block.
  std::vector<std::uint8_t> raw;
  std::size_t row_bytes = spec.height ? spec.rows.size() / spec.height : 0;
  for (std::uint32_t y = 0; y < spec.height; ++y) {
    if (!spec.filtered) raw.push_back(0);
    raw.insert(raw.end(), spec.rows.begin() + y * row_bytes, spec.rows.begin() + (y + 1) * row_bytes);
  }
  std::vector<std::uint8_t> z = {0x78, 0x01, 0x01};
  auto len = static_cast<std::uint16_t>(raw.size());
  z.insert(z.end(), {std::uint8_t(len), std::uint8_t(len >> 8), std::uint8_t(~len), std::uint8_t(~len >> 8)});
  z.insert(z.end(), raw.begin(), raw.end());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  put32(z, (b << 16) | a);
  chunk(out, "IDAT", z);
  chunk(out, "IEND", {});
  return out;
}

}  // namespace burrowly::test
