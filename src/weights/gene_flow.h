#pragma once
// Gene flow: how an improvement of a trait in the selected group of animals
// spreads through the age classes of sires, dams and progeny year by year,
// and the discounted expressions that turn the weights per cow and year into
// the weights of the calf component (ew_d) and of the cow component (ew_m).
#include "run/model.h"

namespace zelvan {

// The whole step of the final slot, run once: the transmission matrix,
// FROM1_3.TXT where cross-bred dams are kept for breeding, the weights per
// calf, the expressions per class, the discounted flow and the weights.
void gene_flow(Model& m);

// Its parts, in that order. build_transmission_matrix returns the sum s of
// the beef side's gene proportions (0 when FROM1_3.TXT is not read).
float build_transmission_matrix(Model& m);
void expressions_per_class(Model& m, float s);
void discounted_gene_flow(Model& m);
void weights_over_gene_flow(Model& m);

}  // namespace zelvan
