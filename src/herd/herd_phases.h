#pragma once
// The herd phases of a run, in their order.
#include "run/model.h"

namespace zelvan {

void cow_herd_structure(Model& m);      // reproduction cycle and fate probabilities of the cows
void herd_transition_matrix(Model& m);  // Markov chain of the herd and its stationary state
void progeny_structure(Model& m);       // animals of every progeny category per calving
void growth(Model& m);                  // weights and ages of all animals

}  // namespace zelvan
