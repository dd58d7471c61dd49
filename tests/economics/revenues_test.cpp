// Revenues priced from hand-made carcass grids, live weights and cow cycles:
// expected values are worked out by hand from the prices of the farm.
#include <gtest/gtest.h>

#include "economics/economic_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

// A herd of five cycles (CC = 52) with cross-bred calves, no fattening, a
// heifer grid of two classes and a cow grid of one class.
std::unique_ptr<Model> farm() {
  auto m = testing_support::new_model();
  m->cb = 1, m->LL = 5, m->TT = 28, m->CC = 52, m->CT = 76, m->i4 = 77;
  m->p1 = 1, m->p2 = 2;
  m->Ph[0][0][0] = 60, m->Ph[0][1][0] = 40, m->Prh[0][0] = 1.1f, m->Prh[0][1] = 0.9f;  // mean index 1.02
  m->prh = 3.5f;
  m->Pc[0][0][0] = 100, m->Pc[0][1][0] = 0, m->Prc[0][0] = 1, m->prc = 3;
  m->dresh[0] = 0.5f, m->kdrescwh = 1, m->kpr[30] = 0.8f, m->ciav = 365;
  for (int c = 0; c < 5; ++c) m->wcdys[c] = m->wcc[c] = m->wccw[c] = 600;
  return m;
}

// An animal sold alive is paid per kg live weight when it has a price per kg
// above 1e-6, otherwise per head; the prices per kg of the input survive
// the clearing of the run's prices, stale prices of other categories do not.
TEST(Revenues, SoldPerKgOrPerHead) {
  struct Case {
    int i;
    float pr, pranim, ww, rev;
  };
  const Case cases[] = {
      {8, 2.5f, 0, 60, 150},        // per kg: 60 kg at 2.5
      {9, 1e-6f, 80, 55, 80},       // a price per kg at the threshold sells per head
      {10, 0, 300, 240, 300},       // test bull per head
      {23, 0, 0, 320, 0},           // no price at all
      {52 + 9, 3, 0, 50, 150},      // cross-bred male calf per kg
      {52 + 24, 0, 1500, 550, 1500}, // cross-bred pregnant heifer per head
  };
  auto m = farm();
  for (const Case& c : cases) m->pr[c.i] = c.pr, m->pranim[c.i] = c.pranim, m->ww[c.i] = c.ww;
  m->pr[20] = 7, m->pr[52 + 12] = 9;  // left by an earlier run
  revenues(*m);
  for (const Case& c : cases) {
    EXPECT_FLOAT_EQ(m->rev[c.i], c.rev) << c.i;
    EXPECT_FLOAT_EQ(m->pr[c.i], c.pr) << c.i;
  }
  EXPECT_EQ(m->pr[20], 0);
  EXPECT_NEAR(m->pr[12], 3.57, 1e-5);  // 3.5 x 1.02
  EXPECT_EQ(m->pr[52 + 12], 0);        // no cross-bred heifer carcasses in the grid
}

// Cow cycles: milk less discarded milk at 0.4 MU/kg, plus a 600 kg cow
// dressing 50 % at 3 MU/kg (900 MU) for culls: full price when culled for
// not conceiving, 80 % after dystocia or for health; nothing for empty cows.
TEST(Revenues, CowCyclesPaidByFate) {
  auto m = farm();
  m->cb = 0, m->i4 = 53;  // the cow price is scaled once without cross-bred calves
  m->prmilk = 0.4f, m->mast_inc = 1;
  for (int e = 25; e <= 52; ++e) m->milksum[e] = 1000, m->discow[e] = 100, m->l2[e - 24] = 1.0 / 28;
  revenues(*m);
  EXPECT_FLOAT_EQ(m->pr[30], 3);
  const float by_fate[] = {0, 360, 360 + 720, 360 + 720, 360 + 900, 0, 360};
  for (int cycle = 1; cycle <= 5; ++cycle)
    for (int fate = 1; fate <= (cycle < 5 ? 6 : 4); ++fate)
      EXPECT_FLOAT_EQ(m->rev[6 * cycle + 18 + fate], by_fate[fate]) << cycle << " " << fate;
  // 24 of the 28 states bring milk (not the four empty ones); 10 cows are
  // culled at the reduced price and 5 at the full one.
  EXPECT_NEAR(m->revmilkc, 360.0 * 24 / 28, 1e-3);
  EXPECT_NEAR(m->revcullc, (720.0 * 10 + 900 * 5) / 28, 1e-3);
  m->mast_inc = 0;  // discarded milk paid like delivered milk
  revenues(*m);
  EXPECT_NEAR(m->revmilkc, 400.0 * 24 / 28, 1e-3);
}

}  // namespace
}  // namespace zelvan
