#include <cstdio>

#include "herd/herd_phases.h"

namespace zelvan {

void herd_transition_matrix(Model& m) {
  if (m.trait == 0) std::printf("  Constructing matrix T for system 4\n");
}

}  // namespace zelvan
