#pragma once
#include "input/io.h"
#include "run/model.h"

namespace zelvan {

// One run of the whole model, phase by phase; only the base run announces
// its phases on the console.
void run_model(Model& m);

// The whole program: start-up, input, the scheduled runs and the final slot.
// Ends the process with exit status 0.
[[noreturn]] void run_program(Model& m);

}  // namespace zelvan
