// The schedule of runs where fattening is in one breed index only (no
// example has it): the runs of each fattened group start for that breed
// index alone. The slots are read off the schedule table by hand.
#include "run/schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace zelvan {
namespace {

using testing_support::new_model;

struct Walk {
  std::vector<int> slots;  // slot on which each run was started
};

// Walks the schedule from the base run to the final slot without running
// the model in between.
Walk walk(Model& m) {
  Walk w;
  m.trait = 0;
  m.irun = 1;
  ::testing::internal::CaptureStdout();
  for (int guard = 0; guard < 400; ++guard) {
    if (schedule_step(m) == Next::final_slot) break;
    w.slots.push_back(m.irun - 1);  // every run-starting slot moves irun on by one
  }
  ::testing::internal::GetCapturedStdout();
  return w;
}

void set_breeds(Model& m, int cb, int ewopt) {
  m.cb = cb;
  m.ewopt = ewopt;
  m.ja = ewopt == 2 ? 0 : ewopt;
  m.jb = ewopt == 2 ? 1 : ewopt;
  m.LL = 4;
  m.TT = 22;
  m.CC = 46;
}

bool starts(const Walk& w, int slot) { return std::count(w.slots.begin(), w.slots.end(), slot) == 1; }

TEST(Schedule, FatteningOfOneBreedIndexOnly) {
  struct Case {
    int fattened;          // the breed index whose animals are fattened
    int (Model::*group)[J];  // the fattened group
    std::vector<std::pair<int, bool>> slots;  // slot, whether it starts a group
  };
  // Heifer carcasses always exist; their cross-bred group needs fattened heifers.
  const Case cases[] = {{1, &Model::cast, {{31, false}, {36, true}, {117, false}, {122, true}}},
                        {0, &Model::pbf, {{31, true}, {36, false}, {97, true}, {102, false}, {107, true}, {112, false}}}};
  for (const Case& c : cases) {
    auto m = new_model();
    set_breeds(*m, 1, 2);
    m->nSCC = 1;
    m->paf[c.fattened] = 1;
    ((*m).*c.group)[c.fattened] = 1;
    const Walk w = walk(*m);
    for (auto [slot, runs] : c.slots) EXPECT_EQ(starts(w, slot), runs) << "slot " << slot;
  }
}

}  // namespace
}  // namespace zelvan
