#include "image.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>

namespace art {

void Image::blit(const std::uint8_t* src, int w, int h, int x, int y, int scale) {
  for (int v = 0; v < h * scale; ++v)
    for (int u = 0; u < w * scale; ++u) {
      const std::uint8_t* p = src + (std::size_t(v / scale) * w + u / scale) * 4;
      const int tx = x + u, ty = y + v;
      if (p[3] == 0 || tx < 0 || ty < 0 || tx >= width || ty >= height) continue;
      std::memcpy(at(tx, ty), p, 4);
    }
}

namespace {

void append_bytes(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

struct Writer {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  ~Writer() { png_destroy_write_struct(&png, &info); }
};

std::vector<std::uint8_t> encode(const Image& image, int color_type, const std::vector<std::uint8_t>& rows,
                                 int channels, const std::vector<png_color>* palette,
                                 const std::vector<png_byte>* alpha) {
  std::vector<std::uint8_t> out;
  Writer w;
  if (setjmp(png_jmpbuf(w.png))) throw std::runtime_error("png encoding failed");
  png_set_write_fn(w.png, &out, append_bytes, nullptr);
  png_set_compression_level(w.png, 9);
  png_set_IHDR(w.png, w.info, image.width, image.height, 8, color_type, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (palette) {
    png_set_PLTE(w.png, w.info, palette->data(), int(palette->size()));
    png_set_tRNS(w.png, w.info, alpha->data(), int(alpha->size()), nullptr);
  }
  png_write_info(w.png, w.info);
  for (int y = 0; y < image.height; ++y)
    png_write_row(w.png, rows.data() + std::size_t(y) * image.width * channels);
  png_write_end(w.png, nullptr);
  return out;
}

}  // namespace

std::vector<std::uint8_t> encode_rgba_png(const Image& image) {
  return encode(image, PNG_COLOR_TYPE_RGB_ALPHA, image.rgba, 4, nullptr, nullptr);
}

std::vector<std::uint8_t> encode_palette_png(const Image& image) {
  // Index 0 is transparent; other colours in order of first appearance.
  std::map<std::uint32_t, int> index{{0, 0}};
  std::vector<png_color> palette{{0, 0, 0}};
  std::vector<png_byte> alpha{0};
  std::vector<std::uint8_t> rows(std::size_t(image.width) * image.height);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::uint8_t* p = image.rgba.data() + i * 4;
    std::uint32_t key = p[3] == 0 ? 0 : std::uint32_t(p[0]) | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
    auto [it, inserted] = index.emplace(key, int(palette.size()));
    if (inserted) {
      if (palette.size() == 256) return {};
      palette.push_back({p[0], p[1], p[2]});
      alpha.push_back(p[3]);
    }
    rows[i] = std::uint8_t(it->second);
  }
  palette.resize(256, png_color{0, 0, 0});
  alpha.resize(256, 255);
  return encode(image, PNG_COLOR_TYPE_PALETTE, rows, 1, &palette, &alpha);
}

void write_file(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0 || !ok) throw std::runtime_error("cannot write " + path);
}

}  // namespace art
