#pragma once
// Tails, shared by the furry rigs: drawn from the body's rear point pointing back.

#include "drawing.h"
#include "recipe.h"

namespace art {

// (x, y) local root; `swing` degrees (positive raises the tail).
void draw_tail(Drawing& d, const Species& s, float x, float y, float swing);

}  // namespace art
