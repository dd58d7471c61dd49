#pragma once
// Economic weights gathered over the runs, their standardisation and the
// gene flow that spreads them over the expressions of one genetic
// improvement. Per-trait arrays are indexed by trait number 1..47; the weight
// arrays ew0 and ew hold breed index j of trait t at [t][j], the entries with
// j = 2 the beef sire breed.
#include "run/dimensions.h"

namespace zelvan {

inline constexpr int NWARN = 160;  // warnings kept about weights that could not be evaluated

struct WeightsState {
  float ew0[NT][3];     // economic weight of trait t, breed index j, from the +-1 % pair of runs, MU per unit
  float ew[NT][3];      // economic weight of trait t, breed index j, from the +-0.5 % pair (final), MU per unit
  float ewdiff[NT][J];  // difference of the two estimates relative to the final one, %
  float ewc[NT][J];     // economic weight per calf born, MU per unit
  float ew_d[NT];       // weight of the component expressed in the calves, over the gene flow, MU per unit
  float ew_m[NT];       // weight of the component expressed in the cows, over the gene flow, MU per unit
  float ewst_d[NT];     // weight of the calf component per genetic standard deviation, MU
  float ewst_m[NT];     // weight of the cow component per genetic standard deviation, MU
  float ewsum_d;        // sum of the absolute standardised calf-component weights, MU
  float ewsum_m;        // sum of the absolute standardised cow-component weights, MU
  float ewsum;          // sum of all absolute standardised weights, MU
  float ewr_dd[NT];     // calf-component weight relative to the calf-component sum, %
  float ewr_da[NT];     // calf-component weight relative to the whole sum, %
  float ewr_mm[NT];     // cow-component weight relative to the cow-component sum, %
  float ewr_ma[NT];     // cow-component weight relative to the whole sum, %
  float deltamilk;      // milk-quota correction: change of milk per unit of the trait, kg
  float deltacow;       // that change relative to the milk of the base run, per unit

  // Mean scores of the categorical traits, per breed index.
  float Pcflmcc[J];     // mean class of cow carcasses, first classification
  float Pcflmcb[J];     // mean class of bull carcasses, first classification
  float Pcflmch[J];     // mean class of heifer carcasses, first classification
  float Pcflmcca[J];    // mean class of castrate carcasses, first classification
  float Pcfcmcc[J];     // mean class of cow carcasses, second classification
  float Pcfcmcb[J];     // mean class of bull carcasses, second classification
  float Pcfcmch[J];     // mean class of heifer carcasses, second classification
  float Pcfcmcca[J];    // mean class of castrate carcasses, second classification
  float dysscoreavf[J]; // mean calving-difficulty score with female calves
  float dysscoreavm[J]; // mean calving-difficulty score with male calves
  float zzdist[P1][P2]; // saved distribution of the categorical trait being changed: [class][cell of the class]
  float margsc[P1];     // share of each class of the saved distribution
  float thrsc[P1];      // liability threshold above each class (all but the last), standard deviations

  // Weights that could not be evaluated (zero denominators), for the results.
  int nwarn;               // number of warnings kept
  int ewwarn[NWARN][3];    // one warning: trait (0: the gene flow as a whole), breed index (-1: none), reason

  // Gene flow.
  int acm;              // last age class of the gene-flow model: acdd + acsb + acsd + acdc + 3
  float m_gf0[ACM];     // share of the selected group's genes in class i this year
  float m_gf[ACM];      // share of the selected group's genes in class i next year
  float m_sum[ACM];     // discounted sum of those shares over the investment period
  float hd[ACM];        // expressions of the calf component per animal of class i
  float hm[ACM];        // expressions of the cow component per animal of class i
  float ewwd[NT][ACM];  // weight of trait t per calf-component expression in class i, MU per unit
  float ewwm[NT][ACM];  // weight of trait t per cow-component expression in class i, MU per unit
  float pc;             // expressions per animal of the progeny of the cross-bred dams
  int L3;               // number of gene proportions in FROM1_3.TXT
  float tconh3;         // conception rate of heifers read from FROM1_3.TXT
};

}  // namespace zelvan
