#include "run/schedule.h"

#include <cstdio>

#include "run/trait_change.h"
#include "weights/economic_weights.h"

namespace zelvan {

namespace {

// --- Which breed-index groups of a block run -------------------------------

bool all_breeds(const Model& m, int& lo, int& hi) {
  lo = m.ja;
  hi = m.jb;
  return true;
}

// Traits of the dairy cows: one group, breed index 0, unless only the
// cross-bred progeny are evaluated.
bool dairy_only(const Model& m, int& lo, int& hi) {
  lo = hi = 0;
  return m.ewopt != 1;
}

// Daily gain in fattening: only breed indices with fattened animals.
bool fattening(const Model& m, int& lo, int& hi) {
  if (m.paf[0] == 0 && m.paf[1] == 0) return false;
  lo = m.ja;
  if (m.paf[0] == 0 && m.paf[1] == 1) lo = 1;
  hi = m.paf[1] == 0 ? 0 : m.jb;
  return true;
}

// Carcass classes of a fattened group present with the flags f.
bool fattened_group(const Model& m, const int (&f)[J], int& lo, int& hi) {
  if (f[0] == 0 && f[1] == 0) return false;
  if (m.ewopt == 1 && f[1] == 0) return false;
  if (m.ewopt == 0 && f[0] == 0) return false;
  lo = m.ja;
  hi = m.jb;
  if (m.ewopt == 2 && f[1] == 0) hi = 0;
  if (m.ewopt == 2 && f[0] == 0) lo = 1;
  return true;
}

bool bulls(const Model& m, int& lo, int& hi) { return fattened_group(m, m.pbf, lo, hi); }
bool castrates(const Model& m, int& lo, int& hi) { return fattened_group(m, m.cast, lo, hi); }

// Heifer carcasses exist in every system (culled heifers); the cross-bred
// group only with fattened cross-bred heifers.
bool heifers(const Model& m, int& lo, int& hi) {
  lo = m.ja;
  hi = m.pff[1] == 0 ? 0 : m.jb;
  return true;
}

bool somatic_cells(const Model& m, int& lo, int& hi) { return m.nSCC != 1 && dairy_only(m, lo, hi); }
bool coagulation_time(const Model& m, int& lo, int& hi) { return m.ind_RCT == 1 && dairy_only(m, lo, hi); }
bool curd_firmness(const Model& m, int& lo, int& hi) { return m.ind_a30 == 1 && dairy_only(m, lo, hi); }
bool rfi_calves(const Model& m, int& lo, int& hi) { return m.rfi_calf == 1 && all_breeds(m, lo, hi); }

// Rearing heifers: cross-bred heifers are reared only as breeding heifers.
bool rfi_heifers(const Model& m, int& lo, int& hi) {
  lo = m.ja;
  hi = (m.jb == 1 && m.utifemcr == 3) ? 1 : 0;
  return m.rfi_h == 1;
}

bool rfi_fattening(const Model& m, int& lo, int& hi) { return m.rfi_fa == 1 && fattening(m, lo, hi); }

bool rfi_cows(const Model& m, int& lo, int& hi) {
  lo = hi = 0;
  return m.rfi_cow == 1;
}

bool claw_disorders(const Model& m, int& lo, int& hi) {
  lo = hi = 0;
  return m.claw_inc == 1 && m.ewopt != 1;
}

bool no_groups(const Model&, int& lo, int& hi) {
  lo = 0;
  hi = -1;
  return true;
}

// --- The five slots of a group ---------------------------------------------

// Raised and lowered values of the changed quantity for the two pairs of
// runs: factors for relative steps, shifts for additive ones.
constexpr double kRelative[2][2] = {{1.01, 0.99}, {1.005, 0.995}};
constexpr double kAdditive[2][2] = {{0.1, -0.1}, {0.05, -0.05}};

// Sets tvh or tvl for pair p (0: +-1 %, 1: +-0.5 %) and changes the model.
void set_pair_value(Model& m, const Block& b, int j, int pair, int side) {
  float& target = side == 0 ? m.tvh : m.tvl;
  if (b.kind == StepKind::relative) {
    const double factor = kRelative[pair][side];
    target = static_cast<float>(factor * static_cast<double>(m.tvm));
    change_trait(m, b.trait, j, Change::scale, factor);
  } else if (b.kind == StepKind::additive) {
    const double shift = kAdditive[pair][side];
    target = static_cast<float>(static_cast<double>(m.tvm) + shift);
    change_trait(m, b.trait, j, Change::shift, shift);
  } else {
    change_trait(m, b.trait, j, Change::shift_thresholds, kAdditive[pair][side] * -1.0);
  }
}

void group_slot(Model& m, const Block& b, int j, int offset) {
  switch (offset) {
    case 0:
      change_trait(m, b.trait, j, Change::save, 0.0);
      set_pair_value(m, b, j, 0, 0);
      break;
    case 1:
      m.Tprofh = m.Tprof;
      record_raised_run(m, b.trait, Estimate::first);
      set_pair_value(m, b, j, 0, 1);
      break;
    case 2:
      m.Tprofl = m.Tprof;
      record_lowered_run(m, b.trait, Estimate::first);
      store_weight(m, b.trait, j, Estimate::first);
      set_pair_value(m, b, j, 1, 0);
      break;
    case 3:
      m.Tprofh = m.Tprof;
      record_raised_run(m, b.trait, Estimate::final);
      set_pair_value(m, b, j, 1, 1);
      break;
    default:
      m.Tprofl = m.Tprof;
      record_lowered_run(m, b.trait, Estimate::final);
      store_weight(m, b.trait, j, Estimate::final);
      change_trait(m, b.trait, j, Change::restore, 0.0);
      break;
  }
  m.irun += 1;
  if (offset == 2) std::printf("  Run #%4d\n", m.irun);
}

int block_of_trait(int trait) {
  for (int i = 0; i < kScheduleSize; ++i)
    if (kSchedule[i].trait == trait) return i;
  return kScheduleSize;
}

}  // namespace

const Block kSchedule[] = {
    {4, 1, 10, StepKind::relative, all_breeds},        // mature weight of cows
    {5, 11, 10, StepKind::relative, all_breeds},       // birth weight of female calves
    {30, 21, 10, StepKind::relative, all_breeds},      // daily gain of female calves
    {9, 31, 10, StepKind::relative, fattening},        // daily gain in fattening
    {3, 41, 10, StepKind::relative, all_breeds},       // calf losses to weaning
    {12, 51, 5, StepKind::relative, dairy_only},       // conception rate of heifers
    {13, 56, 5, StepKind::relative, dairy_only},       // conception rate of cows
    {11, 61, 5, StepKind::relative, dairy_only},       // cow losses and health culling
    {10, 66, 10, StepKind::relative, all_breeds},      // dressing percentage
    {24, 76, 10, StepKind::score, all_breeds},         // calving difficulty, female calves
    {25, 86, 10, StepKind::score, all_breeds},         // calving difficulty, male calves
    {1, 96, 0, StepKind::sum, no_groups},              // calving difficulty: 24 + 25
    {15, 97, 10, StepKind::score, bulls},              // bull carcasses, first classification
    {16, 107, 10, StepKind::score, heifers},           // heifer carcasses, first classification
    {17, 117, 10, StepKind::score, castrates},         // castrate carcasses, first classification
    {14, 127, 5, StepKind::score, dairy_only},         // cow carcasses, first classification
    {18, 132, 0, StepKind::sum, no_groups},            // first classification: 14 to 17
    {20, 132, 10, StepKind::score, bulls},             // bull carcasses, second classification
    {21, 142, 10, StepKind::score, heifers},           // heifer carcasses, second classification
    {22, 152, 10, StepKind::score, castrates},         // castrate carcasses, second classification
    {19, 162, 5, StepKind::score, dairy_only},         // cow carcasses, second classification
    {23, 167, 0, StepKind::sum, no_groups},            // second classification: 19 to 22
    {2, 167, 10, StepKind::relative, all_breeds},      // calf losses at birth and within 48 h
    {31, 177, 5, StepKind::relative, dairy_only},      // milk yield
    {32, 182, 5, StepKind::relative, dairy_only},      // fat content
    {34, 187, 5, StepKind::relative, dairy_only},      // protein content
    {36, 192, 5, StepKind::relative, somatic_cells},   // somatic cell score
    {37, 197, 5, StepKind::relative, dairy_only},      // clinical mastitis
    {38, 202, 5, StepKind::relative, coagulation_time},  // rennet coagulation time
    {39, 207, 5, StepKind::relative, curd_firmness},   // curd firmness
    {42, 212, 10, StepKind::additive, rfi_calves},     // residual feed intake of calves
    {43, 222, 10, StepKind::additive, rfi_heifers},    // residual feed intake of heifers
    {44, 232, 10, StepKind::additive, rfi_fattening},  // residual feed intake in fattening
    {45, 242, 5, StepKind::additive, rfi_cows},        // residual feed intake of cows
    {46, 247, 5, StepKind::relative, claw_disorders},  // claw disorders
};
const int kScheduleSize = sizeof kSchedule / sizeof kSchedule[0];

Next schedule_step(Model& m) {
  if (m.trait == 0) {
    std::printf("Calculating economic weights (This will take some time)\n");
    start_weights(m);
    m.trait = kSchedule[0].trait;
  }
  int index = block_of_trait(m.trait);
  while (index < kScheduleSize && m.irun < FINAL_SLOT) {
    const Block& b = kSchedule[index];
    int lo = 0, hi = -1;
    const bool on = b.groups(m, lo, hi);
    if (b.kind == StepKind::sum) {
      sum_weights(m, b.trait);
    } else if (on && m.irun < b.first + b.slots) {
      const int group = (m.irun - b.first) / 5;
      if (group < lo) {  // groups of breed indices outside the range cost no run
        m.irun = b.first + 5 * lo;
        continue;
      }
      if (group <= hi) {
        group_slot(m, b, group, (m.irun - b.first) % 5);
        return Next::run;
      }
    }
    // The block is done or switched off: on to the first slot of the next one.
    ++index;
    m.irun = index < kScheduleSize ? kSchedule[index].first : FINAL_SLOT;
    if (index < kScheduleSize) m.trait = kSchedule[index].trait;
  }
  m.irun = FINAL_SLOT;
  return Next::final_slot;
}

}  // namespace zelvan
