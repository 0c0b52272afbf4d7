#pragma once
// Breaking a bubble's text into the lines that fit its width.

#include <string>
#include <string_view>
#include <vector>

#include "render/font.h"

namespace burrowly {

// Greedy word wrap at spaces into lines no wider than max_width at `size`; a word
// wider than a line is broken between characters. Past max_lines the last line ends
// with "…". Never more than max_lines lines, each within max_width.
std::vector<std::string> wrap_bubble_text(const Font& font, std::string_view utf8, float size, float max_width,
                                          std::size_t max_lines);

}  // namespace burrowly
