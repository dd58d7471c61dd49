// Milk price of each payment system against values derived by hand from the
// normal distribution (tabulated Phi), not from the phase's own formulas.
#include <gtest/gtest.h>

#include "economics/cost_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

// Phi(4) - Phi(-4): a class reaching beyond four standard deviations.
constexpr double kWithin4 = 0.9999366575;
// Three cell-score classes with limits at the mean and one sd above hold
// 0.5, 0.3413447461 and 0.1586552539 of the milk, paid 0.02, 0 and -0.04.
constexpr double kCellPayment = 0.01 - 0.04 * 0.1586552539;

struct Payment {
  const char* what;
  int milkprice, nfat;   // nfat -1: fat not paid; 0: one class paying a + b (fat - 4)
  float prmilkb, a, b;
  int nrct;              // -1 or one class paying 1 per kg, RCT 31 +/- 14.5
  int nscc;              // 1 or the three classes above
  float sigma_scs;
  double prmilk, prscc;  // expected
};

const Payment kCases[] = {
    {"base price only", 1, -1, 0.35f, 0, 0, -1, 1, 1, 0.35, 0},
    // One class 0..100, clamped to fat 4 -/+ 4 x 0.3; the linear part cancels.
    {"one fat class", 3, 0, 0.35f, 0.02f, 0.5f, -1, 1, 1, 0.35 + 0.02 * kWithin4, 0},
    {"coefficients at the threshold", 3, 0, 0.35f, 1e-6f, 1e-6f, -1, 1, 1, 0.35, 0},
    // RCT paid between 2 and 60 minutes: z = -2 and +2.
    {"RCT bounds", 3, -1, 0.35f, 0, 0, 0, 1, 1, 0.35 + 0.9544997361, 0},
    {"cell-score payment", 2, -1, 0, 0, 0, -1, 3, 1, kCellPayment, kCellPayment},
    {"cell-score and content", 4, 0, 0, 0.3f, 0, -1, 3, 1, 0.3 * kWithin4 + kCellPayment, kCellPayment},
    // No spread: all milk has the mean score, the first limit: first class.
    {"cell score without spread", 2, -1, 0, 0, 0, -1, 3, 0, 0.02, 0.02},
    // Factors 1.2, 1.0, 0.8 act on base price and content payment together.
    {"factors on the whole price", 5, 0, 0.3f, 0.1f, 0, -1, 3, 1,
     (0.3 + 0.1 * kWithin4) * (0.5 * 1.2 + 0.3413447461 + 0.1586552539 * 0.8) + kCellPayment, 0},
};

TEST(MilkPrice, EachPaymentSystemAgainstHandDerivedValues) {
  for (const Payment& c : kCases) {
    auto m = testing_support::new_model();
    m->milkprice = c.milkprice, m->prmilkb = c.prmilkb, m->nprot = -1;
    m->nfat = c.nfat, m->fat = 4.0f, m->sigmafat = 0.3f, m->rf[0][0] = c.a, m->rf[1][0] = c.b, m->rf[2][0] = 4.0f;
    m->ind_RCT = 1, m->nRCT = c.nrct, m->RCT = 31.0f, m->sigmaRCT = 14.5f, m->rRCT[0][0] = 1.0f;
    m->nSCC = c.nscc, m->mSCS = 3.0f, m->sigmaSCS = c.sigma_scs, m->tSCS[0] = 3.0f, m->tSCS[1] = 4.0f;
    const float prices[] = {0.02f, 0.0f, -0.04f}, factors[] = {1.2f, 1.0f, 0.8f};
    for (int k = 0; k < 3; ++k) m->prSCC[k] = prices[k], m->facSCC[k] = factors[k];
    milk_price(*m);
    EXPECT_NEAR(m->prmilk, c.prmilk, 2e-7) << c.what;
    EXPECT_NEAR(m->prscc, c.prscc, 1e-8) << c.what;
    EXPECT_EQ(m->prmilkf[0] == 0.0f, c.nfat < 0 || c.a == 1e-6f) << c.what;
  }
}

}  // namespace
}  // namespace zelvan
