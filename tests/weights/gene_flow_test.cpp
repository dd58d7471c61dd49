// Gene flow on a small hand-built herd against explicit powers of its
// transmission matrix, in long double.
#include "weights/gene_flow.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "input/readers.h"
#include "run/driver.h"
#include "test_support.h"

namespace zelvan {
namespace {

using LD = long double;
constexpr int N = 9;  // classes 0..acm of the small herd
using Matrix = std::array<std::array<LD, N>, N>;

// Pure-bred herd: dams in classes 1..3 (the last two are cycles 1 and 2),
// dairy sires 4..5, pure-bred calves 6; acm = 8.
std::unique_ptr<Model> small_herd(float l_inv) {
  auto m = testing_support::new_model();
  m->acdd = 3;
  m->acsd = 2;
  m->LL = 2;
  m->ja = m->jb = 0;
  m->gene_flow = 1;  // dairy sires of age class 1 are selected
  m->n_sac = 1;
  m->l_inv = l_inv;
  m->u = 0.05f;
  m->l3[0] = 0.6;
  m->l3[1] = 0.4;
  m->cal[0][0] = 1.0f;
  m->cal[0][1] = 0.9f;
  m->Ncal[0] = 0.96f;
  m->PM[4][4] = 0.3, m->PM[4][5] = 0.2;                       // sires to sires
  m->PM[1][4] = 0.35, m->PM[1][5] = 0.15;                     // sires to dams
  m->PM[4][1] = 0.1, m->PM[4][2] = 0.25, m->PM[4][3] = 0.15;  // dams to sires
  m->to[5] = 2;
  m->delta_d[5] = m->delta_m[5] = 1;
  m->ew[5][0] = 10.0f;
  return m;
}

TEST(GeneFlow, SmallHerdAgainstExplicitMatrixPowers) {
  auto m = small_herd(3.5f);
  gene_flow(*m);
  ASSERT_EQ(m->acm, 8);
  Matrix pm{};
  pm[1] = {0, 0, 0.3125L, 0.1875L, 0.35L, 0.15L};  // dams: half their genes from the cows' cycles
  pm[2][1] = pm[3][2] = pm[5][4] = 1;              // ageing
  pm[4] = {0, 0.1L, 0.25L, 0.15L, 0.3L, 0.2L};
  pm[6] = pm[1];  // the calves get their genes as the young dams do
  for (int i = 0; i < N; ++i)
    for (int k = 0; k < N; ++k) EXPECT_NEAR(m->PM[i][k], static_cast<double>(pm[i][k]), 1e-7) << i << " " << k;

  // Discounted sum of the shares of the sires' genes over three years.
  std::array<LD, N> share{}, sum{};
  share[4] = 1;
  for (int y = 1; y <= 3; ++y) {
    std::array<LD, N> next{};
    for (int i = 0; i < N; ++i)
      for (int k = 0; k < N; ++k) next[i] += pm[i][k] * share[k];
    share = next;
    for (int i = 0; i < N; ++i) sum[i] += share[i] / std::pow(LD(1.0f + 0.05f), y);
  }
  for (int i = 1; i < N; ++i) EXPECT_NEAR(m->m_sum[i], static_cast<double>(sum[i]), 1e-6) << i;
  // Calves express the weight per calf once each; the dams of each cycle
  // express it twice their share in the young dams' genes.
  LD cows = 0;
  for (int i = 1; i <= 3; ++i) cows += sum[i] * 2 * pm[1][i] * 10;
  EXPECT_NEAR(m->ew_d[5], static_cast<double>(sum[6] * 10), 1e-5);
  EXPECT_NEAR(m->ew_m[5], static_cast<double>(cows), 1e-5);

  auto short_period = small_herd(0.5f);  // no whole year: nothing is expressed
  gene_flow(*short_period);
  EXPECT_EQ(short_period->ew_d[5], 0.0f);
  EXPECT_EQ(short_period->ew_m[5], 0.0f);
}

}  // namespace
}  // namespace zelvan
