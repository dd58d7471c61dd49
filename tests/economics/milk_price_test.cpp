// Milk price of each payment system against values derived by hand from the
// normal distribution (tabulated Phi), not from the phase's own formulas.
#include <gtest/gtest.h>

#include "economics/cost_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

// Phi(4) - Phi(-4): the share of a normal trait within four standard
// deviations, the widest class the payment integrates over.
constexpr double kWithin4 = 0.9999366575;

struct Payment {
  const char* what;
  int milkprice;
  float prmilkb;
  int nfat;          // fat classes: -1 none, 0 one class with a = fat_a
  float fat_a;
  float fat_b;       // linear part around the herd mean
  int nrct;          // RCT classes: -1 none, 0 one class with a = 1
  float rct_mean, rct_sd;
  int nscc;          // cell-score classes with limits at the mean and one above
  float sigma_scs;
  double prmilk;     // expected price
  double prscc;      // expected cell-score payment
};

const Payment kCases[] = {
    {"base price only", 1, 0.35f, -1, 0, 0, -1, 0, 0, 1, 1, 0.35, 0},
    // One class spanning 0..100, clamped to mean -/+ 4 sd; the linear part
    // around the mean cancels.
    {"one fat class", 3, 0.35f, 0, 0.02f, 0.5f, -1, 0, 0, 1, 1, 0.35 + 0.02 * kWithin4, 0},
    // Coefficients of magnitude 1e-6 pay nothing.
    {"fat coefficients at the threshold", 3, 0.35f, 0, 1e-6f, 1e-6f, -1, 0, 0, 1, 1, 0.35, 0},
    // RCT 31 +/- 14.5: the outer bounds 2 and 60 are z = -2 and +2, inside
    // the four standard deviations; bounds 0 and 100 would give more.
    {"RCT paid between 2 and 60", 3, 0.35f, -1, 0, 0, 0, 31.0f, 14.5f, 1, 1, 0.35 + 0.9544997361, 0},
    // RCT 10 +/- 10: lower bound 2 (z = -0.8), upper clamped to 50 (z = 4).
    {"RCT lower bound", 3, 0.0f, -1, 0, 0, 0, 10.0f, 10.0f, 1, 1, 0.9999683288 - 0.2118553986, 0},
    // Three cell classes, limits at the mean and 1 sd above: shares 0.5,
    // 0.3413447461, 0.1586552539 at prices 0.02, 0, -0.04.
    {"cell-score payment", 2, 0.0f, -1, 0, 0, -1, 0, 0, 3, 1, 0.01 - 0.04 * 0.1586552539, 0.01 - 0.04 * 0.1586552539},
    {"cell-score and content payment", 4, 0.0f, 0, 0.3f, 0, -1, 0, 0, 3, 1,
     0.3 * kWithin4 + 0.01 - 0.04 * 0.1586552539, 0.01 - 0.04 * 0.1586552539},
    // No spread of the score: all milk at the mean, which is the first limit,
    // falls into the first class.
    {"cell score without spread", 2, 0.0f, -1, 0, 0, -1, 0, 0, 3, 0, 0.02, 0.02},
    // Factors 1.2, 1.0, 0.8 act on base price plus content payment together;
    // the class payments are added; no separate cell-score payment.
    {"factor on base and content price", 5, 0.3f, 0, 0.1f, 0, -1, 0, 0, 3, 1,
     (0.3 + 0.1 * kWithin4) * (0.5 * 1.2 + 0.3413447461 * 1.0 + 0.1586552539 * 0.8) + 0.01 - 0.04 * 0.1586552539, 0},
};

TEST(MilkPrice, EachPaymentSystemAgainstHandDerivedValues) {
  for (const Payment& c : kCases) {
    auto m = testing_support::new_model();
    m->milkprice = c.milkprice, m->prmilkb = c.prmilkb;
    m->nfat = c.nfat, m->fat = 4.0f, m->sigmafat = 0.3f;
    m->rf[0][0] = c.fat_a, m->rf[1][0] = c.fat_b, m->rf[2][0] = 4.0f;
    m->nprot = -1;
    m->ind_RCT = 1, m->nRCT = c.nrct, m->RCT = c.rct_mean, m->sigmaRCT = c.rct_sd, m->rRCT[0][0] = 1.0f;
    m->nSCC = c.nscc, m->mSCS = 3.0f, m->sigmaSCS = c.sigma_scs, m->tSCS[0] = 3.0f, m->tSCS[1] = 4.0f;
    const float prices[] = {0.02f, 0.0f, -0.04f};
    const float factors[] = {1.2f, 1.0f, 0.8f};
    for (int k = 0; k < 3; ++k) m->prSCC[k] = prices[k], m->facSCC[k] = factors[k];
    milk_price(*m);
    EXPECT_NEAR(m->prmilk, c.prmilk, 2e-7) << c.what;
    EXPECT_NEAR(m->prscc, c.prscc, 1e-8) << c.what;
    if (c.fat_a == 1e-6f) {
      EXPECT_EQ(m->prmilkf[0], 0.0f) << c.what;
    }
  }
}

}  // namespace
}  // namespace zelvan
