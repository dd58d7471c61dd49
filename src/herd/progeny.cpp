#include "herd/herd_phases.h"

namespace zelvan {

void progeny_structure(Model&) {}

}  // namespace zelvan
