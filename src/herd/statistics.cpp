#include "herd/statistics.h"

#include <cmath>

namespace zelvan {

double normdis(double x) {
  // Two mirror-image forms of 0.5 (1 + erf(x / sqrt 2)). The results of the
  // model were produced with exactly these forms, so both are kept as they
  // are; they differ from each other in the last bit for some x.
  if (x <= 0.0) {
    return 0.5 + std::erf(x / -1.4142135623730951) / -2.0;
  }
  // x > 0, or NaN (then erf gives NaN as well).
  return 0.5 + std::erf(x / 1.4142135623730951) / 2.0;
}

double probit(double p) {
  double lo = -5.0;
  double hi = 5.0;
  // A fixed number of steps, no early exit: the bracket ends about 7e-9 wide
  // for any p inside (Phi(-5), Phi(5)).
  for (int step = 1; step <= 200; ++step) {
    // Both distribution values belong to the bracket at the start of the step.
    const double flo = normdis(lo);
    const double fhi = normdis(hi);
    // p above the bracket: widen the upper side by half the width.
    if (p > fhi) {
      hi = hi + (hi - lo) / 2.0;
    }
    // p below the bracket: widen the lower side by half the (possibly
    // already widened) width.
    if (flo > p) {
      lo = lo + (hi - lo) / -2.0;
    }
    // The bound whose distribution value lies farther from p moves a tenth
    // of the current bracket towards the other bound.
    if ((fhi - p) > (p - flo)) {
      hi = hi + (hi - lo) / -10.0;
    } else {
      lo = lo + (hi - lo) / 10.0;
    }
  }
  return (lo + hi) / 2.0;
}

float linregm(float mean, float sd, float lo, float hi, float a, float b, float x0) {
  // Beyond four standard deviations the distribution carries no weight worth
  // integrating; the clamped bounds are the integration bounds.
  if (hi > mean + 4.0f * sd) {
    hi = mean + 4.0f * sd;
  }
  if (mean - 4.0f * sd > lo) {
    lo = mean - 4.0f * sd;
  }
  const float zlo = (lo - mean) / sd;
  const float zhi = (hi - mean) / sd;
  const double flo = normdis(zlo);
  const double fhi = normdis(zhi);

  double result = 0.0;
  if (std::fabs(b) > 1e-6) {
    // Midpoint rule with 500 equal strips: the probability of each strip
    // times the value of (y - x0) at the middle of the strip.
    const float step = (hi - lo) / 500;
    const float offset = lo - x0;
    // A strip's lower bound is the upper bound of the strip before it, so
    // each bound's distribution value is computed once.
    double below = normdis((static_cast<double>(lo) - mean) / sd);
    for (int m = 1; m <= 500; ++m) {
      const double upper = (static_cast<double>(lo) + m * static_cast<double>(step) - mean) / sd;
      const double above = normdis(upper);
      // The strip width times its odd number is a single-precision product.
      const double mid = static_cast<float>((2 * m - 1) * step) / 2.0 + offset;
      result = result + b * (above - below) * mid;
      below = above;
    }
  }
  if (std::fabs(a) > 1e-6) {
    // The constant part of the payment times the probability of the interval.
    result = result + a * (fhi - flo);
  }
  return static_cast<float>(result);
}

float scs(float x) {
  // The ratio to the reference count of 100000 cells/ml is formed in single
  // precision; the base-2 logarithm is taken in double precision.
  const float ratio = x / 100000.0f;
  return static_cast<float>(3.0 + std::log(static_cast<double>(ratio)) / 0.69314718);
}

float maxi(float u, float v) {
  return (v > u) ? v : u;
}

float mini(float u, float v) {
  return (u > v) ? v : u;
}

}  // namespace zelvan
