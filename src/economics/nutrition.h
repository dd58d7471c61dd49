#pragma once
// The part of the nutrition phase that runs after the feed of the other
// categories: the calves reared to weaning.
#include "run/model.h"

namespace zelvan {

// Energy and protein requirements of female and male calves reared to
// weaning, in the first (milk) period and the second period up to weaning.
void weaned_calf_requirements(Model& m);

}  // namespace zelvan
