#pragma once
// Growth of all animals, step by step. Growth is linear between fixed points:
// a weight is a start weight plus days times a daily gain. The gains of the
// other groups are tied to the gain of female calves (adgcf) by ratios fixed
// after the input, so a run that changes adgcf, a mature weight or a dressing
// percentage moves every dependent weight and age with it. The phase runs
// the steps in the order declared here; each may read what the ones before
// it wrote.
#include "run/model.h"

namespace zelvan {

// Weaning weights, sale weights of calves (categories 8, 9), death of calves
// before weaning, dressing percentages of bulls and castrates.
void calf_weights(Model& m);

// Slaughter weights of fattened heifers, castrates and bulls from the mature
// weights, and the weight of pure-bred heifers at first mating.
void slaughter_weights(Model& m);

// Gains, ages and weights at slaughter, death and culling in fattening, and
// the age of heifers at first mating.
void fattening_and_first_mating(Model& m);

// Daily gain and sale weight of the test bull calves (category 10).
void test_bull_calves(Model& m);

// Pure-bred heifers: conception, first calving, death in rearing and
// culling when not in calf.
void pure_bred_heifers(Model& m);

// Sale weights of breeding heifers (category 23) and pregnant heifers (24).
void heifers_sold(Model& m);

// Weights of the cows at calving and at leaving the herd. Stops the program
// when the weight after the second calving is above the mature weight.
void cow_weights(Model& m);

// Stops the program when an age or period that later phases follow day by
// day is longer than 100 years (or no number at all).
void check_ages(const Model& m);

// Age of the oldest cows at calving in whole years: the age at first calving
// rounded to the nearer year (halves down) plus LL - 1 further calvings.
int dairy_dam_age_classes(const Model& m);

// Stops the program when the gene-flow data give another number of age
// classes of dairy dams than the herd implies.
void check_dairy_dam_age_classes(const Model& m);

}  // namespace zelvan
