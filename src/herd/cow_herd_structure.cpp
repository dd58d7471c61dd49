#include "herd/herd_phases.h"

namespace zelvan {

void cow_herd_structure(Model&) {}

}  // namespace zelvan
