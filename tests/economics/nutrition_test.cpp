// Requirements, milk and feed of the bundled example systems, checked
// against sums written out day by day in long double, and against runs of
// the phase with one input changed.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "economics/daily_sums.h"
#include "economics/economic_phases.h"
#include "herd/herd_phases.h"
#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;
using LD = long double;

void run_through_nutrition(Model& m) {
  for (auto phase : {cow_herd_structure, herd_transition_matrix, progeny_structure, growth, nutrition_young_stock,
                     nutrition_cows, feed_intake})
    phase(m);
}

// The example after the input and one base run up to the feed; `edit`
// changes the state after the input.
std::unique_ptr<Model> nourished(const char* example, const std::function<void(Model&)>& edit = {}) {
  ScratchDir dir;
  return run_example(example, edit, [](Model& m) {
    m.irun = 1;
    run_through_nutrition(m);
  });
}

// Sum of (w0 + g t)^p over the days first..floor(x), plus the fraction of
// day x when `fraction` is set.
LD days(LD x, LD w0, LD g, LD p = 0.75, bool fraction = true, int first = 1) {
  LD s = 0;
  for (int t = first; t <= std::floor(x); ++t) s += std::pow(w0 + g * t, p);
  return fraction ? s + (x - std::floor(x)) * std::pow(w0 + g * x, p) : s;
}
// Gestation needs over x days (whole days only unless `fraction`).
LD gestation(LD x, bool energy, bool fraction = false) {
  auto g = [energy](LD t) {
    return energy ? (0.4504L - 0.000766L * t) * std::exp(t * (0.03233L - 0.0000275L * t))
                  : (0.00167L - 0.00000211L * t) * std::exp(t * (0.0278L - 0.0000176L * t));
  };
  LD s = 0;
  for (int t = 1; t <= std::floor(x); ++t) s += g(t);
  return fraction ? s + (x - std::floor(x)) * g(x) : s;
}
// Milk of a cow conceiving on day s and leaving on day e (fraction of the
// day after conception counted twice, as the model does).
LD milk(LD a, LD b, LD c, LD delta, LD s, LD e) {
  auto y = [&](LD t) { return a * std::pow(t, b) * std::exp(c * t); };
  LD sum = 0;
  for (int t = 1; t <= std::floor(s); ++t) sum += y(t);
  const LD u = std::floor(1 + s);
  sum += (s - std::floor(s)) * y(s) + (u - s) * y(s) * std::exp((u - s) * delta);
  for (int t = static_cast<int>(u); t <= std::floor(e); ++t) sum += y(t) * std::exp((t - s) * delta);
  return sum + (e - std::floor(e)) * y(e) * std::exp((e - s) * delta);
}

void expect_close(const char* what, LD actual, LD expected) {
  EXPECT_NEAR(actual, expected, 1e-5L * std::fabs(expected)) << what;
}

