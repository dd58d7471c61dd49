#include "weights/gene_flow.h"

#include <cmath>

#include "input/messages.h"
#include "input/textio.h"
#include "weights/economic_weights.h"

namespace zelvan {

namespace {

// First classes of the blocks of the gene-flow model. Classes are numbered
// from 1: beef sires, dairy dams by age (the last LL of them are the cows'
// reproduction cycles), dairy sires, cross-bred progeny of the beef sires
// (ageing as cross-bred dams when they are kept for breeding), then one
// class each for the pure-bred calves (acm - 2), the cross-bred calves
// (acm - 1) and the progeny of the cross-bred dams (acm).
int first_dam(const Model& m) { return m.acsb + 1; }
int last_dam(const Model& m) { return m.acsb + m.acdd; }
int first_dairy_sire(const Model& m) { return m.acsb + m.acdd + 1; }
int last_dairy_sire(const Model& m) { return m.acsb + m.acdd + m.acsd; }
int first_crossbred(const Model& m) { return m.acsb + m.acdd + m.acsd + 1; }
int last_crossbred(const Model& m) { return m.acm - 3; }

bool crossbred_dams_kept(const Model& m) { return m.utifemcr == 3; }

// Class k of one of the last LL dam classes is reproduction cycle c = 0..LL-1.
// Classes that would fall before the dam block are left out.
template <class F>
void for_each_cow_cycle(const Model& m, F f) {
  const int ll = cycles(m);
  for (int c = 0; c < ll; ++c) {
    const int k = m.acdd + m.acsb + 1 - ll + c;
    if (k >= first_dam(m)) f(k, c);
  }
}

void ageing(Model& m, int from, int to) {
  for (int i = from; i <= to; ++i) m.PM[i][i - 1] = 1.0;
}

// Share of the genes of a calf of breed index j that comes from the dams
// of cycle c: half of the calf's genes come from its dam.
double from_dam_of_cycle(const Model& m, int j, int c) {
  return m.l3[c] * static_cast<double>(m.cal[j][c]) / (2.0 * static_cast<double>(m.Ncal[j]));
}

// FROM1_3.TXT: the beef side of the system in which the cross-bred dams are
// kept, with its gene proportions per cycle and its weights per cow and
// year (into the beef sire breed's weights, j = 2). Returns their sum s.
float read_beef_side(Model& m) {
  TextIn in = open_text("FROM1_3.TXT");
  readcom(in);
  m.prodsys2 = scan_int(in);
  m.L3 = scan_int(in);
  if (m.L3 < 1 || m.L3 > m.acdc) {
    stop_out_of_range(in.name, "the number of reproduction cycles", m.L3, 1, m.acdc);
  }
  m.tconh3 = scan_float(in);
  const int first = m.acm - 2 - m.L3;
  for (int i = 0; i < m.L3; ++i) m.PM[m.acm][first + i] = scan_double(in);
  for (int t = 1; t <= 29; ++t) m.ew[t][2] = scan_float(in);
  for (int t : {43, 44, 47, 45}) m.ew[t][2] = scan_float(in);
  close_text(in);
  float s = 0.0f;
  for (int i = 0; i < m.L3; ++i) s += m.PM[m.acm][first + i];
  if (s == 0.0f) stop_zero_divisor("FROM1_3.TXT", "the sum of the shares of calvings");
  // The progeny of the cross-bred dams gets half its genes from them.
  for (int i = 0; i < m.L3; ++i) m.PM[m.acm][first + i] = 0.5 / s * m.PM[m.acm][first + i];
  return s;
}

}  // namespace

float build_transmission_matrix(Model& m) {
  const int path4 = first_crossbred(m);  // row of the beef sires' cross-bred progeny
  if (m.Ncal[1] > 1e-6) {
    ageing(m, 2, m.acsb);
    // The cross-bred calves get the beef sires' genes as their progeny does.
    for (int k = 1; k <= m.acsb; ++k) m.PM[m.acm - 1][k] = m.PM[path4][k];
  }
  if (m.Ncal[1] < 1e-6 || !crossbred_dams_kept(m)) {
    for (int k = 1; k <= m.acsb; ++k) m.PM[path4][k] = 0.0;
  }
  if (m.Ncal[0] != 0.0f) {
    for_each_cow_cycle(m, [&](int k, int c) {
      m.PM[m.acm - 2][k] = from_dam_of_cycle(m, 0, c);
      m.PM[first_dam(m)][k] = m.PM[m.acm - 2][k];
    });
  } else {
    warn_weight(m, 0, 0, kNoDairyCalves);
  }
  ageing(m, first_dam(m) + 1, last_dam(m));
  if (m.Ncal[1] > 0.0f) {
    for_each_cow_cycle(m, [&](int k, int c) { m.PM[m.acm - 1][k] = from_dam_of_cycle(m, 1, c); });
  }
  ageing(m, first_dairy_sire(m) + 1, last_dairy_sire(m));
  if (m.Ncal[1] > 0.0f && crossbred_dams_kept(m)) {
    for_each_cow_cycle(m, [&](int k, int c) { m.PM[path4][k] = from_dam_of_cycle(m, 1, c); });
  }
  for (int k = first_dairy_sire(m); k <= last_dairy_sire(m); ++k) m.PM[m.acm - 2][k] = m.PM[first_dam(m)][k];
  if (m.Ncal[1] > 0.0f && crossbred_dams_kept(m)) ageing(m, first_crossbred(m) + 1, last_crossbred(m));
  if (m.Ncal[1] > 1e-6 && crossbred_dams_kept(m)) return read_beef_side(m);
  return 0.0f;
}

void expressions_per_class(Model& m, float s) {
  const int acm = m.acm;
  // Expressions per animal of the progeny of the cross-bred dams: the beef
  // side's calves, or (when it keeps only heifers) its heifers that calve.
  const float w = static_cast<float>(2 * m.PM[acm][acm - 2 - m.L3] * s);
  const float calves = m.l1[m.CC + 24];
  const float heifers = m.l1[m.CC + 23];
  m.pc = 0.0f;
  const bool only_calves = calves > 1e-6 && heifers < 1e-6;
  const bool only_heifers = heifers > 1e-6 && calves < 1e-6;
  if ((only_calves || only_heifers) && w == 0.0f) {
    warn_weight(m, 0, 1, kNoCrossbredDamProportions);
  } else if (only_calves) {
    m.pc = calves / w;
  } else if (only_heifers) {
    m.pc = m.tconh3 * heifers / w;
  }

  for (int i = 0; i <= acm; ++i) {
    m.hm[i] = 0.0f;
    m.hd[i] = 0.0f;
  }
  for (int t = 0; t < NT; ++t) {
    for (int i = 0; i <= acm; ++i) {
      m.ewwm[t][i] = 0.0f;
      m.ewwd[t][i] = 0.0f;
    }
    m.ewwd[t][acm - 2] = m.ewc[t][0];
    m.ewwd[t][acm - 1] = m.ewc[t][1];
    m.ewwd[t][acm] = m.ew[t][2];
    for (int i = first_dam(m); i <= last_dam(m); ++i) m.ewwm[t][i] = m.ew[t][0] + m.ew[t][1];
    for (int i = first_crossbred(m); i <= last_crossbred(m); ++i) m.ewwm[t][i] = m.ew[t][2];
  }
  m.hd[acm - 2] = m.Ncal[0];
  m.hd[acm - 1] = m.Ncal[1];
  m.hd[acm] = m.pc;
  for (int i = first_dam(m); i <= last_dam(m); ++i) m.hm[i] = static_cast<float>(2 * m.PM[first_dam(m)][i]);
  for (int i = first_crossbred(m); i <= last_crossbred(m); ++i) {
    m.hm[i] = static_cast<float>(2 * m.PM[acm][i] * m.pc);
  }
}

void discounted_gene_flow(Model& m) {
  const int acm = m.acm;
  for (int i = 0; i <= acm; ++i) {
    m.m_sum[i] = 0.0f;
    m.m_gf[i] = 0.0f;
    m.m_gf0[i] = 0.0f;
  }
  // The selected group starts with the whole improvement.
  if (m.gene_flow == 1) m.m_gf0[m.acdd + m.acsb + m.n_sac] = 1.0f;
  if (m.gene_flow == 2) m.m_gf0[m.acsb + m.n_sac] = 1.0f;
  if (m.gene_flow == 3) m.m_gf0[m.n_sac] = 1.0f;
  const double growth = 1.0f + m.u;  // one year's interest factor
  for (int y = 1; static_cast<float>(y) <= m.l_inv; ++y) {
    // Next year's shares all come from this year's.
    for (int i = 1; i <= acm; ++i)
      for (int k = 1; k <= acm; ++k) m.m_gf[i] = static_cast<float>(m.m_gf[i] + m.PM[i][k] * m.m_gf0[k]);
    const double compounded = std::pow(growth, y);  // interest factor over y years
    for (int i = 1; i <= acm; ++i) {
      m.m_gf0[i] = m.m_gf[i];
      m.m_sum[i] = static_cast<float>(m.m_gf0[i] / compounded + m.m_sum[i]);
      m.m_gf[i] = 0.0f;
    }
  }
}

void weights_over_gene_flow(Model& m) {
  for (int t = 1; t < NT; ++t) {
    for (int i = 1; i <= m.acm; ++i) {
      if (m.delta_d[t] == 1) m.ew_d[t] = m.m_sum[i] * (m.hd[i] * m.ewwd[t][i]) + m.ew_d[t];
      if (m.delta_m[t] == 1) m.ew_m[t] = m.m_sum[i] * (m.hm[i] * m.ewwm[t][i]) + m.ew_m[t];
    }
  }
}

void gene_flow(Model& m) {
  m.acm = m.acdd + m.acsb + m.acsd + m.acdc + 3;
  const float s = build_transmission_matrix(m);
  weights_per_calf(m);
  expressions_per_class(m, s);
  discounted_gene_flow(m);
  weights_over_gene_flow(m);
}

}  // namespace zelvan
