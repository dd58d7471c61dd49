#pragma once
// Results of the nutrition phase of a run: energy and protein requirements of
// every category, the lactation curve with the milk per cow category and the
// 305-day yields, and the dry matter, feed and water with their costs.
// Per-category arrays use the category layout (CC*j + k for progeny category
// k of breed index j, cows at 25..CC); energy is in MJ NEL and protein in g
// PDI, summed over all days an animal spends in its category.
#include "run/dimensions.h"

namespace zelvan {

struct NutritionState {
  // Young stock and fattened animals.
  float bw[C];          // birth weight of the calves of a category, kg
  float adg[C];         // daily gain in the category, kg/day
  float dc1[C];         // days of the first calf period (calves sold or tested), days
  float dp[C];          // days pregnant when the animal leaves the category, days
  float ne[C];          // energy requirement per animal in the category (first or only period), MJ NEL
  float pdi[C];         // protein requirement per animal in the category (first or only period), g PDI
  float ne2[C];         // energy requirement of the second calf period, MJ NEL
  float pdi2[C];        // protein requirement of the second calf period, g PDI
  float nepc[C];        // energy requirement of pregnancy, MJ NEL
  float pdipc[C];       // protein requirement of pregnancy, g PDI
  float gestne[GD];     // uterus energy over gestation days 1..t, MJ NEL per kg calf birth weight, unscaled
  float gestpdi[GD];    // uterus protein over gestation days 1..t, g PDI per kg calf birth weight, unscaled
  float kce[J];         // energy factor of castrates for the maturity type
  float kcp[J];         // protein factor of castrates for the maturity type
  float kt;             // housing factor of maintenance: young stock, then cows after the cow step
  float ne10;           // energy requirement of the test bull after weaning, MJ NEL
  float pdi10;          // protein requirement of the test bull after weaning, g PDI
  float d1w[J];         // days of the first period of a calf reared to weaning, days
  float newf[J];        // energy requirement of a female calf to weaning, first period, MJ NEL
  float newm[J];        // energy requirement of a male calf to weaning, first period, MJ NEL
  float pdiwf[J];       // protein requirement of a female calf to weaning, first period, g PDI
  float pdiwm[J];       // protein requirement of a male calf to weaning, first period, g PDI
  float newf2[J];       // energy requirement of a female calf to weaning, second period, MJ NEL
  float newm2[J];       // energy requirement of a male calf to weaning, second period, MJ NEL
  float pdiwf2[J];      // protein requirement of a female calf to weaning, second period, g PDI
  float pdiwm2[J];      // protein requirement of a male calf to weaning, second period, g PDI

  // Cows.
  float sp[C];          // day of lactation at conception, days
  float dl[C];          // days in milk when the cow leaves the category, days
  float nem[C];         // energy for maintenance, MJ NEL
  float pdim[C];        // protein for maintenance, g PDI
  float neg[C];         // energy for growth, MJ NEL
  float pdig[C];        // protein for growth, g PDI
  float nel[C];         // energy for milk, MJ NEL
  float pdil[C];        // protein for milk, g PDI
  float milksum[C];     // milk produced by a cow in the category, kg
  float zzmilksum[C];   // milk per cow category of the very first run, kg
  double milkday[C1][DL];  // milk of cow category i on whole day t of the lactation in this run, kg
  float nl[L];          // lactating share of the calving interval of cycle c+1
  float nd[L];          // dry share of the calving interval of cycle c+1
  float cowyear;        // cow-years spent in the cow categories per calving, years
  float ecm;            // energy content of milk, MJ NEL per kg
  float pdiml;          // protein content of milk, g PDI per kg
  float a1;             // level of the lactation curve in the first lactation
  float a2;             // level of the lactation curve in later lactations
  float milk305[3];     // 305-day yield of lactations 1, 2, 3, kg
  float milk21;         // 305-day yield of lactation 2 relative to lactation 1
  float milk31;         // 305-day yield of lactation 3 relative to lactation 1
  float milk305ave;     // herd average 305-day yield, kg
  float fat305ave;      // herd average 305-day fat yield, kg
  float prot305ave;     // herd average 305-day protein yield, kg