// One category of every kind of animal in the pure-bred example.
TEST(Nutrition, RequirementsMatchADayByDaySum) {
  auto p = nourished("holstein");
  const Model& m = *p;
  const LD kt = m.ktf;  // loose housing of young stock and cows
  ASSERT_EQ(m.tech1, 2);
  // Male calf sold within its milk period: whole days only.
  const LD g9 = m.adgcm[0], bw9 = m.bwm[0], d9 = m.age[9];
  const LD s9 = days(d9, bw9, g9, 0.75, false);
  expect_close("calf ne", m.ne[9], 0.42L * s9 + (5.69L * g9 + 1.75L * g9 * g9 - 2.67L) * d9);
  expect_close("calf pdi", m.pdi[9], 3.25L * s9 + (274.48L * g9 - 16.53L * g9 * g9 - 8.88L) * d9);
  // Test bull after weaning, from its weaning weight at adg10.
  const LD n10 = m.age[10] - m.agew[0], s10 = days(n10, bw9 + g9 * m.agew[0], m.adg10);
  expect_close("test bull ne10", m.ne10, (0.25L * m.adg10 + 0.34L * kt) * s10);
  expect_close("test bull pdi10", m.pdi10, 220 * n10 * m.adg10 + (0.7L * m.adg10 + 3.25L) * s10);
  // Fattened bull and heifer, slaughtered.
  const LD gb = m.adgwsm[0], db = m.agesm[0] - m.agew[0], sb = days(db, m.wwm[0], gb);
  expect_close("bull ne", m.ne[14], (0.34L * kt + 0.25L * gb) * sb);
  expect_close("bull pdi", m.pdi[14], 220 * gb * db + (0.7L * gb + 3.25L) * sb);
  const LD gh = m.adgwsf[0], dh = m.agesf[0] - m.agew[0], w0 = m.wwf[0];
  expect_close("heifer ne", m.ne[12],
               0.0022L * days(dh, w0, gh, 1.4L) + 0.348L * kt * days(dh, w0, gh) + 7.254L * std::pow(gh, 1.7L) * dh);
  LD protein = 0.147L * days(dh, w0, gh, 1) + 3.25L * days(dh, w0, gh);
  expect_close("heifer pdi", m.pdi[12], protein + dh * (216.3L * gh - 5));
  // Heifer calving for the first time: growth from weaning plus a whole
  // gestation.
  const LD dr = m.ageh1cal[0] - m.agew[0], gr = (m.wh1cal - w0) / dr, sr = days(dr, w0, gr);
  const LD calf = (m.bwf[0] + m.bwm[0]) / 2, term = std::floor(m.lgpre + 0.001L);
  expect_close("pregnant heifer ne", m.ne[22],
               (0.311L * kt + 0.261L * gr) * sr + 0.0024192L * calf * gestation(term, true));
  expect_close("pregnant heifer pdi", m.pdi[22],
               220.5L * gr * dr + (0.98L * gr + 3.25L) * sr + 10.25L * calf * gestation(term, false));
  // Cows of lactations 1 and 3 that calve again: maintenance over the
  // interval with the next lactation's dry share, growth, a full
  // gestation, and the milk of the curve declining after conception.
  const LD ecm = 0.37L * m.fat + 0.95L + 0.21L * m.prot + 0.07L;
  const LD a[] = {(m.milk * 0.01L - 9.07184L) / 2.96L, (m.milk * 0.01L + 6.350288L) / 2.96L};
  struct Cow { int i, l; LD a, b, c, delta, weight, gain; };
  const Cow cows[] = {{30, 1, a[0], m.b1, m.c1, m.d1, (m.wcacal[0] + m.wcacal[1]) / 2, m.adg1cow},
                      {42, 3, a[1], m.b3, m.c3, m.d3, m.mcwd, 0}};
  for (const Cow& c : cows) {
    SCOPED_TRACE(c.i);
    const LD ci = m.ci[c.l - 1], s = m.intcm + m.intconc[c.l - 1];
    const LD shares = (m.dd * m.kbd + m.dayslac[c.l] * m.kbl) / m.ci[c.l];
    const LD milked = milk(c.a, c.b, c.c, c.delta, s, m.dayslac[c.l - 1]);
    expect_close("milk", m.milksum[c.i], milked);
    expect_close("cow ne", m.ne[c.i],
                 milked * ecm + ci * kt * 0.293L * std::pow(c.weight, 0.75L) * shares + ci * c.gain * 22 +
                     0.0024192L * calf * gestation(m.lgpre, true, true));
  }
}

// A lactation longer than the run's table of daily milk: the days beyond
// the table follow the same declining curve.
TEST(Nutrition, MilkBeyondTheDayTableFollowsTheCurve) {
  auto p = nourished("holstein", [](Model& m) { m.intcm += 200; });
  const Model& m = *p;
  ASSERT_GT(m.dayslac[0], DL);
  const LD a = (m.milk * 0.01L - 9.07184L) / 2.96L, s = m.intcm + m.intconc[0];
  expect_close("milk", m.milksum[30], milk(a, m.b1, m.c1, m.d1, s, m.dayslac[0]));
}

// A period of x days: whole days 1..trunc(x) and the fraction of day x,
// negative for a negative x; alone and all periods in one pass.
TEST(Nutrition, PartialDaySumCountsTheFractionOfTheLastDay) {
  const struct { float x, sum; } cases[] = {{0, 0}, {3, 6}, {3.5f, 7.75f}, {0.25f, 0.0625f}, {-0.5f, 0.25f}};
  const auto identity = [](float t) { return double(t); };
  float periods[std::size(cases)];
  for (std::size_t k = 0; k < std::size(cases); ++k) periods[k] = cases[k].x;
  const auto together = partial_day_sums(periods, identity);
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    EXPECT_EQ(partial_day_sum(cases[k].x, identity), cases[k].sum) << cases[k].x;
    EXPECT_EQ(together[k], cases[k].sum) << cases[k].x;
  }
}

}  // namespace
}  // namespace zelvan
