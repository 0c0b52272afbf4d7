#pragma once
// The TrueType face used for speech bubbles and text effects. Glyph outlines are
// filled with our own canvas, so text is anti-aliased the same way as shapes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/canvas.h"

namespace burrowly {

class Font {
 public:
  Font();  // an empty font: no width, draws nothing
  // Nothing when the bytes are not a usable TrueType font.
  static std::optional<Font> parse(std::vector<std::uint8_t> bytes);

  // Sum of the advance widths of the text's characters at `size` pixels per em.
  float text_width(std::string_view utf8, float size) const;
  // One line, its left end at x and its baseline at `baseline`; the colour is packed
  // with straight alpha. Characters the font lacks draw as its missing-glyph shape.
  void draw_text(Pixmap& pixmap, std::string_view utf8, float x, float baseline, float size,
                 std::uint32_t color) const;
  // Tells fonts apart for as long as the process runs: 0 for the empty font, and a
  // number of its own for each parsed one (copies share it).
  std::uint64_t id() const { return id_; }

 private:
  struct Face;
  std::shared_ptr<const Face> face_;
  std::uint64_t id_ = 0;
};

// The bubble font: the system font's bytes when they parse, the embedded DejaVu Sans
// otherwise.
Font ui_font_from(const std::optional<std::string>& system_font);

// The embedded DejaVu Sans alone, the same on every machine.
Font embedded_ui_font();

}  // namespace burrowly
