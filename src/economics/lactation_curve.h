#pragma once
// Lactation curve of a cow state, shared by the milk yield of the cows and
// the milk lost through diseases, so that both follow the same curve day by
// day: y(t) = a t^b exp(c t) with the level and shape of the lactation group,
// falling by the factor exp((t - s) delta) after conception on day s.
#include <cmath>

#include "run/model.h"

namespace zelvan {

struct LactationCurve {
  float a, b, c;  // level, rise and fall of y(t)
  float delta;    // decline per day after conception (0: none)
  int group;      // lactation group: 0 first, 1 second, 2 third and later
  int lactation;  // lactation of the cow state, 1..LL
};

// Categories up to here belong to lactations 1..9; the fates without a
// decline after conception are listed only that far, and from lactation 10
// on no cow is pregnant in the model.
inline constexpr int kLastListedCow = 78;

// Fate 5 (empty) of lactations 1..9 holds no cows and gets no milk; from
// lactation 10 on the model milks it like the other fates.
inline bool empty_cow_state(int i) { return i >= 29 && i <= 77 && (i - 29) % 6 == 0; }

// Curve of cow category i (25..CC): cows culled right after a difficult
// calving (fate 2) or for conception failure (fate 4) never conceive.
inline LactationCurve cow_curve(const Model& m, int i) {
  const int lactation = (i - 19) / 6;
  LactationCurve k = i <= 30   ? LactationCurve{m.a1, m.b1, m.c1, m.d1, 0, lactation}
                     : i <= 36 ? LactationCurve{m.a2, m.b2, m.c2, m.d2, 1, lactation}
                               : LactationCurve{m.a2, m.b3, m.c3, m.d3, 2, lactation};
  const int fate = (i - 25) % 6 + 1;
  if (i > kLastListedCow || fate == 4 || fate == 2) k.delta = 0;
  return k;
}

// Milk on day t; the exponent c t is formed in single precision like the
// other arguments of the curve, the power and exponential in double.
inline double daily_milk(const LactationCurve& k, float t) {
  return k.a * std::pow(static_cast<double>(t), static_cast<double>(k.b)) * std::exp(static_cast<double>(k.c * t));
}

// Milk of the lactation up to the whole day `last` (and the fraction of day
// e when `fraction` is set) of a cow that conceives on day s, each day
// weighted by weight(index). The index is the one the sum writes: t for day
// t, trunc(x) + 1 at a fractional day x, and for the last fraction u =
// trunc(1 + s) when no whole day follows conception. The day after
// conception is counted both with its share of day s and as a whole day, as
// the model has it (with a whole s the day of conception is counted twice).
template <class Weight>
float lactation_sum(const LactationCurve& k, float s, int last, float e, bool fraction, Weight weight) {
  const int ts = static_cast<int>(s);
  const int u = static_cast<int>(1 + s);
  float sum = 0;
  for (int t = 1; t <= ts; ++t) sum = static_cast<float>(sum + daily_milk(k, static_cast<float>(t)) * weight(t));
  const double ys = daily_milk(k, s);
  sum = static_cast<float>(sum + (s - ts) * ys * weight(ts + 1));
  const float after = static_cast<float>(u) - s;
  sum = static_cast<float>(sum + after * ys * std::exp(static_cast<double>(after * k.delta)) * weight(ts + 1));
  for (int t = u; t <= last; ++t)
    sum = static_cast<float>(sum + daily_milk(k, static_cast<float>(t)) *
                                       std::exp(static_cast<double>((t - s) * k.delta)) * weight(t));
  if (fraction) {
    const int te = static_cast<int>(e);
    sum = static_cast<float>(sum + (e - te) * daily_milk(k, e) * std::exp(static_cast<double>((e - s) * k.delta)) *
                                       weight(te >= u ? te + 1 : u));
  }
  return sum;
}

}  // namespace zelvan
