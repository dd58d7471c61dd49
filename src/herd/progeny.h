#pragma once
// Closing steps of the progeny structure, open to the tests. The phase
// itself is progeny_structure (herd/herd_phases.h).
#include "run/model.h"

namespace zelvan {

// Animals per progeny category over both breed indices (p_tot) and over all
// categories (psum). Read from l1 as it stands, tiny negative rounding
// residues included.
void progeny_totals(Model& m);

// Sets to 0 every progeny category of l1 that rounding has left slightly
// below zero (between -1e-6 and 0). Runs after the totals, so p_tot and psum
// keep those residues.
void clear_rounding_residues(Model& m);

}  // namespace zelvan
