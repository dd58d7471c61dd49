#pragma once
// The model state: one record holding every named quantity of the system
// under its own name. It is created once and zeroed once; the runs of the
// model rewrite it phase by phase and nothing is cleared between runs.
#include <algorithm>

#include "economics/cost_state.h"
#include "economics/nutrition_state.h"
#include "economics/revenue_state.h"
#include "herd/herd_state.h"
#include "input/input_state.h"
#include "run/run_state.h"
#include "weights/profit_state.h"
#include "weights/weights_state.h"

namespace zelvan {

struct Model : RunState,
               Options,
               ProgenyCowData,
               CycleHealthData,
               FeedCarcassData,
               MilkPaymentData,
               TraitSelectionData,
               FixedCoefficients,
               CowCycleState,
               HerdChainState,
               ProgenyState,
               GrowthState,
               NutritionState,
               CostState,
               RevenueState,
               ProfitState,
               WeightsState {};

// Element of a per-category array for progeny category k of breed index j.
inline int cat(const Model& m, int j, int k) { return m.CC * j + k; }

// Progeny category k of breed index j, or the next category that exists
// when k belongs to a fattening group that is not kept (bulls, castrates,
// heifers: the dead and the slaughtered animals of each group).
inline int kept_category(const Model& m, int j, int k) {
  if (k == 4 && m.pbf[j] == 0) k = 5;
  if (k == 5 && m.cast[j] == 0) k = 6;
  if (k == 6 && m.pff[j] == 0) k = 7;
  if (k == 12 && m.pff[j] == 0) k = 14;
  if (k == 14 && m.pbf[j] == 0) k = 16;
  if (k == 16 && m.cast[j] == 0) k = 18;
  return k;
}

// Extents in use, as the input set them, kept within the declared sizes so
// that no loop of a model phase can run past an array.
inline int cycles(const Model& m) { return std::clamp(m.LL, 1, L); }
inline int last_breed(const Model& m) { return m.cb == 1 ? 1 : 0; }
inline int cow_inseminations(const Model& m) { return std::clamp(m.inmax, 0, INS); }
inline int heifer_inseminations(const Model& m) { return std::clamp(m.inmaxh, 0, INS); }
inline int difficulty_classes(const Model& m) { return std::clamp(m.DD, 0, D); }

// Sets the start values of the state before any input is read: everything
// zero, then the trait marks and their default kinds of expression.
void init_model(Model& m);

}  // namespace zelvan
