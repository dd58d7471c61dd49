#pragma once
// Values given for one category of a group of young stock that hold for the
// whole group.
#include "run/model.h"

namespace zelvan {

// Young-stock values given for the reared heifers (category 22) and for the
// three fattening groups (12 heifers, 14 bulls, 17 castrates) hold for the
// other categories of the same group; a group that is not kept is passed
// over.
inline void spread_to_groups(const Model& m, int j, float* x) {
  auto at = [&](int k) -> float& { return x[cat(m, j, k)]; };
  at(24) = at(23) = at(19) = at(18) = at(7) = at(22);
  if (m.pff[j] == 1) at(13) = at(6) = at(12);
  if (m.cast[j] == 1) at(16) = at(5) = at(17);
  if (m.pbf[j] == 1) at(15) = at(4) = at(14);
}

}  // namespace zelvan
