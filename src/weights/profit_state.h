#pragma once
// Discounted expressions and profit of a run. Per-category arrays use the
// category layout (CC*j + k, cows at 25..CC).
#include "run/dimensions.h"

namespace zelvan {

struct ProfitState {
  float tr[C];        // time of the revenue of the category, years
  float tc[C];        // time of the cost of the category, years
  float qr[C];        // discount factor of the revenue of the category
  float qc[C];        // discount factor of the cost of the category
  float NDEr[C];      // discounted expressions of the revenue per cow and cycle
  float NDEc[C];      // discounted expressions of the cost per cow and cycle
  float NDEdys;       // discounted expressions of the calving-difficulty cost
  float Trev;         // discounted revenues per cow and year, MU
  float Tcost;        // discounted costs per cow and year, MU
  float dot;          // subsidies per cow and year, MU
  float Tprof;        // profit per cow and year of the run just ended, MU
  float milktot;      // milk per cow and cycle of the run just ended, kg
  float fatkg;        // fat per cow and cycle, kg
  float protkg;       // protein per cow and cycle, kg
  float profitab;     // profitability without subsidies, %
  float profitabd;    // profitability with subsidies, %
};

}  // namespace zelvan
