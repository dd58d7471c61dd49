// What the farm sells, priced per animal: calves and heifers sold alive (per
// kg live weight or per head), fattened and early-culled animals by their
// carcass, and per cow cycle the milk of the cycle plus the carcass of a
// culled cow. The cow revenues are then averaged over the stationary herd
// and turned into revenue per cow and year.
#include <algorithm>

#include "economics/carcass_prices.h"
#include "economics/economic_phases.h"

namespace zelvan {

namespace {

// Herd state e (25..CC) ends its cycle with fate 5 (empty, kept to the next
// cycle): such a state has neither milk revenue nor any revenue at all.
bool is_empty_state(int e) { return (e - 25) % 6 == 4; }

// Milk paid for in each cow cycle; milk discarded because of mastitis is
// not paid when mastitis is modelled.
void milk_revenue_per_cycle(Model& m) {
  const int last = std::clamp(m.CC, 0, C - 1);
  for (int e = 0; e <= last; ++e) m.revmilk[e] = 0;
  for (int e = 25; e <= last; ++e) {
    if (is_empty_state(e)) continue;
    if (m.mast_inc == 1)
      m.revmilk[e] = (m.milksum[e] - m.discow[e]) * m.prmilk;
    else
      m.revmilk[e] = m.milksum[e] * m.prmilk;
  }
}

// An animal sold alive brings its live weight times the price per kg, or
// the price per head when no price per kg is set.
void sold_alive(Model& m, int j) {
  for (int k : kSoldAlive) {
    const int i = cat(m, j, k);
    m.rev[i] = m.pr[i] > 1e-6 ? m.ww[i] * m.pr[i] : m.pranim[i];
  }
}

// Fattened animals are paid by their carcass (live weight times dressing
// proportion of the group, the bulls' and castrates' relative to the
// heifers'); animals culled half-way through fattening dress a little
// lower (kdres*) and fetch a reduced price (kpr of the group).
void slaughtered(Model& m, int j) {
  const int o = cat(m, j, 0);
  const float dresh = m.dresh[j];
  if (m.pff[j] == 1) {
    m.rev[o + 12] = m.pr[o + 12] * (m.whfat[j] * dresh);
    m.rev[o + 13] = m.kpr[12] * (((dresh * m.wcwsf[j]) * m.kdresh) * m.pr[o + 12]);
  }
  if (m.pbf[j] == 1) {
    m.rev[o + 14] = m.pr[o + 14] * ((m.wbfat[j] * dresh) * m.kdresbh[j]);
    m.rev[o + 15] = m.kpr[14] * (((m.kdresbh[j] * (m.wcwsm[j] * dresh)) * m.kdresb) * m.pr[o + 14]);
  }
  if (m.cast[j] == 1) {
    m.rev[o + 17] = m.pr[o + 17] * ((m.wcfat[j] * dresh) * m.kdresch[j]);
    m.rev[o + 16] = m.kpr[17] * (((m.kdresch[j] * (m.wcwsc[j] * dresh)) * m.kdresc) * m.pr[o + 17]);
  }
  // Heifers culled before mating or for not conceiving go to slaughter at
  // the heifer carcass price.
  if (m.l1[o + 18] > 1e-6) m.rev[o + 18] = m.pr[o + 12] * (m.whmat1[j] * dresh);
  if (m.l1[o + 19] > 1e-6) m.rev[o + 19] = m.pr[o + 12] * (dresh * m.whcmat);
}

void revenue_per_animal(Model& m) {
  const int last = std::clamp(m.CT, 0, C - 1);
  for (int i = 0; i <= last; ++i) m.rev[i] = 0;
  for (int j = 0; j <= last_breed(m); ++j) {
    sold_alive(m, j);
    slaughtered(m, j);
  }
}

// Carcass value of a cow of live weight w at the full cow price.
float cow_carcass(const Model& m, float w) { return ((m.dresh[0] * w) * m.kdrescwh) * m.pr[30]; }

// A cycle brings its milk; a culled cow brings her carcass as well. Cows
// culled after a difficult calving or for health and yield are paid at the
// reduced factor kpr[30], cows culled for not conceiving (or at the end of
// the last cycle) at the full price. Lost cows bring only their milk, empty
// cows nothing, and the last cycle has no survivors.
void revenue_per_cow_cycle(Model& m) {
  for (int i = 1; i <= cycles(m); ++i) {
    const int s = 6 * i + 18;  // fate k of cycle i is element s + k
    m.rev[s + 1] = m.revmilk[s + 1];
    m.rev[s + 2] = m.revmilk[s + 2] + cow_carcass(m, m.wcdys[i - 1]) * m.kpr[30];
    m.rev[s + 3] = m.revmilk[s + 3] + cow_carcass(m, m.wcc[i - 1]) * m.kpr[30];
    m.rev[s + 4] = m.revmilk[s + 4] + cow_carcass(m, m.wccw[i - 1]);
    if (i < m.LL) m.rev[s + 6] = m.revmilk[s + 6];
  }
}

// Revenue per calving weighted by the stationary shares of the herd states,
// then per cow and year.
float per_cow_and_year(const Model& m, const float (&per_state)[C]) {
  const int last = std::clamp(m.CC, 0, C - 1);
  float sum = 0;
  for (int e = 25; e <= last; ++e) sum = static_cast<float>(sum + per_state[e] * m.l2[e - 24]);
  return sum * (365 / m.ciav);
}

}  // namespace

void revenues(Model& m) {
  carcass_prices(m);
  milk_revenue_per_cycle(m);
  revenue_per_animal(m);
  revenue_per_cow_cycle(m);
  m.revc = per_cow_and_year(m, m.rev);
  m.revmilkc = per_cow_and_year(m, m.revmilk);
  m.revcullc = m.revc - m.revmilkc;
}

}  // namespace zelvan
