// Revenues of a hand-made farm, worked out by hand from its prices.
#include <gtest/gtest.h>

#include "economics/economic_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

using testing_support::values;

// Five cycles (CC = 52); a heifer grid of two classes with mean index 1.02
// at 3.5 MU/kg, a cow grid of one class at 3 MU/kg; 600 kg cows dressing 50 %.
std::unique_ptr<Model> farm(int cb) {
  auto m = testing_support::new_model();
  m->cb = cb, m->LL = 5, m->TT = 28, m->CC = 52, m->CT = 76, m->i4 = cb == 1 ? 77 : 53;
  m->p1 = 1, m->p2 = 2, m->prh = 3.5f, m->prc = 3, m->Pc[0][0][0] = 100, m->Prc[0][0] = 1;
  m->Ph[0][0][0] = 60, m->Ph[0][1][0] = 40, m->Prh[0][0] = 1.1f, m->Prh[0][1] = 0.9f;
  m->dresh[0] = 0.5f, m->kdrescwh = 1, m->kpr[30] = 0.8f, m->ciav = 365;
  for (int c = 0; c < 5; ++c) m->wcdys[c] = m->wcc[c] = m->wccw[c] = 600;
  return m;
}

// Sold alive: per kg live weight when the price per kg is above 1e-6, else
// per head. The prices per kg of the input survive the run, stale ones not.
TEST(Revenues, SoldPerKgOrPerHead) {
  const struct {
    int i;
    float pr, pranim, ww, rev;
  } cases[] = {{8, 2.5f, 0, 60, 150}, {9, 1e-6f, 80, 55, 80}, {10, 0, 300, 240, 300},
               {23, 0, 0, 320, 0},    {52 + 9, 3, 0, 50, 150}, {52 + 24, 0, 1500, 550, 1500}};
  auto m = farm(1);
  for (const auto& c : cases) m->pr[c.i] = c.pr, m->pranim[c.i] = c.pranim, m->ww[c.i] = c.ww;
  m->pr[20] = 7, m->pr[52 + 12] = 9;
  revenues(*m);
  for (const auto& c : cases) EXPECT_EQ(values(m->rev[c.i], m->pr[c.i]), values(c.rev, c.pr)) << c.i;
  EXPECT_EQ(values(m->pr[20], m->pr[12], m->pr[52 + 12]), values(0, 3.57, 0));
}

// Milk less discarded milk at 0.4 MU/kg (360 MU); a culled cow's carcass is
// 900 MU, paid in full for conception failure, at 80 % after dystocia or for
// health; empty cows bring nothing, lost cows their milk. The cows are all
// pure-bred, whatever the breed of their calves.
TEST(Revenues, CowCyclesPaidByFate) {
  auto m = farm(1);
  revenues(*m);  // the cow price is scaled by prc / 100 once per breed index
  EXPECT_FLOAT_EQ(m->pr[30], 3 * 0.03f);
  m->cb = 0;
  m->prmilk = 0.4f, m->mast_inc = 1;
  for (int e = 25; e <= 52; ++e) m->milksum[e] = 1000, m->discow[e] = 100, m->l2[e - 24] = 1.0 / 28;
  revenues(*m);
  const float by_fate[] = {0, 360, 360 + 720, 360 + 720, 360 + 900, 0, 360};
  for (int cycle = 1; cycle <= 5; ++cycle)
    for (int fate = 1; fate <= (cycle < 5 ? 6 : 4); ++fate)
      EXPECT_FLOAT_EQ(m->rev[6 * cycle + 18 + fate], by_fate[fate]) << cycle << " " << fate;
  // 24 of the 28 states bring milk; 10 culls at 720 MU and 5 at 900 MU.
  EXPECT_EQ(values(m->revmilkc, m->revcullc), values(360.0 * 24 / 28, (7200.0 + 4500) / 28));
  m->mast_inc = 0;
  revenues(*m);
  EXPECT_NEAR(m->revmilkc, 400.0 * 24 / 28, 1e-3);
}

}  // namespace
}  // namespace zelvan
