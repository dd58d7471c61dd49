#pragma once
// The feeding and economic phases of a run, in their order.
#include "run/model.h"

namespace zelvan {

void nutrition_young_stock(Model& m);   // energy and protein needs of calves, young stock, fattened animals
void nutrition_cows(Model& m);          // energy and protein needs of the cows, milk per category
void feed_intake(Model& m);             // dry matter, feed, water and their costs
void costs(Model& m);                   // full costs of every category
void milk_price_and_losses(Model& m);   // milk price and losses from mastitis and claw disorders
void revenues(Model& m);                // carcass prices and revenues

}  // namespace zelvan
