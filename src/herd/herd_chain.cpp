// Transition matrix of the places for cows in the herd, its stationary
// state, and the herd figures taken from it: calvings per cycle, calving
// interval, productive life and involuntary replacement.
//
// The chain itself is in double precision; the figures derived from it are
// single-precision sums, each addition rounded to single precision.
#include "herd/herd_chain.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "herd/herd_phases.h"
#include "input/messages.h"

namespace zelvan {

namespace {

// Convergence of the iteration: mean squared change of a share per step.
constexpr double kConverged = 1e-10;
constexpr int kMaxSteps = 2000;

int herd_states(const Model& m) { return std::clamp(m.TT, 0, T - 1); }

float& life(Model& m, int i, int k) { return m.life[6 * i + 18 + k]; }

// Every place whose cow leaves the herd (fates 1..5, and the fates of the
// last cycle) starts over with a heifer in her first cycle.
void replacement_rows(Model& m) {
  const int n = cycles(m);
  for (int i = 1; i <= n; ++i) {
    for (int k = 1; k <= 5; ++k) {
      if (i == n && k == 5) continue;
      const int r = 6 * (i - 1) + k;
      for (int c = 1; c <= 6; ++c) m.tmat[r][c] = fate(m, 1, c);
    }
  }
}

// A cow that survived cycle i ends cycle i+1 with its fates; the cycle
// before the last leads into a cycle that has no fates 5 and 6.
void survivor_rows(Model& m) {
  const int n = cycles(m);
  for (int i = 1; i < n; ++i) {
    const int last_fate = i == n - 1 ? 4 : 6;
    for (int c = 1; c <= last_fate; ++c) m.tmat[6 * i][6 * i + c] = fate(m, i + 1, c);
  }
}

// Share of calvings that start each cycle: the cow cycles of all fates of
// that cycle.
void calvings_per_cycle(Model& m) {
  const int n = cycles(m);
  m.Ncalt = 0;
  for (int c = 0; c < n; ++c) m.l3[c] = 0;
  for (int c = 0; c < n - 1; ++c) {
    for (int k = 1; k <= 6; ++k) m.l3[c] = m.l3[c] + m.l2[6 * c + k];
    m.Ncalt = m.Ncalt + m.l3[c];
  }
  for (int k = 1; k <= 4; ++k) m.l3[n - 1] = m.l3[n - 1] + m.l2[6 * (n - 1) + k];
  m.Ncalt = m.Ncalt + m.l3[n - 1];
}

void crossbred_calvings(Model& m) {
  m.avecalc = 0;
  for (int c = 0; c < cycles(m); ++c) m.avecalc = m.avecalc + m.cal[1][c] * m.l3[c];
}

// Days from the first calving to the moment the cow leaves, for each way of
// leaving; for the survivor states, to the end of the cycle.
void productive_life_per_state(Model& m) {
  const int n = cycles(m);
  const int last_category = std::clamp(m.CC, 0, C - 1);
  for (int x = 0; x <= last_category; ++x) m.life[x] = 0;
  float a = 0;
  for (int i = 1; i <= n; ++i) {
    if (i > 1) a = a + m.ci[i - 2];
    life(m, i, 1) = m.ci[i - 1] / 2 + a;  // a lost cow dies in mid-cycle on average
    life(m, i, 2) = a + m.ndaydys;
    life(m, i, 3) = m.ci[i - 1] / 2 + a;
    life(m, i, 4) = m.dayslac[i - 1] + a;  // open cows leave at the end of the lactation
  }
  a = 0;
  for (int i = 1; i < n; ++i) {
    a = a + m.ci[i - 1];
    life(m, i, 5) = 0;
    life(m, i, 6) = a;
  }
}

// Calving interval averaged over the cows that do calve again.
void average_calving_interval(Model& m) {
  float weighted = 0;
  float survivors = 0;
  for (int i = 1; i < cycles(m); ++i) {
    weighted = weighted + m.l2[6 * i] * m.ci[i - 1];
    survivors = survivors + m.l2[6 * i];
  }
  m.ciav = weighted / survivors;
}

// Productive life over the states in which a cow leaves the herd, per cow
// entering (l3[0] heifers enter per calving).
void average_productive_life(Model& m) {
  float days = 0;
  for (int s = 1; s <= herd_states(m); ++s)
    if (std::fmod(s, 6) > 0.01) days = days + m.life[24 + s] * m.l2[s];
  m.avelifecy = static_cast<float>(days / (365 * m.l3[0]));
  m.avelifecl = static_cast<float>(1 / m.l3[0]);
}

// Cow cycles ending in loss or in culling for health, per calving.
void involuntary_replacement(Model& m) {
  m.losc = 0;
  for (int i = 1; i <= cycles(m); ++i) m.losc = m.losc + m.l3[i - 1] * (m.culh[i - 1] + fate(m, i, 1));
}

}  // namespace

void build_transition_matrix(Model& m) {
  const int n = herd_states(m);
  for (int r = 0; r <= n; ++r)
    for (int c = 0; c <= n; ++c) m.tmat[r][c] = 0;
  replacement_rows(m);
  survivor_rows(m);
}

void check_row_sums(const Model& m) {
  const int n = herd_states(m);
  for (int r = 1; r <= n; ++r) {
    double sum = 0;
    for (int c = 1; c <= n; ++c) sum = sum + m.tmat[r][c];
    if (sum < 0.999999 || sum > 1.000001) stop_row_sum(r, sum);
  }
}

void find_stationary_state(Model& m) {
  m.n = herd_states(m);
  const int n = m.n;
  double next[T] = {};
  m.l2[0] = 0;
  m.l2[1] = 1;
  for (int s = 2; s <= n; ++s) m.l2[s] = 0;
  m.niter = 0;
  double change = 1;
  while (change > kConverged) {
    m.niter = m.niter + 1;
    if (m.niter > kMaxSteps) break;
    // next is not cleared: from the second step on it still holds the
    // current shares, so a step gives l2 + l2 T, which has the same
    // normalised fixed point as l2 T.
    for (int j = 1; j <= n; ++j)
      for (int i = 1; i <= n; ++i) next[j] = next[j] + m.l2[i] * m.tmat[i][j];
    double sum = 0;
    for (int j = 1; j <= n; ++j) sum = sum + next[j];
    double squares = 0;
    for (int j = 1; j <= n; ++j) {
      next[j] = next[j] / sum;
      const double step = next[j] - m.l2[j];
      squares = squares + step * step;
    }
    change = squares / n;
    for (int j = 1; j <= n; ++j) m.l2[j] = next[j];
  }
}

void derive_herd_figures(Model& m) {
  calvings_per_cycle(m);
  crossbred_calvings(m);
  productive_life_per_state(m);
  average_calving_interval(m);
  average_productive_life(m);
  involuntary_replacement(m);
}

void herd_transition_matrix(Model& m) {
  if (m.trait == 0) std::printf("  Constructing matrix T for system 4\n");
  build_transition_matrix(m);
  check_row_sums(m);
  find_stationary_state(m);
  derive_herd_figures(m);
}

}  // namespace zelvan
