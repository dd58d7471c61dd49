#include "herd/herd_chain.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <vector>

#include "herd/herd_phases.h"
#include "test_support.h"

namespace zelvan {
namespace {

// A herd of LL cycles whose cycles end with fates 1..4 as given (the last
// entry repeats; fate 5 is empty, fate 6 takes the rest, and the last cycle
// keeps the rest as fate 4).
std::unique_ptr<Model> herd(int LL, const std::vector<std::array<float, 4>>& fates) {
  auto m = testing_support::new_model();
  m->LL = LL, m->TT = 6 * LL - 2, m->CC = m->TT + 24, m->trait = 1, m->ndaydys = 40;
  for (int i = 1; i <= LL; ++i) {
    const auto& f = fates[std::min<size_t>(i - 1, fates.size() - 1)];
    for (int k = 1; k <= 3; ++k) fate(*m, i, k) = f[k - 1];
    const float rest = ((1 - f[0]) - f[1]) - f[2];
    fate(*m, i, 4) = i == LL ? rest : f[3];
    if (i < LL) fate(*m, i, 6) = rest - f[3];
    m->ci[i - 1] = 370 + 5 * i, m->dayslac[i - 1] = 300 + 4 * i, m->culh[i - 1] = 0.5f * f[2];
  }
  return m;
}

// Every row of a three-cycle matrix sums to 1 except `row`, which sums to `sum`.
void one_row_summing(Model& m, int row, double sum) {
  for (int r = 1; r <= m.TT; ++r) {
    for (int c = 1; c <= m.TT; ++c) m.tmat[r][c] = 0;
    m.tmat[r][1] = 0.5, m.tmat[r][m.TT] = r == row ? sum - 0.5 : 0.5;
  }
}

TEST(HerdChainDeathTest, RowSumsOutsideTheToleranceStopWithRowAndSum) {
  auto m = herd(3, {{0.03f, 0.01f, 0.12f, 0.08f}});
  one_row_summing(*m, 9, 0.9999995);
  check_row_sums(*m);
  one_row_summing(*m, 16, 1.0000005);
  check_row_sums(*m);
  one_row_summing(*m, 3, 0.999998);
  EXPECT_EXIT({ dup2(2, 1); check_row_sums(*m); }, ::testing::ExitedWithCode(0),
              "Sum of elements of T is different from 1: \n     3  0\\.999998000\n");
  one_row_summing(*m, 7, 1.000002);
  EXPECT_EXIT({ dup2(2, 1); check_row_sums(*m); }, ::testing::ExitedWithCode(0), "     7  1\\.000002000\n");
}

// Solves pi = pi T with the shares adding to 1 (one balance equation
// replaced), by Gauss-Jordan elimination with partial pivoting in long double.
std::vector<long double> solve_stationary(const Model& m) {
  const int n = m.TT;
  std::vector<std::vector<long double>> a(n, std::vector<long double>(n + 1, 0));
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) a[j][i] = m.tmat[i + 1][j + 1] - (i == j ? 1 : 0);
  for (int i = 0; i <= n; ++i) a[0][i] = 1;
  for (int col = 0; col < n; ++col) {
    int pivot = col;
    for (int r = col + 1; r < n; ++r)
      if (fabsl(a[r][col]) > fabsl(a[pivot][col])) pivot = r;
    std::swap(a[col], a[pivot]);
    for (int r = 0; r < n; ++r)
      for (int c = n; c >= col && r != col; --c) a[r][c] -= a[r][col] / a[col][col] * a[col][c];
  }
  std::vector<long double> pi(n);
  for (int i = 0; i < n; ++i) pi[i] = a[i][n] / a[i][i];
  return pi;
}

// The herd figures follow one heifer through her cycles instead of the
// places of the herd: she reaches cycle i with the product of the survival
// probabilities of the cycles before.
TEST(HerdChain, StationaryStateAndFiguresAgreeWithACohortOfHeifers) {
  auto m = herd(5, {{0.02f, 0.015f, 0.09f, 0.06f}, {0.03f, 0.01f, 0.12f, 0.08f}, {0.05f, 0.02f, 0.15f, 0.10f},
                    {0.07f, 0.03f, 0.2f, 0.12f}, {0.1f, 0.03f, 0.25f, 0}});
  m->cal[1][0] = 0.1f, m->cal[1][2] = 0.4f;
  herd_transition_matrix(*m);
  const std::vector<long double> pi = solve_stationary(*m);
  for (int s = 1; s <= m->TT; ++s)
    EXPECT_NEAR(m->l2[s], static_cast<double>(pi[s - 1]), 1e-3 * static_cast<double>(pi[s - 1]) + 1e-15) << s;
  double reach = 1, calvings = 0, days = 0, interval = 0, survivors = 0, involuntary = 0, crossbred = 0, before = 0;
  for (int i = 1; i <= m->LL; ++i) {
    const double ci = m->ci[i - 1];
    calvings += reach, crossbred += reach * m->cal[1][i - 1];
    days += reach * (fate(*m, i, 1) * (before + ci / 2) + fate(*m, i, 2) * (before + m->ndaydys) +
                     fate(*m, i, 3) * (before + ci / 2) + fate(*m, i, 4) * (before + m->dayslac[i - 1]));
    involuntary += reach * (m->culh[i - 1] + fate(*m, i, 1));
    if (i < m->LL) interval += reach * fate(*m, i, 6) * ci, survivors += reach * fate(*m, i, 6);
    before += ci, reach *= fate(*m, i, 6);
  }
  EXPECT_NEAR(m->avelifecl, calvings, 1e-3 * calvings);
  EXPECT_NEAR(m->avelifecy, days / 365, 1e-3 * days / 365);
  EXPECT_NEAR(m->ciav, interval / survivors, 1e-3 * m->ciav);
  EXPECT_NEAR(m->losc, involuntary / calvings, 1e-3 * m->losc);
  EXPECT_NEAR(m->avecalc, crossbred / calvings, 1e-3 * m->avecalc);
}

}  // namespace
}  // namespace zelvan
