#include "herd/herd_phases.h"

namespace zelvan {

void growth(Model&) {}

}  // namespace zelvan
