#pragma once
// Lactation curve of a cow state, shared by the milk yield of the cows and
// the milk lost through diseases, so that both follow the same curve day by
// day: y(t) = a t^b exp(c t) with the level and shape of the lactation group,
// falling by the factor exp((t - s) delta) after conception on day s.
#include <algorithm>
#include <cmath>

#include "economics/daily_sums.h"
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

// Milk of whole day t: up to the day of conception on the curve alone,
// after it with the decline since conception.
inline double milk_before_conception(const LactationCurve& k, int t) { return daily_milk(k, static_cast<float>(t)); }
inline double milk_after_conception(const LactationCurve& k, float s, int t) {
  return daily_milk(k, static_cast<float>(t)) * std::exp(static_cast<double>((t - s) * k.delta));
}

// Whole days of cow state i held in the day table milkday: up to the day
// she leaves the state, within the table.
inline int tabled_days(const Model& m, int i) { return std::min(whole_days(m.dl[i]), DL - 1); }

// The milk of every whole day of cow state i, once per run, for the sums of
// her milk and of the milk lost through diseases. Day t takes the term the
// sum adds for it: days up to trunc(s) lie before conception, the later ones
// after it (trunc(1 + s) > trunc(s) for every s small enough to be tabled).
inline void tabulate_lactation(Model& m, int i) {
  const LactationCurve k = cow_curve(m, i);
  const float s = m.sp[i];
  const int ts = static_cast<int>(s);
  const int n = tabled_days(m, i);
  for (int t = 1; t <= n; ++t)
    m.milkday[i][t] = t <= ts ? milk_before_conception(k, t) : milk_after_conception(k, s, t);
}

// The lactation of cow state i in this run: curve, day of conception and
// the tabled days; a day outside the table is computed from the curve.
struct Lactation {
  LactationCurve k;
  float s;             // day of lactation at conception, days
  const double* days;  // milk of whole day t at days[t], kg
  int tabled;          // days 1..tabled are held in days

  double before(int t) const { return t >= 1 && t <= tabled ? days[t] : milk_before_conception(k, t); }
  double after(int t) const { return t >= 1 && t <= tabled ? days[t] : milk_after_conception(k, s, t); }
};

// Cow state i must have been tabulated in this run (tabulate_lactation).
inline Lactation cow_lactation(const Model& m, int i) {
  return {cow_curve(m, i), m.sp[i], m.milkday[i], tabled_days(m, i)};
}

// Milk of the lactation up to the whole day `last` (and the fraction of day
// e when `fraction` is set) of a cow that conceives on day s, each day
// weighted by weight(index). The index is the one the sum writes: t for day
// t, trunc(x) + 1 at a fractional day x, and for the last fraction u =
// trunc(1 + s) when no whole day follows conception. The day after
// conception is counted both with its share of day s and as a whole day, as
// the model has it (with a whole s the day of conception is counted twice).
template <class Weight>
float lactation_sum(const Lactation& x, int last, float e, bool fraction, Weight weight) {
  const LactationCurve& k = x.k;
  const float s = x.s;
  const int ts = static_cast<int>(s);
  const int u = static_cast<int>(1 + s);
  float sum = 0;
  for (int t = 1; t <= ts; ++t) sum = static_cast<float>(sum + x.before(t) * weight(t));
  const double ys = daily_milk(k, s);
  sum = static_cast<float>(sum + (s - ts) * ys * weight(ts + 1));
  const float after = static_cast<float>(u) - s;
  sum = static_cast<float>(sum + after * ys * std::exp(static_cast<double>(after * k.delta)) * weight(ts + 1));
  for (int t = u; t <= last; ++t) sum = static_cast<float>(sum + x.after(t) * weight(t));
  if (fraction) {
    const int te = static_cast<int>(e);
    sum = static_cast<float>(sum + (e - te) * daily_milk(k, e) * std::exp(static_cast<double>((e - s) * k.delta)) *
                                       weight(te >= u ? te + 1 : u));
  }
  return sum;
}

}  // namespace zelvan
