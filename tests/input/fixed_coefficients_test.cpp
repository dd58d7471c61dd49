// The ratio coefficients fixed after the input, the conditions under which
// each is formed, and the stop on a zero divisor.
#include <gtest/gtest.h>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// A cross-bred system in which every group is fattened, with values whose
// ratios are easy to see.
std::unique_ptr<Model> all_groups_fattened() {
  auto m = new_model();
  m->cb = 1;
  m->inmax = 3;
  m->inmaxh = 2;
  const struct {
    float* x;
    float v;
  } values[] = {{&m->ecrinc[0], 0.5f}, {&m->ecrinc[1], 0.4f}, {&m->ecrinc[2], 0.25f}, {&m->crinh[0], 0.8f},
                {&m->crinh[1], 0.6f},  {&m->bwf[0], 40.0f},    {&m->bwf[1], 44.0f},     {&m->bwm[0], 42.0f},
                {&m->bwm[1], 46.0f},   {&m->drescw, 45.0f},    {&m->whmat1[0], 400.0f}, {&m->mcwd, 640.0f},
                {&m->mcwb, 800.0f},    {&m->whfat[0], 480.0f}, {&m->wcfat[0], 560.0f},  {&m->wbfat[0], 600.0f},
                {&m->whfatb, 500.0f},  {&m->wcfatb, 600.0f},   {&m->wbfatb, 700.0f},    {&m->adg10, 1.2f},
                {&m->age[10], 365.0f}, {&m->pcrossh, 0.2f},    {&m->tSCC[0], 1e5f},     {&m->tSCC[1], 2e5f},
                {&m->tSCC[2], 4e5f}};
  for (const auto& [x, v] : values) *x = v;
  m->nSCC = 4;
  for (int j = 0; j < 2; ++j) {
    m->pbf[j] = m->pff[j] = m->cast[j] = 1;
    m->adgcf[j] = 0.5f;
    m->adgcm[j] = 0.6f;
    m->adghm[j] = 0.75f;
    m->adghmc[j] = 1.0f;
    m->dresh[j] = 50.0f;
    m->dresb[j] = 55.0f;
    m->dresc[j] = 52.5f;
    m->adgwsf[j] = 1.0f;
    m->adgwsm[j] = 1.25f;
    m->adgwsc[j] = 1.125f;
    m->agew[j] = 60.0f;
  }
  return m;
}

void compute(Model& m) {
  ::testing::internal::CaptureStdout();
  fixed_coefficients(m);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Testing data and calculating several coefficients\n");
}

TEST(FixedCoefficients, RatiosOfGroupsThatAreNotThereStayZero) {
  // Pure-bred, nothing fattened, test bulls leave at weaning, one cell-count
  // class: neither the fattening gain nor the beef cows' weight is used.
  auto m = all_groups_fattened();
  m->cb = 0;
  for (int j = 0; j < 2; ++j) m->pbf[j] = m->pff[j] = m->cast[j] = 0;
  m->adgwsf[0] = m->mcwb = 0.0f;
  m->age[10] = 60.0f;
  m->nSCC = 1;
  m->tSCS[0] = 9.0f;
  compute(*m);
  EXPECT_EQ(values(m->kslh[0], m->kslc[0], m->kslb[0], m->kgainmf[0], m->kgaincf[0], m->kdresch[0], m->kslh[1],
                    m->kslc[1], m->kslb[1], m->kgainmf[1], m->kgaincf[1], m->kdresch[1], m->kbwmf[1], m->kg10),
            "0 0 0 0 0 0 0 0 0 0 0 0 0 0");
  EXPECT_EQ(m->tSCS[0], 9.0f);

  // Castrates standing in for the missing fattened heifers: ratio one.
  m = all_groups_fattened();
  m->cb = 0;
  m->pbf[0] = m->pff[0] = 0;
  m->adgwsf[0] = m->adgwsc[0];
  compute(*m);
  EXPECT_EQ(values(m->kgaincf[0], m->kgainmf[0], m->kslc[0]), "1 0 0.875");

  // Only cross-bred heifers fattened: the pure-bred heifer ratio is formed
  // all the same; the reference gain (without bulls and castrates) and the
  // heifers' first conception rate (without inseminations) are no divisors.
  m = all_groups_fattened();
  for (int j = 0; j < 2; ++j) m->pbf[j] = m->cast[j] = 0;
  m->pff[0] = 0;
  m->adgwsf[0] = m->adgwsf[1] = 0.0f;
  m->wcfatb = m->wbfatb = 0.0f;
  m->inmaxh = 0;
  m->crinh[0] = 0.0f;
  compute(*m);
  EXPECT_EQ(values(m->kslh[0], m->kslh[1], m->kconh[0]), "0.75 0.625 0");
}

