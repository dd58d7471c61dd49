// Reproduction cycle of the dairy cows: from the per-cycle losses, culling
// rates, calving difficulty, conception rates and beef-bull matings to the
// probability of each of the six ways in which a cycle ends.
//
// Everything here is single precision and follows the order of the
// subtractions as the herd book-keeping does it: a share is always taken off
// what is left, one part after the other, and the roundings depend on that.

#include "herd/herd_chain.h"
#include "herd/herd_phases.h"

namespace zelvan {

namespace {

// A changed conception rate at the first insemination carries the later
// rates along in proportion (the ratios were fixed from the input).
void spread_conception_rates(Model& m) {
  for (int s = 0; s < cow_inseminations(m); ++s) m.ecrinc[s] = m.kconc[s] * m.ecrinc[0];
}

// Losses and health culling happen all through the cycle; the part that
// falls between calving and first insemination is the share of the year
// that this period takes.
void split_losses_and_health_culling(Model& m) {
  for (int i = 1; i <= cycles(m); ++i) {
    const float before_mating = m.intcm / 365;
    m.clcm[i - 1] = before_mating * fate(m, i, 1);
    m.clmc[i - 1] = fate(m, i, 1) - m.clcm[i - 1];
    fate(m, i, 3) = m.culh[i - 1] + m.culvol[i - 1];
    m.cculcm[i - 1] = before_mating * fate(m, i, 3);
    m.cculmc[i - 1] = fate(m, i, 3) - m.cculcm[i - 1];
  }
}

// Class 0 holds the easy calvings, the rest of each sex's distribution;
// the difficult calvings are the classes from dyscl on (none when dyscl is
// above DD).
void dystocia_by_sex(Model& m) {
  const int classes = difficulty_classes(m);
  for (int j = 0; j <= last_breed(m); ++j) {
    for (int c = 0; c < cycles(m); ++c) {
      m.dysmm[0][j][c] = 1;
      m.dysff[0][j][c] = 1;
      for (int d = 1; d < classes; ++d) {
        m.dysff[0][j][c] = m.dysff[0][j][c] - m.dysff[d][j][c];
        m.dysmm[0][j][c] = m.dysmm[0][j][c] - m.dysmm[d][j][c];
      }
      m.dysm[j][c] = 0;
      m.dysf[j][c] = 0;
      for (int d = m.dyscl - 1; d < classes; ++d) {
        m.dysf[j][c] = m.dysf[j][c] + m.dysff[d][j][c];
        m.dysm[j][c] = m.dysm[j][c] + m.dysmm[d][j][c];
      }
    }
  }
  for (int c = 0; c < cycles(m); ++c)
    for (int j = 0; j <= last_breed(m); ++j) m.dys[j][c] = 0.5f * (m.dysf[j][c] + m.dysm[j][c]);
}

// The calving that starts cycle 1 follows the mating of the heifer; the
// one that starts cycle c+1 follows the mating in cycle c.
void breed_of_calves(Model& m) {
  const int n = cycles(m);
  if (m.cb == 1) {
    if (n > 0) m.cal[1][0] = m.pcrossh;
    for (int c = 1; c < n; ++c) m.cal[1][c] = m.pcross[c - 1];
  } else {
    for (int c = 0; c < n; ++c) m.cal[1][c] = 0;
  }
  for (int c = 0; c < n; ++c) m.cal[0][c] = 1 - m.cal[1][c];
}

void difficult_calvings(Model& m, int c) {
  m.dysc[c] = m.cal[1][c] * m.dys[1][c] + m.dys[0][c] * m.cal[0][c];
  m.pcdys[c] = m.dysc[c] * m.cmd;
}

// Conception over the inseminations of cycle c+1. Each insemination
// catches its rate of the cows still open; cows after a difficult calving
// conceive at a rate lowered by crdys.
void conception_in_cycle(Model& m, int c) {
  const int n = cow_inseminations(m);
  m.intconc[c] = 0;
  m.cp[c] = 0;
  m.cpinndys[c][0] = 0;
  m.cpindys[c][0] = 0;
  difficult_calvings(m, c);
  m.dysmat[c] = m.dysc[c] - m.pcdys[c];
  // Losses and health culling before mating are counted against the next
  // element of the per-cycle arrays.
  m.cmat[c] = ((1 - m.pcdys[c]) - m.cculcm[c + 1]) - m.clcm[c + 1];

  for (int s = 0; s < n; ++s) {
    float open = m.dysmat[c];
    for (int t = 0; t < s; ++t) open = open - m.cpindys[c][t];
    m.cpindys[c][s] = open * (m.ecrinc[s] - m.crdys);
  }
  for (int s = 0; s < n; ++s) {
    float open = m.cmat[c] - m.dysmat[c];
    for (int t = 0; t < s; ++t) open = open - m.cpinndys[c][t];
    m.cpinndys[c][s] = open * m.ecrinc[s];
  }
  for (int s = 0; s < n; ++s) {
    m.cpin[c][s] = m.cpinndys[c][s] + m.cpindys[c][s];
    m.cp[c] = m.cp[c] + m.cpin[c][s];
  }
  m.ncp[c] = m.cmat[c] - m.cp[c];
  for (int s = 0; s < n; ++s) m.pconc[c][s] = m.cpin[c][s] / m.cp[c];
  for (int s = 0; s < n; ++s) m.intconc[c] = m.intconc[c] + static_cast<float>(s) * m.pconc[c][s] * m.inint;

  m.ci[c] = (m.intconc[c] + m.intcm) + m.lgpre;
  m.dayslac[c] = m.ci[c] - m.dd;
}

// A cow in her last cycle is not mated again: she is culled at the end of
// the lactation, which therefore stands in for her calving interval.
void last_cycle(Model& m) {
  const int last = cycles(m) - 1;
  if (last < 0) return;
  if (last >= 1) {
    m.dayslac[last] = m.dayslac[last - 1];
    m.ci[last] = m.dayslac[last];
  }
  difficult_calvings(m, last);
}

// Fate 5 never happens; fate 6 (survival to the next calving) is what is
// left. In the last cycle there is no next calving and every cow still
// present leaves as fate 4.
void fate_probabilities(Model& m) {
  const int n = cycles(m);
  for (int i = 1; i <= n; ++i) fate(m, i, 2) = m.pcdys[i - 1];
  for (int i = 1; i < n; ++i) {
    fate(m, i, 4) = m.ncp[i - 1];
    fate(m, i, 5) = 0;
    fate(m, i, 6) = ((((1 - fate(m, i, 1)) - fate(m, i, 2)) - fate(m, i, 3)) - fate(m, i, 4)) - fate(m, i, 5);
  }
  if (n > 0) fate(m, n, 4) = ((1 - fate(m, n, 1)) - fate(m, n, 2)) - fate(m, n, 3);
}

}  // namespace

void cow_herd_structure(Model& m) {
  spread_conception_rates(m);
  split_losses_and_health_culling(m);
  dystocia_by_sex(m);
  breed_of_calves(m);
  const int last = cycles(m) - 1;
  if (last >= 0) {
    m.cmat[last] = 0;
    m.dysmat[last] = 0;
  }
  for (int c = 0; c < last; ++c) conception_in_cycle(m, c);
  last_cycle(m);
  fate_probabilities(m);
}

}  // namespace zelvan
