// Profit of the system per cow and year: the discounted revenues less the
// discounted costs of all animal categories of one cow cycle, with the cost
// of calving difficulty and the subsidies, scaled from one calving interval
// to one year.
#include "weights/profit.h"

#include <algorithm>

namespace zelvan {

namespace {

// Milk, fat and protein per cow and cycle over the stationary herd (kg).
void milk_per_cycle(Model& m) {
  m.milktot = m.fatkg = m.protkg = 0;
  for (int i = 25; i <= std::min(m.CC, C - 1); ++i) {
    const double share = m.l2[i - 24];
    m.milktot = static_cast<float>(share * m.milksum[i] + m.milktot);
    m.fatkg = static_cast<float>(m.fat * (m.milksum[i] * 0.01 * share) + m.fatkg);
    m.protkg = static_cast<float>(m.prot * (m.milksum[i] * 0.01 * share) + m.protkg);
  }
}

// Subsidies per cow and cycle: per kg of milk, per cow and herd-book cow,
// per male calf sold and per fattened animal. The cross-bred categories
// (offset CC) are added whether or not the system has cross-bred calves.
float subsidies(const Model& m) {
  const int o = m.CC;
  return m.dotmilk * m.milktot + m.dotcowo + m.dotcowh * m.herdbook + (m.l1[o + 9] + m.l1[9]) * m.dotexpm +
         (m.l1[12] + m.l1[14] + m.l1[17] + m.l1[o + 12] + m.l1[o + 14] + m.l1[o + 17]) * m.dotfati;
}

// Per cent of the costs; a system without costs has no profitability.
float per_cent_of_costs(float amount, float costs) { return costs != 0 ? 100 * amount / costs : 0.0f; }

}  // namespace

void profit(Model& m) {
  m.Tprof = m.Tcost = m.Trev = 0;
  const int end = std::clamp(m.i4, 0, C);
  for (int i = 1; i < end; ++i) {
    m.Trev += m.rev[i] * m.NDEr[i];
    m.Tcost += m.cost[i] * m.NDEc[i];
  }
  milk_per_cycle(m);
  m.dot = subsidies(m);
  m.Tcost += m.costdys * m.NDEdys;
  const float per_year = 365 / m.ciav;
  m.Tcost = m.Tcost * per_year;
  m.Trev = m.Trev * per_year;
  m.dot = m.dot * per_year;
  m.Tprof = (m.Trev - m.Tcost) + m.dot;
  m.profitab = per_cent_of_costs(m.Trev - m.Tcost, m.Tcost);
  m.profitabd = per_cent_of_costs(m.Tprof, m.Tcost);
}

}  // namespace zelvan
