#pragma once
// Requirements summed day by day over the time an animal spends in a
// category. A daily term is evaluated in double precision and each day is
// added to a single-precision running sum, as the requirement tables are
// kept. A period of x days counts its whole days 1..trunc(x) and, where the
// period does not end on a whole day, the fraction of the last day at the
// value of day x.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace zelvan {

// No animal lives this many days; a nonsense period is cut here rather than
// running a loop for ever.
inline constexpr int kMaxDays = 100000;

// Whole days of a period of x days: truncation toward zero.
inline int whole_days(float x) {
  if (std::isnan(x)) return 0;
  if (x > kMaxDays) return kMaxDays;
  if (x < -kMaxDays) return -kMaxDays;
  return static_cast<int>(x);
}

// Sum of the daily term over the whole days first..last (empty when last <
// first).
template <class Term>
float day_sum(int first, int last, Term term) {
  float s = 0;
  for (int t = first; t <= last; ++t) s = static_cast<float>(s + term(static_cast<float>(t)));
  return s;
}

// The share of the last, incomplete day of a period of x days (negative
// for a negative x).
template <class Term>
double fractional_day(float x, Term term) {
  return (x - std::trunc(x)) * term(x);
}

// Sums of the daily term over periods of x[k] days, fraction of the last
// day included. The whole days of every period are the first days of the
// longest one, so the term is summed once, up to the longest period, and
// each period takes the running sum at its last whole day.
template <std::size_t N, class Term>
std::array<float, N> partial_day_sums(const float (&x)[N], Term term) {
  int whole[N];
  int longest = 0;
  for (std::size_t k = 0; k < N; ++k) longest = std::max(longest, whole[k] = whole_days(x[k]));
  std::array<float, N> sums{};
  float s = 0;
  for (int t = 1; t <= longest; ++t) {
    s = static_cast<float>(s + term(static_cast<float>(t)));
    for (std::size_t k = 0; k < N; ++k)
      if (whole[k] == t) sums[k] = s;
  }
  for (std::size_t k = 0; k < N; ++k) sums[k] = static_cast<float>(sums[k] + fractional_day(x[k], term));
  return sums;
}

// Sum of the daily term over a period of x days, fraction of the last day
// included.
template <class Term>
float partial_day_sum(float x, Term term) {
  return partial_day_sums({x}, term)[0];
}

// Metabolic weight W(t)^0.75 of an animal growing linearly from its start
// weight; the weight itself is formed in single precision.
inline auto metabolic_weight(float gain, float start) {
  return [gain, start](float t) { return std::pow(static_cast<double>(gain * t + start), 0.75); };
}

// Daily energy (MJ NEL per kg of calf birth weight, before the scale
// factor) and protein needs of the pregnant uterus on day t of gestation.
inline double gestation_energy(float day) {
  const double t = day;
  return (0.4504 - 0.000766 * t) * std::exp(t * (0.03233 - 0.0000275 * t));
}
inline double gestation_protein(float day) {
  const double t = day;
  return (0.00167 - 0.00000211 * t) * std::exp(t * (0.0278 - 0.0000176 * t));
}

// Whole days of a full gestation of lgpre days, as the first pregnancy of
// the heifers counts them.
inline int full_gestation_days(float lgpre) { return whole_days(static_cast<float>(0.001 + lgpre)); }

}  // namespace zelvan
