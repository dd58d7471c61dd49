#pragma once
// Small statistical helpers of the model: the standard normal distribution
// function and its inverse, the partial expectation of a linear payment over
// a truncated normal distribution, the somatic cell score, and the larger and
// smaller of two reals. They keep no state and read no model variables.
//
// Their numeric recipes (bounds, step counts, constants, and which operations
// run in single or double precision) are part of the model's results and must
// not be "improved".

namespace zelvan {

// Standard normal distribution function Phi(x), in double precision.
// A NaN argument gives NaN.
double normdis(double x);

// Inverse of normdis by a bracketing search that starts on [-5, 5] and runs
// exactly 200 steps; p outside (Phi(-5), Phi(5)) is still found because the
// bracket widens towards it.
double probit(double p);

// Integral of a + b*(y - x0) over y in [lo, hi] under y ~ N(mean, sd^2),
// with the bounds first clamped to mean -/+ 4 sd. Not divided by the
// probability of the interval. A coefficient of magnitude 1e-6 or less
// contributes nothing.
float linregm(float mean, float sd, float lo, float hi, float a, float b, float x0);

// Somatic cell score of a somatic cell count x (cells per ml):
// 100000 cells/ml is score 3, each doubling adds 1.
float scs(float x);

// The larger / smaller of u and v. On a tie, or when either is NaN, u.
float maxi(float u, float v);
float mini(float u, float v);

}  // namespace zelvan
