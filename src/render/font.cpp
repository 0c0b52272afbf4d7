#include "render/font.h"

#include <atomic>

#include "assets/blob_registry.h"
#include "text/utf8.h"

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb/stb_truetype.h>

namespace burrowly {

struct Font::Face {
  std::vector<std::uint8_t> bytes;
  stbtt_fontinfo info{};
};

Font::Font() = default;

std::optional<Font> Font::parse(std::vector<std::uint8_t> bytes) {
  if (bytes.size() < 12) return std::nullopt;
  auto face = std::make_shared<Face>();
  face->bytes = std::move(bytes);
  int offset = stbtt_GetFontOffsetForIndex(face->bytes.data(), 0);
  if (offset < 0 || std::size_t(offset) >= face->bytes.size()) return std::nullopt;
  if (!stbtt_InitFont(&face->info, face->bytes.data(), offset)) return std::nullopt;
  static std::atomic<std::uint64_t> parsed{0};
  Font font;
  font.face_ = std::move(face);
  font.id_ = ++parsed;
  return font;
}

float Font::text_width(std::string_view utf8, float size) const {
  if (!face_ || !(size > 0)) return 0;
  float scale = stbtt_ScaleForMappingEmToPixels(&face_->info, size);
  float width = 0;
  for (char32_t c : decode_utf8(utf8)) {
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(&face_->info, stbtt_FindGlyphIndex(&face_->info, int(c)), &advance, &bearing);
    width += advance * scale;
  }
  return width;
}

void Font::draw_text(Pixmap& pixmap, std::string_view utf8, float x, float baseline, float size,
                     std::uint32_t color) const {
  if (!face_ || !(size > 0) || (color >> 24) == 0) return;
  float scale = stbtt_ScaleForMappingEmToPixels(&face_->info, size);
  float pen = x;
  for (char32_t c : decode_utf8(utf8)) {
    int glyph = stbtt_FindGlyphIndex(&face_->info, int(c));
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(&face_->info, glyph, &advance, &bearing);
    stbtt_vertex* vertices = nullptr;
    int count = stbtt_GetGlyphShape(&face_->info, glyph, &vertices);
    Path outline;
    for (int i = 0; i < count; ++i) {
      const stbtt_vertex& v = vertices[i];
      switch (v.type) {
        case STBTT_vmove: outline.close().move_to(v.x, v.y); break;
        case STBTT_vline: outline.line_to(v.x, v.y); break;
        case STBTT_vcurve: outline.quad_to(v.cx, v.cy, v.x, v.y); break;
        case STBTT_vcubic: outline.cubic_to(v.cx, v.cy, v.cx1, v.cy1, v.x, v.y); break;
        default: break;
      }
    }
    stbtt_FreeShape(&face_->info, vertices);
    // Font units have y up; the pixmap has y down.
    fill_path(pixmap, outline.close(), color, Transform{scale, 0, 0, -scale, pen, baseline});
    pen += advance * scale;
  }
}

Font ui_font_from(const std::optional<std::string>& system_font) {
  if (system_font)
    if (auto font = Font::parse({system_font->begin(), system_font->end()})) return *font;
  return embedded_ui_font();
}

Font embedded_ui_font() {
  Bytes embedded = embedded_font();
  if (auto font = Font::parse({embedded.begin(), embedded.end()})) return *font;
  return Font();
}

}  // namespace burrowly
