// The ratio coefficients fixed after the input, the conditions under which
// each is formed, and the stop on a zero divisor.
#include <gtest/gtest.h>
#include <unistd.h>

#include "herd/statistics.h"
#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using testing_support::new_model;

// A cross-bred system in which every group is fattened, with values whose
// ratios are easy to see.
std::unique_ptr<Model> all_groups_fattened() {
  auto m = new_model();
  m->cb = 1;
  m->inmax = 3;
  m->inmaxh = 2;
  const float ecrinc[] = {0.5f, 0.4f, 0.25f};
  for (int k = 0; k < 3; ++k) m->ecrinc[k] = ecrinc[k];
  m->crinh[0] = 0.8f;
  m->crinh[1] = 0.6f;
  for (int j = 0; j < 2; ++j) {
    m->bwf[j] = 40.0f + 4 * j;
    m->bwm[j] = 42.0f + 4 * j;
    m->adgcf[j] = 0.5f;
    m->adgcm[j] = 0.6f;
    m->adghm[j] = 0.75f;
    m->adghmc[j] = 1.0f;
    m->dresh[j] = 50.0f;
    m->dresb[j] = 55.0f;
    m->dresc[j] = 52.5f;
    m->pbf[j] = 1;
    m->pff[j] = 1;
    m->cast[j] = 1;
    m->adgwsf[j] = 1.0f;
    m->adgwsm[j] = 1.25f;
    m->adgwsc[j] = 1.125f;
  }
  m->drescw = 45.0f;
  m->whmat1[0] = 400.0f;
  m->mcwd = 640.0f;
  m->mcwb = 800.0f;
  m->whfat[0] = 480.0f;
  m->wcfat[0] = 560.0f;
  m->wbfat[0] = 600.0f;
  m->whfatb = 500.0f;
  m->wcfatb = 600.0f;
  m->wbfatb = 700.0f;
  m->adg10 = 1.2f;
  m->agew[0] = 60.0f;
  m->age[10] = 365.0f;
  m->nSCC = 4;
  m->tSCC[0] = 100000.0f;
  m->tSCC[1] = 200000.0f;
  m->tSCC[2] = 400000.0f;
  return m;
}

TEST(FixedCoefficients, RatiosOfACrossbredSystemWithAllFattenedGroups) {
  auto m = all_groups_fattened();
  ::testing::internal::CaptureStdout();
  fixed_coefficients(*m);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Testing data and calculating several coefficients\n");
  EXPECT_FLOAT_EQ(m->kconc[0], 1.0f);
  EXPECT_FLOAT_EQ(m->kconc[1], 0.8f);
  EXPECT_FLOAT_EQ(m->kconc[2], 0.5f);
  EXPECT_FLOAT_EQ(m->kconh[1], 0.75f);
  EXPECT_FLOAT_EQ(m->kbwmf[0], 1.05f);
  EXPECT_FLOAT_EQ(m->kbwmf[1], 46.0f / 44.0f);
  EXPECT_FLOAT_EQ(m->kgcmf[1], 1.2f);
  EXPECT_FLOAT_EQ(m->kghcf[0], 1.5f);
  EXPECT_FLOAT_EQ(m->kghccf[1], 2.0f);
  EXPECT_FLOAT_EQ(m->kdresbh[0], 1.1f);
  EXPECT_FLOAT_EQ(m->kdresch[1], 1.05f);
  EXPECT_FLOAT_EQ(m->kg10, 2.4f);
  EXPECT_FLOAT_EQ(m->kdrescwh, 0.9f);
  EXPECT_FLOAT_EQ(m->kmatc, 0.625f);
  EXPECT_FLOAT_EQ(m->kgainmf[1], 1.25f);
  EXPECT_FLOAT_EQ(m->kgaincf[0], 1.125f);
  // Pure-bred slaughter weights relative to dairy cows, cross-bred ones to
  // cows of the beef breed.
  EXPECT_FLOAT_EQ(m->kslh[0], 0.75f);
  EXPECT_FLOAT_EQ(m->kslh[1], 0.625f);
  EXPECT_FLOAT_EQ(m->kslc[0], 0.875f);
  EXPECT_FLOAT_EQ(m->kslc[1], 0.75f);
  EXPECT_FLOAT_EQ(m->kslb[0], 0.9375f);
  EXPECT_FLOAT_EQ(m->kslb[1], 0.875f);
  // Cell-count limits become scores: 100000 cells is score 3, each doubling adds 1.
  EXPECT_NEAR(m->tSCS[0], 3.0f, 1e-5);
  EXPECT_NEAR(m->tSCS[1], 4.0f, 1e-5);
  EXPECT_EQ(m->tSCS[2], scs(400000.0f));
  EXPECT_EQ(m->tSCS[3], 0.0f);  // nSCC classes have nSCC - 1 limits
}

