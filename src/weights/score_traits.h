#pragma once
// Categorical traits (calving difficulty, carcass classes): the trait value
// is the mean class of a distribution over ordered classes, changed by
// shifting the thresholds of an underlying normal liability.
#include "run/model.h"

namespace zelvan {

bool is_score_trait(int trait);
void save_score_distribution(Model& m, int trait, int j);
void shift_score_thresholds(Model& m, int trait, int j, double shift);
void restore_score_distribution(Model& m, int trait, int j);

}  // namespace zelvan
