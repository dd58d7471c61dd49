// Costs and disease losses: whole runs of the bundled examples, and small
// states whose results follow by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "economics/cost_phases.h"
#include "economics/economic_phases.h"
#include "input/readers.h"
#include "run/driver.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// The base run of an example, in a scratch copy; `edit` changes the state
// after the input and before the run.
struct ExampleRun {
  ScratchDir dir;
  std::unique_ptr<Model> m = new_model();
  explicit ExampleRun(const char* name, void (*edit)(Model&) = nullptr) {
    copy_example(name);
    TestIo t;
    read_all_input(*m, t);
    fixed_coefficients(*m);
    if (edit != nullptr) edit(*m);
    ::testing::internal::CaptureStdout();
    run_model(*m);
    ::testing::internal::GetCapturedStdout();
  }
};

void all_days_lose_everything(Model& m) {
  m.mast_inc = m.claw_inc = 1;
  for (int g = 0; g < 3; ++g)
    for (int t = 0; t < DL; ++t) m.dmi[g][t] = m.dcdi[g][t] = 1.0f;
}

// A relative loss of 1 on every day loses the whole lactation: the milk
// lost in each cow state is its milk yield (0 in the states without cows).
// The base run charges no extra milk, and every category's cost is finite.
TEST(CostPhase, BaseRunWithLossTablesOfOnes) {
  ExampleRun r("holstein-beef-cross", all_days_lose_everything);
  const Model& m = *r.m;
  for (int i = 0; i < m.i4; ++i) EXPECT_TRUE(std::isfinite(m.cost[i])) << "category " << i;
  long double per_year = 0;
  for (int i = 25; i <= m.CC; ++i) {
    EXPECT_EQ(m.costmilkv[i], 0.0f) << "category " << i;
    EXPECT_NEAR(m.discow[i], m.milksum[i], 2e-6 * m.milksum[i]) << "category " << i;
    EXPECT_EQ(m.discd[i], m.discow[i]) << "category " << i;
    per_year += static_cast<long double>(m.l2[i - 24]) * 365 * m.milksum[i] / m.ciav;
  }
  EXPECT_GT(per_year, 1000.0L);
  EXPECT_NEAR(m.dismilk, per_year, 1e-5 * per_year);
}

// A small herd of two lactations with a plain curve.
std::unique_ptr<Model> two_lactations() {
  auto m = new_model();
  m->LL = 2, m->TT = 10, m->CC = 34, m->CT = 58, m->i4 = 35;
  m->a1 = m->a2 = 20, m->b1 = m->b2 = 0.1f, m->c1 = m->c2 = -0.003f;
  for (int i = 25; i <= 34; ++i) m->dl[i] = 300;
  return m;
}

// The tables hold 400 days and are read one index beyond the day: the last
// whole day of the lactation must stay below day 399.
TEST(DiseaseLossesDeathTest, LactationsBeyondTheTableStopNamingItsFile) {
  auto runs = [](int mast, int claw, int i, float days) {
    auto m = two_lactations();
    m->mast_inc = mast, m->claw_inc = claw, m->dl[i] = days;
    disease_losses(*m);
  };
  runs(1, 1, 33, 398.5f);  // last index 399
  expect_stop([&] { runs(1, 0, 33, 399.0f); }, "INPUT30\\.TXT.*\n?.*lactation 2");
  expect_stop([&] { runs(0, 1, 27, 450.0f); }, "INPUT38\\.TXT.*\n?.*lactation 1");
}

// Young stock of a pure-bred herd fattening bulls, with round prices.
TEST(Costs, YoungStockAgainstHandDerivedValues) {
  auto m = two_lactations();
  m->agew[0] = 70, m->ciav = 390;
  m->pbf[0] = 1;
  for (int k : {4, 14, 15}) m->costf[k] = 300, m->d[k] = 200;
  m->costf[12] = 250;
  m->strawwf[0] = 1, m->prst = 0.1f, m->fixwf[0] = 0.5f;
  m->inmaxh = 3, m->nr = 1.5f, m->praird = 10, m->praid = 20, m->prairb = 12, m->praib = 30, m->pcrossh = 0.25f;
  costs(*m);
  // Rearing a male calf to weaning: 70 days of 0.1 MU straw and 0.5 MU fixed costs.
  EXPECT_FLOAT_EQ(m->costwm[0], 42.0f);
  EXPECT_FLOAT_EQ(m->cost[14], 300 + 42.0f);
  // Three dairy services of 35 MU for heifers that never conceive.
  EXPECT_FLOAT_EQ(m->costi[19], 105.0f);
  // Heifers sold pregnant: a quarter served once with a beef bull (48 MU).
  m->utifemp = 4;
  costs(*m);
  EXPECT_FLOAT_EQ(m->costi[19], 48 * 0.25f + 3 * 35 * 0.75f);
  // Bulls no longer fattened cost nothing, whatever their components hold.
  m->pbf[0] = 0;
  costs(*m);
  for (int k : {4, 14, 15}) EXPECT_EQ(m->cost[k], 0.0f) << k;
  EXPECT_EQ(m->costf[14], 300.0f);
  EXPECT_EQ(m->cost[12], 0.0f);  // fattened heifers were never kept
  // No calves die before weaning: the dead-calf category costs its disposal only.
  m->costdcf[0] = 20;
  costs(*m);
  EXPECT_EQ(m->cost[3], 20.0f);
  // However few calves die, each carries half of a calf's rearing to weaning
  // (straw 7 MU, fixed 35 MU for males and females alike).
  m->l1[3] = 5e-7f, m->Nmc48a[0] = 0.5f, m->dcw[0] = 5e-7f, m->losfw[0] = 2.5e-7f;
  costs(*m);
  EXPECT_NEAR(m->cost[3], 20 + 3.5f + 17.5f, 1e-4f);
}

}  // namespace
}  // namespace zelvan