TEST(FixedCoefficients, WithoutFatteningTheFatteningRatiosStayZero) {
  auto m = all_groups_fattened();
  m->cb = 0;
  for (int j = 0; j < 2; ++j) {
    m->pbf[j] = 0;
    m->pff[j] = 0;
    m->cast[j] = 0;
    m->paf[j] = 0;
  }
  // Neither the fattening gain nor the beef cows' weight is used now.
  m->adgwsf[0] = 0.0f;
  m->mcwb = 0.0f;
  m->age[10] = 60.0f;  // no test bulls after weaning
  m->nSCC = 1;
  m->tSCS[0] = 9.0f;
  ::testing::internal::CaptureStdout();
  fixed_coefficients(*m);
  ::testing::internal::GetCapturedStdout();
  for (int j = 0; j < 2; ++j) {
    EXPECT_EQ(m->kslh[j], 0.0f);
    EXPECT_EQ(m->kslc[j], 0.0f);
    EXPECT_EQ(m->kslb[j], 0.0f);
    EXPECT_EQ(m->kgainmf[j], 0.0f);
    EXPECT_EQ(m->kgaincf[j], 0.0f);
    EXPECT_EQ(m->kdresch[j], 0.0f);
  }
  EXPECT_EQ(m->kbwmf[1], 0.0f);  // no cross-bred block in a pure-bred system
  EXPECT_EQ(m->kg10, 0.0f);
  EXPECT_EQ(m->tSCS[0], 9.0f);
}

TEST(FixedCoefficients, CastratesStandingInForFattenedHeifersGiveRatioOne) {
  auto m = all_groups_fattened();
  m->cb = 0;
  m->pbf[0] = 0;
  m->pff[0] = 0;
  m->pff[1] = 0;
  m->pbf[1] = 0;
  m->cast[1] = 0;
  m->adgwsf[0] = m->adgwsc[0];  // the reference gain after the substitution of INPUT15.TXT
  ::testing::internal::CaptureStdout();
  fixed_coefficients(*m);
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(m->kgaincf[0], 1.0f);
  EXPECT_EQ(m->kgainmf[0], 0.0f);
  EXPECT_EQ(m->kslh[0], 0.0f);
  EXPECT_FLOAT_EQ(m->kslc[0], 0.875f);
}

// Each divisor, where it is used, stops with the file that holds it.
TEST(FixedCoefficientsDeathTest, ZeroDivisorsStopNamingTheirFile) {
  struct Case {
    void (*zero)(Model& m);
    const char* message;
  };
  const Case cases[] = {
      {[](Model& m) { m.ecrinc[0] = 0.0f; }, "INPUT07.TXT, the value of ecrinc \\(conception rate of cows"},
      {[](Model& m) { m.crinh[0] = 0.0f; }, "INPUT07.TXT, the value of crinh \\(conception rate of heifers"},
      {[](Model& m) { m.bwf[1] = 0.0f; }, "INPUT15.TXT, the value of bwf \\(birth weight of cross-bred female"},
      {[](Model& m) { m.adgcf[0] = 0.0f; }, "INPUT15.TXT, the value of adgcf \\(daily gain of pure-bred female"},
      {[](Model& m) { m.dresh[1] = 0.0f; }, "INPUT15.TXT, the value of dresh \\(dressing percentage of cross-bred"},
      {[](Model& m) { m.mcwd = 0.0f; }, "INPUT11.TXT, the value of mcwd \\(mature weight of dairy cows"},
      {[](Model& m) { m.adgwsf[1] = 0.0f; }, "INPUT15.TXT, the value of adgwsf \\(reference daily gain of cross-bred"},
      {[](Model& m) { m.mcwb = 0.0f; }, "INPUT11.TXT, the value of mcwb \\(mature weight of cows of the beef breed"},
      // Two zero divisors: the first quotient of the order stops.
      {[](Model& m) {
         m.mcwd = 0.0f;
         m.bwf[0] = 0.0f;
       },
       "the value of bwf \\(birth weight of pure-bred"},
  };
  for (const Case& c : cases) {
    auto m = all_groups_fattened();
    c.zero(*m);
    EXPECT_EXIT(
        {
          dup2(2, 1);
          fixed_coefficients(*m);
        },
        ::testing::ExitedWithCode(0), c.message);
  }
}

TEST(FixedCoefficients, ZeroValuesThatAreNotDivisorsHereDoNotStop) {
  auto m = all_groups_fattened();
  // mcwb is used only for fattened cross-bred groups, the reference gain
  // only for fattened bulls or castrates, the first conception rate only
  // when there are inseminations.
  for (int j = 0; j < 2; ++j) {
    m->pbf[j] = 0;
    m->cast[j] = 0;
  }
  m->pff[1] = 0;
  m->mcwb = 0.0f;
  m->adgwsf[0] = 0.0f;
  m->adgwsf[1] = 0.0f;
  m->inmaxh = 0;
  m->crinh[0] = 0.0f;
  ::testing::internal::CaptureStdout();
  fixed_coefficients(*m);
  ::testing::internal::GetCapturedStdout();
  EXPECT_FLOAT_EQ(m->kslh[0], 0.75f);
  EXPECT_EQ(m->kslh[1], 0.0f);
  EXPECT_EQ(m->kconh[0], 0.0f);
}

}  // namespace
}  // namespace zelvan