// Each divisor, where it is used, stops with the file that holds it.
TEST(FixedCoefficientsDeathTest, ZeroDivisorsStopNamingTheirFile) {
  const struct {
    void (*zero)(Model& m);
    const char* message;
  } cases[] = {
      {[](Model& m) { m.ecrinc[0] = 0.0f; }, "INPUT07.TXT, the value of ecrinc \\(conception rate of cows"},
      {[](Model& m) { m.crinh[0] = 0.0f; }, "INPUT07.TXT, the value of crinh \\(conception rate of heifers"},
      {[](Model& m) { m.bwf[1] = 0.0f; }, "INPUT15.TXT, the value of bwf \\(birth weight of cross-bred female"},
      {[](Model& m) { m.adgcf[0] = 0.0f; }, "INPUT15.TXT, the value of adgcf \\(daily gain of pure-bred female"},
      {[](Model& m) { m.dresh[1] = 0.0f; }, "INPUT15.TXT, the value of dresh \\(dressing percentage of cross-bred"},
      {[](Model& m) { m.mcwd = 0.0f; }, "INPUT11.TXT, the value of mcwd \\(mature weight of dairy cows"},
      {[](Model& m) { m.adgwsf[1] = 0.0f; }, "INPUT15.TXT, the value of adgwsf \\(reference daily gain of cross-bred"},
      {[](Model& m) { m.mcwb = 0.0f; }, "INPUT11.TXT, the value of mcwb \\(mature weight of cows of the beef breed"},
      // Fattened cross-bred heifers alone need the beef cows' weight, too.
      {[](Model& m) { m.mcwb = m.pbf[1] = m.cast[1] = 0; }, "the value of mcwb"},
      // Two zero divisors: the first quotient of the order stops.
      {[](Model& m) { m.mcwd = m.bwf[0] = 0.0f; }, "the value of bwf \\(birth weight of pure-bred"},
      // Divisors of the herd phases: weaning age, gains to first mating and
      // in fattening; and a system with beef bulls needs beef matings.
      {[](Model& m) { m.agew[1] = -5.0f; }, "INPUT15.TXT, the value -5 of agew \\(age at weaning of cross-bred calves\\) is not above zero"},
      {[](Model& m) { m.adghm[0] = 0.0f; }, "the value of adghm \\(daily gain of pure-bred heifers"},
      {[](Model& m) { m.adgwsc[1] = 0.0f; }, "the value of adgwsc \\(daily gain of cross-bred castrates"},
      {[](Model& m) { m.pcrossh = 0.0f; }, "mated with beef bulls, but the\nproportions of cows"},
      // A cell-count limit must be a count for its score.
      {[](Model& m) { m.tSCC[1] = 0.0f; }, "INPUT28.TXT, the value 0 of tSCC \\(a class limit of the somatic cell count"},
  };
  for (const auto& c : cases) {
    auto m = all_groups_fattened();
    c.zero(*m);
    expect_stop([&] { fixed_coefficients(*m); }, c.message);
  }
}

}  // namespace
}  // namespace zelvan
