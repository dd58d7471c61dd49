#pragma once
// Results of the herd phases of a run: the reproduction cycle of the cows,
// the herd's Markov chain and its stationary state, the progeny per calving
// and the growth of all animals. Cycle-indexed arrays hold cycle c+1 at [c];
// per-category arrays use the category layout (CC*j + k, cows at 24 + s).
#include "run/dimensions.h"

namespace zelvan {

// Reproduction cycle of the cows.
struct CowCycleState {
  float dysf[J][L];         // share of difficult calvings with a female calf of breed index j
  float dysm[J][L];         // share of difficult calvings with a male calf of breed index j
  float dys[J][L];          // share of difficult calvings, both sexes
  float cal[J][L];          // share of the calvings starting cycle c+1 giving a calf of breed index j
  float dysc[L];            // share of all calvings starting cycle c+1 that are difficult
  float pcdys[L];           // share of cows culled after a difficult calving (fate 2)
  float dysmat[L];          // share of cows with a difficult calving that stay and are mated
  float cmat[L];            // share of cows that are mated
  float cpindys[L][INS];    // cows conceiving at insemination s after a difficult calving
  float cpinndys[L][INS];   // cows conceiving at insemination s after a normal calving
  float cpin[L][INS];       // cows conceiving at insemination s
  float cp[L];              // share of cows conceiving in the cycle
  float ncp[L];             // share of mated cows that do not conceive (fate 4)
  float pconc[L][INS];      // distribution of conception over inseminations
  float intconc[L];         // mean days from first insemination to conception
  float ci[L];              // calving interval, days
  float dayslac[L];         // lactation length, days
  float clcm[L];            // losses between calving and first insemination
  float clmc[L];            // losses after the first insemination
  float cculcm[L];          // health and yield culling between calving and first insemination
  float cculmc[L];          // health and yield culling after the first insemination
};

// Markov chain of the places for cows in the herd.
struct HerdChainState {
  double tmat[T][T];        // transition matrix between herd states
  int n;                    // number of herd states used by the iteration
  double l2[T + 1];         // stationary share of cow cycles ending in herd state s (dumped over 0..89)
  int niter;                // iteration steps taken for the stationary state
  double l3[L + 1];         // share of calvings that start cycle c+1
  float Ncalt;              // sum of l3 over the cycles (1 up to rounding)
  float avecalc;            // share of calvings giving a cross-bred calf
  float life[C];            // days from first calving to leaving, per herd state
  float ciav;               // average calving interval, days
  float avelifecy;          // average productive life, years
  float avelifecl;          // average productive life, calvings
  float losc;               // cow cycles ending in loss or health culling, per calving
};

// Progeny of one calving.
struct ProgenyState {
  float l1[C];              // animals per calving ending in each category
  float d[C];               // days an animal spends in its category
  float dysav[J];           // share of difficult calvings among calvings giving breed index j
  float dysavave;           // share of difficult calvings among all calvings
  float totcal[J];          // calvings giving a calf of breed index j, per calving
  float Ncal[J];            // calves of breed index j born per calving
  float deadfc[J][L];       // female calves dead at birth per calving of cycle c+1
  float deadmc[J][L];       // male calves dead at birth per calving of cycle c+1
  float dead48f[J][L];      // female calves dead within 48 h per calving of cycle c+1
  float dead48m[J][L];      // male calves dead within 48 h per calving of cycle c+1
  float pf[J][3];           // female calves dead at birth [1] and within 48 h [2], per calving
  float pm[J][3];           // male calves dead at birth [1] and within 48 h [2], per calving
  float Nfcba[J];           // female calves born alive
  float Nmcba[J];           // male calves born alive
  float Nfc48a[J];          // female calves alive at 48 h
  float Nmc48a[J];          // male calves alive at 48 h
  float losfw[J];           // female calves dead between 48 h and weaning
  float losmw[J];           // male calves dead between 48 h and weaning or sale
  float Nfcw[J];            // female calves weaned
  float Nmcf[J];            // male calves for fattening
  float Nmcfb[J];           // male calves fattened as bulls
  float Nmcfc[J];           // male calves fattened as castrates
  float conh[INS];          // share of heifers conceiving at insemination s
  float tconh;              // total conception rate of heifers
  float pconh[INS];         // distribution of heifer conception over inseminations
  float hmpf;               // share of mated heifers that do not conceive
  float Nfmat;              // heifers to be mated per calving
  float Nfrer;              // female calves to be reared for replacement per calving
  float Nfav;               // surplus pure-bred female calves weaned per calving
  float Nffa[J];            // female calves fattened
  float sdcd;               // sum over cycles of calf deaths within 48 h after difficult calvings
  float sdce;               // sum over cycles of calf deaths within 48 h after easy calvings
  float p_tot[NCP];         // animals of category k over both breed indices
  float psum;               // sum of p_tot
  float kp21[J];            // base run: calves dead within 48 h per calf dead at birth
  float kpm1[J];            // base run: male per female calves dead at birth
  float kpm2[J];            // base run: male per female calves dead within 48 h
  float calfloss[J];        // calves dead at birth or within 48 h per calving
};

// Weights and ages of all animals.
struct GrowthState {
  float wwf[J];             // weaning weight of female calves, kg
  float wwm[J];             // weaning weight of male calves, kg
  float ww[C];              // live weight at sale per category, kg
  float agedcw[J];          // age at death of calves dying before weaning, days
  float wdcwf[J];           // weight at death of calves dying before weaning, kg
  float agesf[J];           // age at slaughter of fattened heifers, days
  float agesm[J];           // age at slaughter of fattened bulls, days
  float agesc[J];           // age at slaughter of fattened castrates, days
  float agedwsf[J];         // age at death of heifers in fattening, days
  float agedwsm[J];         // age at death of bulls in fattening, days
  float agedwsc[J];         // age at death of castrates in fattening, days
  float wdwsf[J];           // weight at death of heifers in fattening, kg
  float wdwsm[J];           // weight at death of bulls in fattening, kg
  float wdwsc[J];           // weight at death of castrates in fattening, kg
  float agecwsf[J];         // age at culling of heifers in fattening, days
  float agecwsm[J];         // age at culling of bulls in fattening, days
  float agecwsc[J];         // age at culling of castrates in fattening, days
  float wcwsf[J];           // weight at culling of heifers in fattening, kg
  float wcwsm[J];           // weight at culling of bulls in fattening, kg
  float wcwsc[J];           // weight at culling of castrates in fattening, kg
  float agehmat1[J];        // age of heifers at first mating, days
  float intconh;            // mean days from first mating to conception of heifers
  float ageh1cal[J];        // age at first calving, days
  float wh1cal;             // weight before the first calving, kg
  float agedmh[J];          // age at death of rearing heifers, days
  float whdmh;              // weight at death of rearing heifers, kg
  float agehcmat1[J];       // age at culling of heifers that did not conceive, days
  float whcmat;             // weight at culling of heifers that did not conceive, kg
  float wcacal[L];          // weight of a cow just after the calving starting cycle c+1, kg
  float wccal[L];           // weight just before that calving, kg
  float ndaycc[L];          // days from calving to culling for health or yield
  float ndaycd[L];          // days from calving to death
  float adg2cow;            // daily gain of cows in the second cycle, kg/day
  float wcd[L];             // weight of cows at death, kg
  float wcdys[L];           // weight of cows culled after a difficult calving, kg
  float wcc[L];             // weight of cows culled for health or low yield, kg
  float wccw[L];            // weight of cows culled for conception failure, kg
};

}  // namespace zelvan
