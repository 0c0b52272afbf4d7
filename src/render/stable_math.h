#pragma once
// Sine and cosine from plain arithmetic, so that every build (whatever its maths
// library) turns the same angle into the same bits and draws the same pixels.

namespace burrowly {

struct SinCos {
  double sin = 0, cos = 1;
};

SinCos stable_sin_cos(double radians);

}  // namespace burrowly
