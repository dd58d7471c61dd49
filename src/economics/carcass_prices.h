#pragma once
// Carcass prices per kg of the slaughtered groups, from the classification
// grids. Part of the revenue phase (economics/economic_phases.h).
#include "run/model.h"

namespace zelvan {

// Progeny categories sold alive, at a price per kg live weight (pr, kept
// from the input) or per head (pranim).
inline constexpr int kSoldAlive[] = {8, 9, 10, 23, 24};

// Clears the per-category prices of the run, keeping the live-weight sale
// prices of the input, and sets the carcass prices per kg of fattened
// heifers, bulls, castrates (pr[CC*j + 12, 14, 17]) and cows (pr[30]).
void carcass_prices(Model& m);

}  // namespace zelvan