  // Feed intake and feed costs.
  float kff;            // feed-loss factor of the fattened animals
  float kfw;            // feed-loss factor of all other animals
  float dryf2[C];       // dry matter content of the ration of the second calf period, kg per kg
  float edf2[C];        // energy density of the ration of the second calf period, MJ NEL per kg dry matter
  float pdid2[C];       // protein density of the ration of the second calf period, g PDI per kg dry matter
  float prf2[C];        // price of the ration of the second calf period, MU per kg
  float rfi2[C];        // residual feed intake in the second calf period, kg dry matter/day
  float fe[C];          // fresh feed that covers the energy requirement, kg
  float fpdi[C];        // fresh feed that covers the protein requirement, kg
  float tdrye[C];       // dry matter that covers the energy requirement, kg
  float tdrypdi[C];     // dry matter that covers the protein requirement, kg
  float tdry[C];        // dry matter needed in the category, kg
  float ddry[C];        // dry matter eaten per day, kg/day
  float f[C];           // feed eaten in the category, kg
  float costwt[C];      // cost of the drinking water in the category, MU
  float costf[C];       // cost of feed and water per animal in the category, MU
  float fe2[C];         // fresh feed covering energy, second calf period, kg
  float fpdi2[C];       // fresh feed covering protein, second calf period, kg
  float tdrye2[C];      // dry matter covering energy, second calf period, kg
  float tdrypdi2[C];    // dry matter covering protein, second calf period, kg
  float tdry2[C];       // dry matter needed in the second calf period, kg
  float dc2[C];         // days of the second calf period, days
  float ddry2[C];       // dry matter eaten per day in the second calf period, kg/day
  float f2[C];          // feed eaten in the second calf period, kg
  float dryfwm[J];      // dry matter content of the ration of male calves to weaning, kg per kg
  float edfwm[J];       // energy density of the ration of male calves, MJ NEL per kg dry matter
  float pdidwm[J];      // protein density of the ration of male calves, g PDI per kg dry matter
  float prfwm[J];       // price of the ration of male calves, MU per kg
  float watwm[J];       // water drunk by a male calf per day, litres
  float dryfwm2[J];     // dry matter content of the second-period ration of male calves, kg per kg
  float edfwm2[J];      // energy density of the second-period ration of male calves, MJ NEL per kg dry matter
  float pdidwm2[J];     // protein density of the second-period ration of male calves, g PDI per kg dry matter
  float prfwm2[J];      // price of the second-period ration of male calves, MU per kg
  float fewm[J];        // fresh feed covering energy of a male calf, first period, kg
  float fewf[J];        // fresh feed covering energy of a female calf, first period, kg
  float fpdiwm[J];      // fresh feed covering protein of a male calf, first period, kg
  float fpdiwf[J];      // fresh feed covering protein of a female calf, first period, kg
  float tdryewm[J];     // dry matter covering energy of a male calf, first period, kg
  float tdryewf[J];     // dry matter covering energy of a female calf, first period, kg
  float tdrypdiwm[J];   // dry matter covering protein of a male calf, first period, kg
  float tdrypdiwf[J];   // dry matter covering protein of a female calf, first period, kg
  float tdrywm[J];      // dry matter needed by a male calf, first period, kg
  float tdrywf[J];      // dry matter needed by a female calf, first period, kg
  float ddrywm[J];      // dry matter eaten per day by a male calf, first period, kg/day
  float ddrywf[J];      // dry matter eaten per day by a female calf, first period, kg/day
  float fwm[J];         // feed eaten by a male calf, first period, kg
  float fwf[J];         // feed eaten by a female calf, first period, kg
  float fewm2[J];       // fresh feed covering energy of a male calf, second period, kg
  float fewf2[J];       // fresh feed covering energy of a female calf, second period, kg
  float fpdiwm2[J];     // fresh feed covering protein of a male calf, second period, kg
  float fpdiwf2[J];     // fresh feed covering protein of a female calf, second period, kg
  float tdryewm2[J];    // dry matter covering energy of a male calf, second period, kg
  float tdryewf2[J];    // dry matter covering energy of a female calf, second period, kg
  float tdrypdiwm2[J];  // dry matter covering protein of a male calf, second period, kg
  float tdrypdiwf2[J];  // dry matter covering protein of a female calf, second period, kg
  float tdrywm2[J];     // dry matter needed by a male calf, second period, kg
  float tdrywf2[J];     // dry matter needed by a female calf, second period, kg
  float ddrywm2[J];     // dry matter eaten per day by a male calf, second period, kg/day
  float ddrywf2[J];     // dry matter eaten per day by a female calf, second period, kg/day
  float fwm2[J];        // feed eaten by a male calf, second period, kg
  float fwf2[J];        // feed eaten by a female calf, second period, kg
  float costwwm[J];     // water of a male calf up to weaning, MU
  float costwwf[J];     // water of a female calf up to weaning, MU
  float costfwm[J];     // feed and water of a male calf up to weaning, MU
  float costfwf[J];     // feed and water of a female calf up to weaning, MU
  float fe10;           // fresh feed covering energy of the test bull after weaning, kg
  float fpdi10;         // fresh feed covering protein of the test bull after weaning, kg
  float tdrye10;        // dry matter covering energy of the test bull after weaning, kg
  float tdrypdi10;      // dry matter covering protein of the test bull after weaning, kg
  float tdry10;         // dry matter needed by the test bull after weaning, kg
  float ddry10;         // dry matter eaten per day by the test bull after weaning, kg/day
  float f10;            // feed eaten by the test bull after weaning, kg
};

}  // namespace zelvan
