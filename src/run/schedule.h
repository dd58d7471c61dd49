#pragma once
// The schedule of runs: 252 slots over which every trait switched on by the
// options gets its groups of five runs (+1 %, -1 %, +0.5 %, -0.5 %, restored),
// one group per breed index of the trait's range.
#include "run/model.h"

namespace zelvan {

enum class StepKind {
  relative,  // the quantity is multiplied by 1.01, 0.99, 1.005, 0.995
  additive,  // the quantity is shifted by +0.1, -0.1, +0.05, -0.05
  score,     // the liability thresholds of a class distribution are shifted
  sum,       // no run: the weight is a sum of other traits' weights
};

struct Block {
  int trait;   // trait number
  int first;   // first slot of the block
  int slots;   // 10 for a breed-index range, 5 for one group, 0 for a sum slot
  StepKind kind;
  // Which groups of the block run: sets the first and last breed index and
  // returns false when the options switch the whole block off.
  bool (*groups)(const Model& m, int& jlo, int& jhi);
};

// The blocks in the order of the schedule.
extern const Block kSchedule[];
extern const int kScheduleSize;

enum class Next { run, final_slot };

// The scheduling step after a run: records the run's profit, stores weights
// when a pair of runs is complete, sets the next changed quantity and
// advances irun. Returns whether another run follows or the final slot.
Next schedule_step(Model& m);

}  // namespace zelvan
