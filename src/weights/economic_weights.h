#pragma once
// Economic weights from the pairs of runs of the schedule.
#include "run/model.h"

namespace zelvan {

enum class Estimate {
  first,  // from the +-1 % pair of runs (ew0)
  final,  // from the +-0.5 % pair of runs (ew)
};

// Base run: clears the weights and keeps the base profit and milk for the
// milk-quota correction.
void start_weights(Model& m);

// After a raised or lowered run: values of derived quantities for the weight.
void record_raised_run(Model& m, int trait, int j);
void record_lowered_run(Model& m, int trait, int j);

// After the second run of a pair: the difference quotient of profit.
void store_weight(Model& m, int trait, int j, Estimate which);

// Traits whose weight is the sum of other traits' weights (1, 18, 23).
void sum_weights(Model& m, int trait);

}  // namespace zelvan
