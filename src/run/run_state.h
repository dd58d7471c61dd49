#pragma once
// Run control: the run counter, the trait being changed and the values saved
// and set by the schedule of runs.
#include "run/dimensions.h"

namespace zelvan {

struct RunState {
  int irun;        // run counter and schedule slot: 1 base run .. 252 final slot
  int trait;       // trait changed in the current run; 0 in the base run
  int ja;          // first breed index for which economic weights are computed
  int jb;          // last breed index for which economic weights are computed
  int TT;          // number of herd states of the cow herd: 6 LL - 2
  int CC;          // last category of breed index 0; offset of the breed-index-1 block
  int CT;          // last category of breed index 1
  int i4;          // category slots in use (exclusive bound): CT + 1 with cb = 1, else CC + 1
  int prodsys;     // production system; the cow herd is always modelled as system 4
  int prodsys2;    // production system of the file FROM1_3.TXT (0 until read)
  float tvm;       // input value of the changed quantity saved before its group of runs
  float tvh;       // raised value of the changed quantity (or its mean score)
  float tvl;       // lowered value of the changed quantity (or its mean score)
  float Tprofh;    // profit per cow and year of the run with the raised value, MU
  float Tprofl;    // profit per cow and year of the run with the lowered value, MU
  float Tprofm;    // profit of the base run, MU (milk-quota correction)
  float avh;       // derived quantity (e.g. milk305ave) in the raised run
  float avl;       // derived quantity in the lowered run
  float milktoth;  // total milk in the raised run, kg
  float milktotl;  // total milk in the lowered run, kg
  float milktotm;  // total milk in the base run, kg (milk-quota correction)
  float zzlosc[C];       // saved input values of a trait that changes several elements at once
  float zzircmy[L];      // saved per-lactation disease incidences (traits 37, 46)
  float zzdmi[3][DL];    // saved daily disease tables (traits 37, 46)
  double zac;      // processor clock at start, ticks
  double kon;      // processor clock at the end, ticks
};

}  // namespace zelvan
