#pragma once
// The herd as a Markov chain over the places for cows: a place is in herd
// state s = 6(i-1) + k when the cow in it is in cycle i and that cycle ends
// with fate k (1 lost, 2 culled after a difficult calving, 3 culled for
// health or yield, 4 not in calf, 5 empty, 6 survives to the next calving).
// The last cycle has only fates 1..4. The steps of the phase are visible
// here so that each can be checked on its own.
#include "run/model.h"

namespace zelvan {

// Probability that cycle i (1-based) ends with fate k, kept in the category
// layout of the cows: pp[24 + s] for herd state s.
inline float& fate(Model& m, int i, int k) { return m.pp[6 * i + 18 + k]; }

// Fills tmat: a place whose cow left is refilled by a heifer starting cycle
// 1; a survivor of cycle i goes on to the fates of cycle i+1.
void build_transition_matrix(Model& m);

// Stops the program on the first row of tmat (ascending) whose sum over the
// used columns lies outside [0.999999, 1.000001].
void check_row_sums(const Model& m);

// Power iteration from state 1 into l2 (shares of cow cycles per herd
// state), counting the steps in niter.
void find_stationary_state(Model& m);

// l3, Ncalt, avecalc, life, ciav, avelifecy, avelifecl and losc from l2.
void derive_herd_figures(Model& m);

}  // namespace zelvan
