#pragma once
// Turns centre lines into the outline of their stroke (butt caps, miter joins that
// fall back to bevels beyond the miter limit), to be filled non-zero.

#include <vector>

#include "render/coverage_raster.h"

namespace burrowly {

std::vector<Contour> stroke_outline(const std::vector<Contour>& centre_lines, float half_width, float miter_limit);

}  // namespace burrowly
