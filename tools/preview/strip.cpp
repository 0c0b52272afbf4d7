#include "strip.h"

#include <algorithm>
#include <png.h>

#include <array>
#include <cmath>
#include <cstdio>

namespace burrowly::preview {
namespace {

// 3x5 digits for the time labels.
constexpr std::array<std::uint16_t, 11> kDigits{0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9, 0x79CF,
                                                0x79EF, 0x7249, 0x7BEF, 0x7BCF, 0x0002};

void draw_label(Pixmap& sheet, int x, int y, float seconds) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2f", seconds);
  for (const char* c = text; *c; ++c, x += 8) {
    const int glyph = *c == '.' ? 10 : *c - '0';
    if (glyph < 0 || glyph > 10) continue;
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < 3; ++col)
        if (kDigits[glyph] >> (14 - (row * 3 + col)) & 1)
          for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx) {
              std::uint8_t* p = sheet.data() + ((std::size_t(y + row * 2 + dy) * sheet.width()) + x + col * 2 + dx) * 4;
              p[0] = p[1] = p[2] = 20;
              p[3] = 255;
            }
  }
}

// Premultiplied to straight alpha, as PNG stores it.
void unpremultiply(Pixmap& pixmap) {
  for (std::size_t i = 0; i < pixmap.byte_size(); i += 4) {
    std::uint8_t* p = pixmap.data() + i;
    if (p[3] == 0 || p[3] == 255) continue;
    for (int k = 0; k < 3; ++k) p[k] = static_cast<std::uint8_t>(std::min(255, (p[k] * 255 + p[3] / 2) / p[3]));
  }
}

}  // namespace

bool write_strip(const std::string& path, const std::vector<StripFrame>& frames, bool bare) {
  if (frames.empty()) return false;
  const std::uint32_t fw = frames[0].pixmap.width(), fh = frames[0].pixmap.height();
  const std::uint32_t label = bare ? 0 : 16;
  // Rows of frames no wider than a screen, so a wide crop stays easy to look at.
  const std::size_t columns = std::clamp<std::size_t>(1920 / fw, 1, frames.size());
  const std::size_t rows = (frames.size() + columns - 1) / columns;
  auto sheet = Pixmap::create(fw * columns, (fh + label) * rows);
  if (!sheet) return false;
  sheet->fill(bare ? 0 : pack_rgba(236, 238, 242, 255));
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const Pixmap& src = frames[i].pixmap;
    const std::size_t left = (i % columns) * fw, top = (i / columns) * (fh + label);
    for (std::uint32_t y = 0; y < fh; ++y)
      for (std::uint32_t x = 0; x < fw; ++x) {
        const std::uint8_t* s = src.data() + (std::size_t(y) * fw + x) * 4;
        std::uint8_t* d = sheet->data() + ((top + y) * sheet->width() + left + x) * 4;
        for (int k = 0; k < 4; ++k) d[k] = static_cast<std::uint8_t>(s[k] + d[k] * (255 - s[3]) / 255);
      }
    if (!bare) draw_label(*sheet, static_cast<int>(left + 4), static_cast<int>(top + fh + 3), frames[i].time);
  }
  unpremultiply(*sheet);

  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, sheet->width(), sheet->height(), 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (std::uint32_t y = 0; y < sheet->height(); ++y)
    png_write_row(png, sheet->data() + std::size_t(y) * sheet->width() * 4);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

}  // namespace burrowly::preview
