#include "weights/score_traits.h"

#include <algorithm>

#include "herd/statistics.h"

namespace zelvan {

namespace {

// How the classes of a categorical trait are read off its distribution.
enum class Scale {
  first,    // carcass grid in per cent: class = first index, summed over the second
  second,   // carcass grid in per cent: class = second index, summed over the first
  calving,  // calving-difficulty shares: class d, summed over the cycles weighted by their calvings
};

struct ScoreTrait {
  int trait;
  Scale scale;
  float (Model::*grid)[P1][P2][J];  // carcass classes (first, second classification)
  float (Model::*dys)[D][J][L];     // calving difficulty per class, breed index and cycle
  float (Model::*mean)[J];          // the trait's mean-score variable
};

const ScoreTrait kScoreTraits[] = {
    {14, Scale::first, &Model::Pc, nullptr, &Model::Pcflmcc},      // cows
    {15, Scale::first, &Model::Pb, nullptr, &Model::Pcflmcb},      // bulls
    {16, Scale::first, &Model::Ph, nullptr, &Model::Pcflmch},      // heifers
    {17, Scale::first, &Model::Pcs, nullptr, &Model::Pcflmcca},    // castrates
    {19, Scale::second, &Model::Pc, nullptr, &Model::Pcfcmcc},
    {20, Scale::second, &Model::Pb, nullptr, &Model::Pcfcmcb},
    {21, Scale::second, &Model::Ph, nullptr, &Model::Pcfcmch},
    {22, Scale::second, &Model::Pcs, nullptr, &Model::Pcfcmcca},
    {24, Scale::calving, nullptr, &Model::dysff, &Model::dysscoreavf},  // female calves
    {25, Scale::calving, nullptr, &Model::dysmm, &Model::dysscoreavm},  // male calves
};

const ScoreTrait* score_trait(int trait) {
  for (const ScoreTrait& s : kScoreTraits)
    if (s.trait == trait) return &s;
  return nullptr;
}

// Number of classes and of the cells summed into each class.
int class_count(const Model& m, const ScoreTrait& s) {
  if (s.scale == Scale::first) return std::clamp(m.p1, 0, P1);
  if (s.scale == Scale::second) return std::clamp(m.p2, 0, P2);
  return difficulty_classes(m);
}

int cells_per_class(const Model& m, const ScoreTrait& s) {
  if (s.scale == Scale::first) return std::clamp(m.p2, 0, P2);
  if (s.scale == Scale::second) return std::clamp(m.p1, 0, P1);
  return cycles(m);
}

// Cell `other` of class c of the distribution of breed index j.
float& cell(Model& m, const ScoreTrait& s, int j, int c, int other) {
  if (s.scale == Scale::first) return (m.*s.grid)[c][other][j];
  if (s.scale == Scale::second) return (m.*s.grid)[other][c][j];
  return (m.*s.dys)[c][j][other];
}

// Marginal share of every class of the saved distribution. Carcass grids
// are in per cent; a calving-difficulty share of cycle k counts with the
// calvings of that cycle giving a calf of breed index j.
void form_marginals(Model& m, const ScoreTrait& s, int j, int n, int cells) {
  for (int c = 0; c < n; ++c) {
    float share = 0.0f;
    for (int o = 0; o < cells; ++o) {
      const float x = m.zzdist[c][o];
      if (s.scale != Scale::calving) {
        share += x / 100;
      } else {
        share = static_cast<float>(share + static_cast<double>(x) * m.l3[o] * static_cast<double>(m.cal[j][o]) /
                                               static_cast<double>(m.totcal[j]));
      }
    }
    m.margsc[c] = share;
  }
}

// Copies the distribution of breed index j into its saved copy, or back.
void copy_distribution(Model& m, const ScoreTrait& s, int j, bool save) {
  const int n = class_count(m, s);
  const int cells = cells_per_class(m, s);
  for (int c = 0; c < n; ++c)
    for (int o = 0; o < cells; ++o) {
      float& x = cell(m, s, j, c, o);
      if (save) {
        m.zzdist[c][o] = x;
      } else {
        x = m.zzdist[c][o];
      }
    }
}

// Mean class number (classes counted from 1) of class shares.
float mean_score(const float* share, int n) {
  double score = 0.0;
  for (int c = 0; c < n; ++c) score += (c + 1) * static_cast<double>(share[c]);
  return static_cast<float>(score);
}

}  // namespace

bool is_score_trait(int trait) { return score_trait(trait) != nullptr; }

void save_score_distribution(Model& m, int trait, int j) {
  const ScoreTrait* s = score_trait(trait);
  if (s == nullptr) return;
  const int n = class_count(m, *s);
  const int cells = cells_per_class(m, *s);
  copy_distribution(m, *s, j, true);
  // Without calvings of this breed index the distribution carries no weight:
  // the classes stay empty and the trait cannot move.
  const bool weighted = s->scale != Scale::calving || m.totcal[j] != 0.0f;
  if (weighted) {
    form_marginals(m, *s, j, n, cells);
  } else {
    for (int c = 0; c < n; ++c) m.margsc[c] = 0.0f;
  }
  // Liability thresholds between the classes from the cumulative shares.
  float cumulative = 0.0f;
  for (int c = 0; c < n; ++c) {
    cumulative += m.margsc[c];
    if (c < n - 1) m.thrsc[c] = static_cast<float>(probit(cumulative));
  }
  m.tvm = mean_score(m.margsc, n);
  (m.*s->mean)[j] = m.tvm;
}

void shift_score_thresholds(Model& m, int trait, int j, double shift) {
  const ScoreTrait* s = score_trait(trait);
  if (s == nullptr) return;
  const int n = class_count(m, *s);
  const int cells = cells_per_class(m, *s);
  float moved[P1 > P2 ? P1 : P2] = {};  // class shares after the shift
  float previous = 0.0f;
  for (int c = 0; c < n; ++c) {
    const float cumulative = c < n - 1 ? static_cast<float>(normdis(m.thrsc[c] + shift)) : 1.0f;
    moved[c] = cumulative - previous;
    previous = cumulative;
  }
  for (int c = 0; c < n; ++c) {
    const float old_share = m.margsc[c];
    for (int o = 0; o < cells; ++o) {
      const float x = m.zzdist[c][o];
      float& y = cell(m, *s, j, c, o);
      if (old_share == 0.0f) {
        y = 0.0f;  // an empty class stays empty
      } else if (s->scale != Scale::calving) {
        y = x / 100 * (moved[c] / old_share) * 100;
      } else {
        y = x * (moved[c] / old_share);
      }
    }
  }
  // Lowering the thresholds moves animals into the higher classes: that is
  // the raised run.
  (shift < 0.0 ? m.tvh : m.tvl) = s->scale == Scale::calving && m.totcal[j] == 0.0f ? m.tvm : mean_score(moved, n);
}

void restore_score_distribution(Model& m, int trait, int j) {
  const ScoreTrait* s = score_trait(trait);
  if (s != nullptr) copy_distribution(m, *s, j, false);
}

}  // namespace zelvan
