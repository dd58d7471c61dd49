#pragma once
// Results of the cost phase of a run: the cost of one animal of every
// category, the rearing costs of the calves up to weaning, the cow costs per
// cow and year, the milk price and the losses from mastitis and claw
// disorders. Per-category arrays use the category layout (CC*j + k, cows at
// 25..CC); money is in MU.
#include "run/dimensions.h"

namespace zelvan {

struct CostState {
  // Costs per animal of a category.
  float costh[C];        // straw less the value of manure per animal in the category, MU
  float costfix[C];      // fixed costs per animal in the category, MU
  float nin[C];          // inseminations per animal in the category
  float costi[C];        // insemination costs per animal in the category, MU
  float costmilkv[C];    // variable costs of the extra milk against the first run, MU
  float dmilksum[C];     // milk of the cow category minus that of the first run, kg
  float costo[C];        // other costs (inseminations, disposal, extra milk), MU
  float cost[C];         // total cost of one animal of the category, MU
  float costvetwm[J];    // veterinary costs of a male calf up to weaning, MU
  float strawwm[J];      // straw of a male calf per day up to weaning, kg
  float dungwm[J];       // manure of a male calf per day up to weaning, kg
  float fixwm[J];        // fixed costs of a male calf per day up to weaning, MU
  float costhwm[J];      // straw less manure of a male calf up to weaning, MU
  float costhwf[J];      // straw less manure of a female calf up to weaning, MU
  float costfixwm[J];    // fixed costs of a male calf up to weaning, MU
  float costfixwf[J];    // fixed costs of a female calf up to weaning, MU
  float costwm[J];       // total rearing cost of a male calf up to weaning, MU
  float costwf[J];       // total rearing cost of a female calf up to weaning, MU
  float ninr[L];         // inseminations per cow that conceives in cycle c+1
  float costvetc;        // veterinary costs per cow and year, MU
  float costhc;          // straw less manure per cow and year, MU
  float costoc;          // other costs per cow and year, MU
  float costfixc;        // fixed costs per cow and year, MU
  float costfc;          // feed and water per cow and year, MU
  float costc;           // total costs per cow and year, MU
  float dysavs[D][J][L]; // share of calvings of difficulty class d, both calf sexes, breed index j, cycle c+1
  float dysavh[D];       // share of calvings of difficulty class d over the herd
  float costdys;         // cost of calving difficulty per calving, MU

  // Milk price.
  double Phiscc[NSCC];   // cumulative share of milk up to somatic-cell-score limit k
  float pSCC[NSCC];      // share of milk in somatic-cell-count class k
  float prscc;           // payment for the somatic cell count, MU per kg
  float prmilkf[NTHR];   // payment of fat class k, MU per kg
  float prmilkp[NTHR];   // payment of protein class k, MU per kg
  float prmilka30[NTHR]; // payment of curd-firmness class k, MU per kg
  float prmilkRCT[NTHR]; // payment of rennet-coagulation-time class k, MU per kg
  float prmilkfp;        // milk price from base price and contents, MU per kg
  float prmilk;          // price paid per kg of milk, MU per kg

  // Mastitis.
  float discow[C];       // milk lost through mastitis by a cow in the category, kg
  float dismilk;         // milk lost through mastitis per cow and year, kg
  float lossmilk;        // value of the milk lost through mastitis per cow and year, MU
  float ymi;             // cases of clinical mastitis per cow and lactation
  float costvetm;        // veterinary and drug costs of mastitis per cow, MU
  float costlabm;        // labour costs of mastitis per cow, MU
  float pydry;           // dry-cow treatments per cow and year
  float costom;          // other costs of mastitis per cow and year, MU
  float losstotal;       // total loss from mastitis per cow and year, MU

  // Claw disorders.
  float discd[C];        // milk lost through claw disorders by a cow in the category, kg
  float dismcd;          // milk lost through claw disorders per cow and year, kg
  float lossmcd;         // value of the milk lost through claw disorders per cow and year, MU
  float yacdi;           // cases of the first kind of claw disorder per cow and lactation
  float ynacdi;          // cases of the second kind of claw disorder per cow and lactation
  float ycdi;            // cases of claw disorders per cow and lactation
  float costvetcd;       // treatment costs of the first kind of claw disorder per cow, MU
  float costhcd;         // treatment costs of the second kind of claw disorder per cow, MU
  float losstcd;         // total loss from claw disorders per cow and year, MU
};

}  // namespace zelvan
