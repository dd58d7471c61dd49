#pragma once
#include "input/io.h"
#include "run/model.h"

namespace zelvan {

// One phase of a run: a free function over the model state.
struct Phase {
  const char* name;     // name of the function, for timing reports
  const char* message;  // progress line of the base run, or nullptr
  void (*run)(Model& m);
};

// The phases of one run in their order (driver.cpp).
extern const Phase kRunSequence[];
extern const int kRunSequenceSize;

// The input phase: the opening block of the results template, PARAD.TXT,
// the data files in their fixed order and the fixed coefficients.
void read_input(Model& m, Io& io);

// One run of the whole model, phase by phase; only the base run announces
// its phases on the console.
void run_model(Model& m);

// The whole program: start-up, input, the scheduled runs and the final slot.
// Ends the process with exit status 0.
[[noreturn]] void run_program(Model& m);

}  // namespace zelvan
