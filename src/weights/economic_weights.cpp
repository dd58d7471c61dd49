#include "weights/economic_weights.h"

namespace zelvan {

void start_weights(Model& m) {
  for (int t = 0; t < NT; ++t) {
    m.ew_m[t] = 0.0f;
    m.ew_d[t] = 0.0f;
    for (int j = 0; j < 3; ++j) {
      m.ew0[t][j] = 0.0f;
      m.ew[t][j] = 0.0f;
    }
  }
  if (m.milkquota > 1) {
    m.Tprofm = m.Tprof;
    m.milktotm = m.milktot;
  }
}

// The difference quotients need the profit of a run, which the economic
// phases compute; until they exist the pairs of runs store nothing.
void record_raised_run(Model&, int, int) {}
void record_lowered_run(Model&, int, int) {}
void store_weight(Model&, int, int, Estimate) {}

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

}  // namespace zelvan
