#pragma once
// Profit of a run and the economic weights gathered over the runs.
#include "run/dimensions.h"

namespace zelvan {

struct WeightsState {
  float Tprof;          // profit per cow and year of the run just ended, MU
  float milktot;        // total milk per cow and year of the run just ended, kg
  float ew0[NT][3];     // economic weight of trait t, breed index j, from the +-1 % pair of runs
  float ew[NT][3];      // economic weight of trait t, breed index j, from the +-0.5 % pair (final)
  float ew_d[NT];       // weight of the component expressed in the calves, over the gene flow
  float ew_m[NT];       // weight of the component expressed in the cows, over the gene flow
};

}  // namespace zelvan
