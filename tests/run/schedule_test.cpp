// The schedule of runs: which slots start a run for each combination of
// options, how many runs that costs, and what each slot does to the changed
// quantity. The expected group starts are read off the schedule table by
// hand: each block's first slot, plus 5 for the cross-bred group.
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
  int run_lines = 0;       // "  Run #" lines printed
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
  const std::string out = ::testing::internal::GetCapturedStdout();
  for (size_t p = out.find("  Run #"); p != std::string::npos; p = out.find("  Run #", p + 1)) ++w.run_lines;
  return w;
}

std::vector<int> expand(const std::vector<int>& group_starts) {
  std::vector<int> slots;
  for (int s : group_starts)
    for (int k = 0; k < 5; ++k) slots.push_back(s + k);
  return slots;
}

void expect_groups(Model& m, const std::vector<int>& group_starts) {
  const Walk w = walk(m);
  EXPECT_EQ(w.slots, expand(group_starts));
  EXPECT_EQ(w.run_lines, static_cast<int>(group_starts.size()));
  EXPECT_EQ(m.irun, 252);
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

TEST(Schedule, PureBredWithoutOptionalTraits) {
  auto m = new_model();
  set_breeds(*m, 0, 0);
  m->nSCC = 1;
  // 4, 5, 30, 3, 12, 13, 11, 10, 24, 25, 16, 14, 21, 19, 2, 31, 32, 34, 37.
  expect_groups(*m, {1, 11, 21, 41, 51, 56, 61, 66, 76, 86, 107, 127, 142, 162, 167, 177, 182, 187, 197});
}

TEST(Schedule, PureBredWithEveryOptionalTrait) {
  auto m = new_model();
  set_breeds(*m, 0, 0);
  m->pbf[0] = m->pff[0] = m->cast[0] = m->paf[0] = 1;
  m->nSCC = 3;
  m->ind_RCT = m->ind_a30 = 1;
  m->rfi_calf = m->rfi_h = m->rfi_fa = m->rfi_cow = 1;
  m->claw_inc = 1;
  expect_groups(*m, {1,   11,  21,  31,  41,  51,  56,  61,  66,  76,  86,  97,  107, 117, 127, 132, 142,
                     152, 162, 167, 177, 182, 187, 192, 197, 202, 207, 212, 222, 232, 242, 247});
}

TEST(Schedule, CrossbredProgenyOnlyRunsTheCrossbredGroups) {
  auto m = new_model();
  set_breeds(*m, 1, 1);
  m->pbf[1] = m->pff[1] = m->cast[1] = m->paf[1] = 1;
  m->nSCC = 3;
  m->ind_RCT = m->ind_a30 = 1;
  m->rfi_calf = m->rfi_h = m->rfi_fa = m->rfi_cow = 1;
  m->claw_inc = 1;  // claw disorders are a dairy trait: no run with ewopt 1
  m->utifemcr = 2;  // cross-bred heifers not reared: trait 43 has no cross-bred group
  // Dairy-only traits are passed over; trait 45 still runs for the cows.
  expect_groups(*m, {6, 16, 26, 36, 46, 71, 81, 91, 102, 112, 122, 137, 147, 157, 172, 217, 237, 242});
}

TEST(Schedule, CrossbredBreedingHeifersGetTheirOwnHeiferGroup) {
  auto m = new_model();
  set_breeds(*m, 1, 1);
  m->rfi_h = 1;
  m->utifemcr = 3;
  // Without fattened cross-bred heifers there are no cross-bred heifer carcasses.
  expect_groups(*m, {6, 16, 26, 46, 71, 81, 91, 172, 227});
}

TEST(Schedule, BothBreedIndicesFollowTheFatteningFlags) {
  auto m = new_model();
  set_breeds(*m, 1, 2);
  m->pbf[0] = 1;                // pure-bred bulls only
  m->pff[1] = 1;                // cross-bred heifers only
  m->cast[1] = 1;               // cross-bred castrates only
  m->paf[0] = m->paf[1] = 1;
  m->nSCC = 1;
  m->rfi_h = 1;
  m->utifemcr = 4;
  m->rfi_fa = 1;
  expect_groups(*m, {1,   6,   11,  16,  21,  26,  31,  36,  41,  46,  51,  56,  61,  66,  71,  76,  81,  86,
                     91,  97,  107, 112, 122, 127, 132, 142, 147, 157, 162, 167, 172, 177, 182, 187, 197, 222,
                     232, 237});
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

TEST(Schedule, EachOptionalDairyTraitCostsFiveRuns) {
  struct Case {
    const char* name;
    void (*set)(Model&);
    int slot;
  };
  const Case cases[] = {
      {"somatic cells", [](Model& m) { m.nSCC = 4; }, 192},
      {"rennet coagulation time", [](Model& m) { m.ind_RCT = 1; }, 202},
      {"curd firmness", [](Model& m) { m.ind_a30 = 1; }, 207},
      {"rfi of calves", [](Model& m) { m.rfi_calf = 1; }, 212},
      {"rfi of heifers", [](Model& m) { m.rfi_h = 1; }, 222},
      {"rfi of cows", [](Model& m) { m.rfi_cow = 1; }, 242},
      {"claw disorders", [](Model& m) { m.claw_inc = 1; }, 247},
  };
  auto base = new_model();
  set_breeds(*base, 0, 0);
  base->nSCC = 1;
  const size_t base_runs = walk(*base).slots.size();
  for (const Case& c : cases) {
    auto m = new_model();
    set_breeds(*m, 0, 0);
    m->nSCC = 1;
    c.set(*m);
    const Walk w = walk(*m);
    EXPECT_EQ(w.slots.size(), base_runs + 5) << c.name;
    EXPECT_TRUE(starts(w, c.slot)) << c.name;
  }
}

// --- What the slots do to the changed quantity -----------------------------

// Steps the schedule until the slot `slot` has been acted on.
void step_to(Model& m, int slot) {
  ::testing::internal::CaptureStdout();
  while (m.irun <= slot) schedule_step(m);
  ::testing::internal::GetCapturedStdout();
}

TEST(Schedule, RelativeStepsRaiseLowerAndRestoreTheQuantity) {
  auto m = new_model();
  set_breeds(*m, 0, 0);
  m->bwf[0] = 40.0f;
  step_to(*m, 5);  // trait 4 done; bwf untouched
  EXPECT_EQ(m->bwf[0], 40.0f);
  const float expected[] = {static_cast<float>(1.01 * 40.0f), static_cast<float>(0.99 * 40.0f),
                            static_cast<float>(1.005 * 40.0f), static_cast<float>(0.995 * 40.0f), 40.0f};
  for (int k = 0; k < 5; ++k) {
    step_to(*m, 11 + k);
    EXPECT_EQ(m->trait, 5);
    EXPECT_EQ(m->bwf[0], expected[k]) << "slot " << 11 + k;
  }
  EXPECT_EQ(m->tvm, 40.0f);
  EXPECT_EQ(m->tvh, static_cast<float>(1.005 * 40.0f));
  EXPECT_EQ(m->tvl, static_cast<float>(0.995 * 40.0f));
}

TEST(Schedule, ProfitsOfTheRaisedAndLoweredRunsAreKept) {
  auto m = new_model();
  set_breeds(*m, 0, 0);
  step_to(*m, 1);  // slot 1 starts the +1 % run of trait 4
  m->Tprof = 110.0f;
  step_to(*m, 2);
  EXPECT_EQ(m->Tprofh, 110.0f);
  m->Tprof = 90.0f;
  step_to(*m, 3);
  EXPECT_EQ(m->Tprofl, 90.0f);
}

TEST(Schedule, AdditiveStepsShiftTheResidualFeedIntakeOfCows) {
  auto m = new_model();
  set_breeds(*m, 0, 0);
  m->rfi_cow = 1;
  m->rfi[30] = 0.25f;
  const float expected[] = {static_cast<float>(0.25f + 0.1), static_cast<float>(0.25f - 0.1),
                            static_cast<float>(0.25f + 0.05), static_cast<float>(0.25f - 0.05), 0.25f};
  for (int k = 0; k < 5; ++k) {
    step_to(*m, 242 + k);
    EXPECT_EQ(m->rfi[30], expected[k]) << "slot " << 242 + k;
  }
}

TEST(Schedule, CowLossesOfEveryCycleAreScaledTogether) {
  auto m = new_model();
  set_breeds(*m, 0, 0);
  for (int c = 1; c <= m->LL; ++c) {
    m->pp[6 * c + 19] = 0.01f * c;
    m->culh[c - 1] = 0.05f + 0.01f * c;
  }
  step_to(*m, 61);
  EXPECT_EQ(m->trait, 11);
  for (int c = 1; c <= m->LL; ++c) {
    EXPECT_EQ(m->pp[6 * c + 19], static_cast<float>(1.01 * (0.01f * c)));
    EXPECT_EQ(m->culh[c - 1], static_cast<float>(1.01 * (0.05f + 0.01f * c)));
  }
  step_to(*m, 65);
  for (int c = 1; c <= m->LL; ++c) {
    EXPECT_EQ(m->pp[6 * c + 19], 0.01f * c);
    EXPECT_EQ(m->culh[c - 1], 0.05f + 0.01f * c);
  }
}

TEST(Schedule, FatteningResidualFeedIntakeMovesItsGroupTogether) {
  auto m = new_model();
  set_breeds(*m, 0, 0);
  m->rfi_fa = 1;
  m->paf[0] = m->pff[0] = m->pbf[0] = m->cast[0] = 1;
  m->rfi[12] = 0.3f;
  m->rfi[14] = 0.4f;
  m->rfi[17] = 0.5f;
  step_to(*m, 232);
  EXPECT_EQ(m->tvm, 0.3f);  // heifers are the reference group
  EXPECT_EQ(m->rfi[12], static_cast<float>(0.3f + 0.1));
  EXPECT_EQ(m->rfi[14], static_cast<float>(0.4f + 0.1));
  EXPECT_EQ(m->rfi[17], 0.5f);  // castrates move only when bulls are not fattened
  step_to(*m, 236);
  EXPECT_EQ(m->rfi[12], 0.3f);
  EXPECT_EQ(m->rfi[14], 0.4f);
}

TEST(Schedule, BaseRunClearsTheWeights) {
  auto m = new_model();
  set_breeds(*m, 0, 0);
  m->ew[5][0] = 3.0f;
  m->ew0[5][1] = 2.0f;
  m->ew_d[7] = 1.0f;
  m->milkquota = 2;
  m->Tprof = 123.0f;
  m->milktot = 9000.0f;
  step_to(*m, 1);
  EXPECT_EQ(m->ew[5][0], 0.0f);
  EXPECT_EQ(m->ew0[5][1], 0.0f);
  EXPECT_EQ(m->ew_d[7], 0.0f);
  EXPECT_EQ(m->Tprofm, 123.0f);
  EXPECT_EQ(m->milktotm, 9000.0f);
}

}  // namespace
}  // namespace zelvan
