#pragma once
// Economic weights from the pairs of runs of the schedule, and what the
// final slot makes of them: weights per calf, the difference between the
// two estimates, weights per genetic standard deviation and relative weights.
#include <cstdio>

#include "run/model.h"

namespace zelvan {

enum class Estimate {
  first,  // from the +-1 % pair of runs (ew0)
  final,  // from the +-0.5 % pair of runs (ew)
};

// Base run: clears the weights and keeps the base profit and milk for the
// milk-quota correction.
void start_weights(Model& m);

// After a raised or lowered run of a pair: outcome values, losses, total
// milk and derived quantities that the weight needs.
void record_raised_run(Model& m, int trait, Estimate pair);
void record_lowered_run(Model& m, int trait, Estimate pair);

// After the second run of a pair: the difference quotient of profit, with
// its quota correction and the weight of the derived trait.
void store_weight(Model& m, int trait, int j, Estimate which);

// Traits whose weight is the sum of other traits' weights (1, 18, 23).
void sum_weights(Model& m, int trait);

// Final slot: weights per calf born (ewc), the per-cent difference of the
// two estimates (ewdiff), and the standardised and relative weights.
void weights_per_calf(Model& m);
void weight_differences(Model& m);
void standardise_weights(Model& m);

// Weights that could not be evaluated. Each is kept once in the state with
// its reason, so that the results can list them.
enum WeightWarning {
  kTraitDoesNotMove = 1,     // the trait's value was the same in the raised and lowered run
  kDerivedDoesNotMove,       // the derived quantity was the same in both runs
  kNoBaseMilk,               // no milk in the base run for the quota correction
  kNotFinite,                // the quotient is not a finite number
  kNoCalves,                 // no calves of the breed index for the weight per calf
  kCalfSumZero,              // standardised calf-component weights sum to 0
  kSumZero,                  // all standardised weights sum to 0
  kNoDairyCalves,            // gene flow: no pure-bred calves to pass on the dams' genes
  kNoCrossbredDamProportions,  // gene flow: progeny of cross-bred dams without gene proportions
};
void warn_weight(Model& m, int trait, int j, int reason);
const char* weight_warning_text(int reason);
// One line per warning, e.g. on standard error.
void print_weight_warnings(const Model& m, std::FILE* out);

}  // namespace zelvan
