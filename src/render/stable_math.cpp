#include "render/stable_math.h"

#include <cmath>

namespace burrowly {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfPi = kPi / 2;

// Taylor series on [-pi/4, pi/4]; enough terms for full double precision there.
double sin_near_zero(double x) {
  double x2 = x * x;
  double term = x, sum = x;
  for (int n = 1; n <= 11; ++n) {
    term *= -x2 / double((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}

double cos_near_zero(double x) {
  double x2 = x * x;
  double term = 1, sum = 1;
  for (int n = 1; n <= 11; ++n) {
    term *= -x2 / double((2 * n - 1) * (2 * n));
    sum += term;
  }
  return sum;
}

}  // namespace

SinCos stable_sin_cos(double radians) {
  if (!std::isfinite(radians) || std::fabs(radians) > 1e9) return {0, 1};
  double quarter = std::nearbyint(radians / kHalfPi);
  double r = radians - quarter * kHalfPi;
  double s = sin_near_zero(r), c = cos_near_zero(r);
  long q = long(quarter) & 3;
  switch (q) {
    case 0: return {s, c};
    case 1: return {c, -s};
    case 2: return {-s, -c};
    default: return {-c, s};
  }
}

}  // namespace burrowly
