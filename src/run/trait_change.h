#pragma once
// The input quantities that stand for each trait, and how the schedule
// changes them: saved before a group of runs, raised and lowered, restored.
#include "run/model.h"

namespace zelvan {

enum class Change {
  save,              // tvm = the trait's value; copies of multi-element quantities kept
  scale,             // every element = factor x its saved value (relative steps)
  shift,             // every element = saved value + amount (additive steps)
  shift_thresholds,  // liability thresholds of a class distribution moved by amount
  restore,           // every element back to its saved value
};

void change_trait(Model& m, int trait, int j, Change what, double amount);

// The single input value that stands for the trait for breed index j, or
// nullptr for traits that change several values together.
float* trait_value(Model& m, int trait, int j);

}  // namespace zelvan
