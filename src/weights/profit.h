#pragma once
#include "run/model.h"

namespace zelvan {

void discounted_expressions(Model& m);  // discounted numbers of expressions per category
void profit(Model& m);                  // profit per cow and year, Tprof

}  // namespace zelvan
