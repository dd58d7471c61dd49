// The feeding and economic phases are built on the herd model; until they
// are, a run passes through them without changing the state.
#include "economics/economic_phases.h"

namespace zelvan {

void costs(Model&) {}
void milk_price_and_losses(Model&) {}

}  // namespace zelvan
