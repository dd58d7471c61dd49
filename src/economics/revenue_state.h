#pragma once
// Results of the revenue phase of a run. Per-category arrays use the
// category layout (CC*j + k, cows at 25..CC); money is in MU. The carcass
// prices are kept in the price array pr of the input.
#include "run/dimensions.h"

namespace zelvan {

struct RevenueState {
  float revmilk[C];   // milk revenue of a cow cycle ending in the herd state, MU
  float rev[C];       // revenue per animal of the category (per cow cycle for cows), MU
  float revc;         // revenue from cows (milk and culled cows) per cow and year, MU
  float revmilkc;     // milk revenue per cow and year, MU
  float revcullc;     // revenue from culled cows per cow and year, MU
};

}  // namespace zelvan
