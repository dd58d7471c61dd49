#pragma once
// The two halves of the cost phase's second step, callable on their own:
// the milk price of the payment system, then the milk lost through mastitis
// and claw disorders (valued at that price) with the treatment costs.
#include "run/model.h"

namespace zelvan {

void milk_price(Model& m);
void disease_losses(Model& m);

}  // namespace zelvan
