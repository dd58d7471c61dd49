#include "weights/economic_weights.h"

#include <cmath>

namespace zelvan {

namespace {

// Milk-quota correction of a trait's weight.
enum class Quota {
  none,
  milk,  // with a quota (milkquota 2 or 3)
  fat,   // only when fat is also under the quota (milkquota 3)
};

// How the weight of a trait is formed from its pair of runs.
struct WeightRule {
  int trait;
  double k;                         // factor of the difference quotient (unit of the trait: 1, %, g)
  Quota quota = Quota::none;        // milk-quota correction
  float Model::*outcome = nullptr;  // quantity whose values in the two runs replace tvh, tvl
  float Model::*loss = nullptr;     // disease loss that replaces the profit, sign reversed
  int derived = 0;                  // trait weighted per a derived quantity (j = 0 only), or 0
  float Model::*per = nullptr;      // the derived quantity
};

// The trait table; what a row leaves out is none (no quota correction, no
// outcome, loss or derived quantity). Trait 31 is the milk level, but its weight is per kg of
// the herd's average 305-day yield (its own derived quantity); trait 30 gets
// its factor only after the quota correction.
const WeightRule kRules[] = {
    {2, 0.01}, {3, 0.01}, {4, 1.0}, {5, 1.0}, {9, 0.001}, {10, 0.01},
    {11, 0.01, Quota::milk, &Model::losc, nullptr, 29, &Model::avelifecy},
    {12, 0.01, Quota::milk, nullptr, nullptr, 40, &Model::intconh},
    {13, 0.01, Quota::milk, nullptr, nullptr, 41, &Model::ciav},
    {14, 0.01}, {15, 0.01}, {16, 0.01}, {17, 0.01}, {19, 0.01}, {20, 0.01}, {21, 0.01}, {22, 0.01},
    {24, 0.01, Quota::milk}, {25, 0.01, Quota::milk}, {30, 0.001, Quota::milk},
    {31, 1.0, Quota::milk, nullptr, nullptr, 31, &Model::milk305ave},
    {32, 1.0, Quota::fat, nullptr, nullptr, 33, &Model::fat305ave},
    {34, 1.0, Quota::none, nullptr, nullptr, 35, &Model::prot305ave},
    {36, 0.01},
    {37, 1.0, Quota::none, &Model::ymi, &Model::losstotal},
    {38, 1.0}, {39, 1.0}, {42, 1.0}, {43, 1.0}, {44, 1.0}, {45, 1.0},
    {46, 1.0, Quota::none, &Model::ycdi, &Model::losstcd},
};

const WeightRule* rule_of(int trait) {
  for (const WeightRule& r : kRules)
    if (r.trait == trait) return &r;
  return nullptr;
}

bool quota_corrected(const Model& m, const WeightRule& r) {
  if (r.quota == Quota::milk) return m.milkquota > 1;
  if (r.quota == Quota::fat) return m.milkquota == 3;
  return false;
}

// Fat under the quota: the milk of the fat runs is not taken from the runs
// but scaled like the fat content itself.
constexpr double kFatMilk[2][2] = {{1.01, 0.99}, {1.005, 0.995}};

int pair_index(Estimate pair) { return pair == Estimate::first ? 0 : 1; }

// A weight is kept only when it could be formed: a zero denominator or a
// result that is not a number leaves it 0 with a warning for the results.
bool usable(Model& m, int trait, int j, float denominator, int reason) {
  if (denominator != 0.0f && std::isfinite(denominator)) return true;
  warn_weight(m, trait, j, reason);
  return false;
}

void keep(Model& m, float (&target)[NT][3], int trait, int j, float w) {
  if (!std::isfinite(w)) {
    warn_weight(m, trait, j, kNotFinite);
    w = 0.0f;
  }
  target[trait][j] = w;
}

// The quota correction: the change of the herd's milk per unit of the trait,
// relative to the base run's milk, costs that share of the base profit.
bool quota_share(Model& m, int trait, int j, float denominator) {
  if (!usable(m, trait, j, m.milktotm, kNoBaseMilk)) return false;
  m.deltamilk = (m.milktoth - m.milktotl) / denominator;
  m.deltacow = m.deltamilk / m.milktotm;
  return true;
}

// The weight of the trait itself, from the changed values (or outcomes).
void trait_weight(Model& m, const WeightRule& r, int j, float (&target)[NT][3]) {
  const float dv = m.tvh - m.tvl;
  if (!usable(m, r.trait, j, dv, kTraitDoesNotMove)) {
    target[r.trait][j] = 0.0f;
    return;
  }
  const float dprofit = m.Tprofh - m.Tprofl;
  const bool quota = quota_corrected(m, r);
  if (quota && !quota_share(m, r.trait, j, dv)) {
    target[r.trait][j] = 0.0f;
    return;
  }
  float w;
  if (r.loss != nullptr) {
    w = -(m.Tprofh - m.Tprofl) / dv;  // a loss, not a profit: the sign turns
  } else if (r.trait == 30 && quota) {
    // The daily gain is corrected per kg and then expressed per g.
    w = dprofit / dv;
    w = w - m.deltacow * m.Tprofm;
    w = static_cast<float>(0.001 * static_cast<double>(w));
  } else if (r.k == 1.0) {
    w = dprofit / dv;
    if (quota) w = w - m.deltacow * m.Tprofm;
  } else {
    w = static_cast<float>(r.k * static_cast<double>(dprofit) / static_cast<double>(dv));
    if (quota) {
      w = static_cast<float>(static_cast<double>(w) +
                             static_cast<double>(m.Tprofm) * (static_cast<double>(m.deltacow) * -0.01));
    }
  }
  keep(m, target, r.trait, j, w);
}

// The weight per unit of the derived quantity. For the milk level (trait 31)
// it replaces the trait's own weight, while its quota correction stays per
// unit of the milk level.
void derived_weight(Model& m, const WeightRule& r, float (&target)[NT][3]) {
  const float dav = m.avh - m.avl;
  if (!usable(m, r.derived, 0, dav, kDerivedDoesNotMove)) {
    target[r.derived][0] = 0.0f;
    return;
  }
  float w = (m.Tprofh - m.Tprofl) / dav;
  if (quota_corrected(m, r)) {
    const float denominator = r.trait == 31 ? m.tvh - m.tvl : dav;
    if (!usable(m, r.derived, 0, denominator, kTraitDoesNotMove) || !quota_share(m, r.derived, 0, denominator)) {
      target[r.derived][0] = 0.0f;
      return;
    }
    w = w - m.deltacow * m.Tprofm;
  }
  keep(m, target, r.derived, 0, w);
}

void record_run(Model& m, int trait, Estimate pair, float& tv, float& profit, float& milk, float& av, int side) {
  const WeightRule* r = rule_of(trait);
  if (r == nullptr) return;
  if (r->outcome != nullptr) tv = m.*(r->outcome);
  if (r->loss != nullptr) profit = m.*(r->loss);
  if (r->per != nullptr) av = m.*(r->per);
  if (!quota_corrected(m, *r)) return;
  if (r->quota == Quota::fat) {
    const float base = side == 0 ? m.milktotm : m.milktot;
    milk = static_cast<float>(kFatMilk[pair_index(pair)][side] * static_cast<double>(base));
  } else {
    milk = m.milktot;
  }
}

}  // namespace

void start_weights(Model& m) {
  for (int t = 0; t < NT; ++t) {
    m.ew_m[t] = 0.0f;
    m.ew_d[t] = 0.0f;
    for (int j = 0; j < 3; ++j) {
      m.ew0[t][j] = 0.0f;
      m.ew[t][j] = 0.0f;
    }
  }
  m.nwarn = 0;
  if (m.milkquota > 1) {
    m.Tprofm = m.Tprof;
    m.milktotm = m.milktot;
  }
}

void record_raised_run(Model& m, int trait, Estimate pair) {
  record_run(m, trait, pair, m.tvh, m.Tprofh, m.milktoth, m.avh, 0);
}

void record_lowered_run(Model& m, int trait, Estimate pair) {
  record_run(m, trait, pair, m.tvl, m.Tprofl, m.milktotl, m.avl, 1);
}

void store_weight(Model& m, int trait, int j, Estimate which) {
  const WeightRule* r = rule_of(trait);
  if (r == nullptr) return;
  float(&target)[NT][3] = which == Estimate::first ? m.ew0 : m.ew;
  if (r->trait != 31) trait_weight(m, *r, j, target);
  if (r->derived != 0 && j == 0) derived_weight(m, *r, target);
}

void sum_weights(Model& m, int trait) {
  if (trait == 1) {  // calving difficulty: female plus male calves
    for (int j = 0; j <= 1; ++j) {
      m.ew[1][j] = m.ew[24][j] + m.ew[25][j];
      m.ew0[1][j] = m.ew0[24][j] + m.ew0[25][j];
    }
    return;
  }
  const int first = trait == 18 ? 14 : 19;  // carcass classes: first or second classification
  for (int j = m.ja; j <= m.jb; ++j) {
    for (int i = first; i <= first + 3; ++i) {
      m.ew[trait][j] += m.ew[i][j];
      m.ew0[trait][j] += m.ew0[i][j];
    }
  }
}

void weights_per_calf(Model& m) {
  for (int t = 0; t < NT; ++t)
    for (int j = 0; j < J; ++j) m.ewc[t][j] = 0.0f;
  for (int j = m.ja; j <= m.jb; ++j) {
    if (m.Ncal[j] == 0.0f) {
      for (int t = 1; t < NT; ++t)
        if (m.to[t] == 2) warn_weight(m, t, j, kNoCalves);
      continue;
    }
    for (int t = 0; t < NT; ++t) m.ewc[t][j] = m.ew[t][j] / m.Ncal[j];
  }
}

void weight_differences(Model& m) {
  for (int t = 1; t < NT; ++t)
    for (int j = 0; j <= last_breed(m); ++j)
      if (std::fabs(static_cast<double>(m.ew[t][j])) > 1e-6)
        m.ewdiff[t][j] = (m.ew0[t][j] - m.ew[t][j]) * 100 / m.ew[t][j];
}

namespace {

// Share in per cent of one absolute standardised weight in a sum.
float percent_of(float x, float sum) {
  return static_cast<float>(std::fabs(static_cast<double>(x)) * 100.0 / static_cast<double>(sum));
}

// Weights per genetic standard deviation of the two components over the
// gene flow, relative within each component and to both together.
void standardise_components(Model& m) {
  m.ewsum_d = 0.0f;
  m.ewsum_m = 0.0f;
  for (int t = 1; t < NT; ++t) {
    if (m.delta_d[t] == 1) {
      m.ewst_d[t] = m.gstd_d[t] * m.ew_d[t];
      m.ewsum_d += std::fabs(m.ewst_d[t]);
    }
    if (m.delta_m[t] == 1) {
      m.ewst_m[t] = m.gstd_m[t] * m.ew_m[t];
      m.ewsum_m += std::fabs(m.ewst_m[t]);
    }
  }
  m.ewsum = m.ewsum_d + m.ewsum_m;
  for (int t = 1; t < NT; ++t) {
    if (m.delta_d[t] == 1) {
      if (m.ewsum_d > 0.0f) m.ewr_dd[t] = percent_of(m.ewst_d[t], m.ewsum_d);
      if (m.ewsum > 0.0f) m.ewr_da[t] = percent_of(m.ewst_d[t], m.ewsum);
      if (!(m.ewsum_d > 0.0f)) warn_weight(m, t, -1, m.ewsum > 0.0f ? kCalfSumZero : kSumZero);
    }
    if (m.delta_m[t] == 1 && m.ewsum_m > 1e-6) {
      m.ewr_mm[t] = percent_of(m.ewst_m[t], m.ewsum_m);
      m.ewr_ma[t] = percent_of(m.ewst_m[t], m.ewsum);
    }
  }
}

// Weights per genetic standard deviation straight from the weights per cow
// and year, without the gene flow: the pure-bred weight, the cross-bred
// one, or the pure-bred weight with half the cross-bred one.
void standardise_direct(Model& m) {
  m.ewsum = 0.0f;
  for (int t = 1; t < NT; ++t) {
    if (m.to[t] != 2) continue;
    if (m.cb == 0) {
      m.ewst_d[t] = m.gstd_d[t] * m.ew[t][0];
    } else if (m.ewopt == 2) {
      m.ewst_d[t] = static_cast<float>(static_cast<double>(m.gstd_d[t]) *
                                       (static_cast<double>(m.ew[t][0]) + 0.5 * static_cast<double>(m.ew[t][1])));
    } else if (m.ewopt == 1) {
      m.ewst_d[t] = m.gstd_d[t] * m.ew[t][1];
    }
    m.ewsum += std::fabs(m.ewst_d[t]);
  }
  for (int t = 1; t < NT; ++t) {
    if (m.to[t] != 2) continue;
    if (m.ewsum > 0.0f) {
      m.ewr_dd[t] = percent_of(m.ewst_d[t], m.ewsum);
    } else {
      warn_weight(m, t, -1, kSumZero);
    }
  }
}

}  // namespace

void standardise_weights(Model& m) {
  if (m.gstd == 2) standardise_components(m);
  if (m.gstd == 3 && (m.cb == 0 || (m.cb == 1 && m.utifemcr != 3 && m.ewopt > 0))) standardise_direct(m);
}

// --- Warnings ----------------------------------------------------------------

void warn_weight(Model& m, int trait, int j, int reason) {
  if (trait > 0 && m.to[trait] != 2) return;  // a trait the options switch off gets its 0 silently
  for (int i = 0; i < m.nwarn; ++i)
    if (m.ewwarn[i][0] == trait && m.ewwarn[i][1] == j && m.ewwarn[i][2] == reason) return;
  if (m.nwarn >= NWARN) return;
  m.ewwarn[m.nwarn][0] = trait;
  m.ewwarn[m.nwarn][1] = j;
  m.ewwarn[m.nwarn][2] = reason;
  ++m.nwarn;
}

const char* weight_warning_text(int reason) {
  switch (reason) {
    case kTraitDoesNotMove: return "the trait had the same value in the raised and the lowered run";
    case kDerivedDoesNotMove: return "its quantity had the same value in the raised and the lowered run";
    case kNoBaseMilk: return "the base run has no milk for the milk-quota correction";
    case kNotFinite: return "the difference quotient is not a finite number";
    case kNoCalves: return "no calves of this breed index are born, so there is no weight per calf";
    case kCalfSumZero: return "the standardised weights of the component in the calves sum to 0";
    case kSumZero: return "the standardised weights sum to 0";
    case kNoDairyCalves: return "no pure-bred calves are born to carry the genes of the dams";
    case kNoCrossbredDamProportions:
      return "the progeny of the cross-bred dams has no gene proportions (FROM1_3.TXT not read)";
    default: return "unknown reason";
  }
}

void print_weight_warnings(const Model& m, std::FILE* out) {
  for (int i = 0; i < m.nwarn; ++i) {
    const int trait = m.ewwarn[i][0];
    const char* why = weight_warning_text(m.ewwarn[i][2]);
    if (trait == 0) {
      std::fprintf(out, "Warning: gene flow: %s; the weights per expression there are left 0.\n", why);
    } else if (m.ewwarn[i][1] < 0) {  // the standardised weights belong to no breed index
      std::fprintf(out, "Warning: the relative weight of trait %d could not be evaluated: %s.\n", trait, why);
    } else {
      std::fprintf(out, "Warning: the economic weight of trait %d (breed index %d) could not be evaluated: %s.\n",
                   trait, m.ewwarn[i][1], why);
    }
  }
}

}  // namespace zelvan
