// The price of a carcass depends on its class in the classification grid
// (rows and columns of the two scales). A group's price per kg is the base
// price times the mean class price index, weighted with the shares of its
// carcasses in the classes (shares in per cent).
#include "economics/carcass_prices.h"

#include <algorithm>

namespace zelvan {

namespace {

// The sale prices per kg live weight of the input survive the clearing.
bool is_live_weight_price(const Model& m, int i) {
  for (int k : kSoldAlive)
    if (i == k || i == m.CC + k) return true;
  return false;
}

void clear_prices(Model& m) {
  const int end = std::clamp(m.i4, 0, C);
  for (int i = 0; i < end; ++i)
    if (!is_live_weight_price(m, i)) m.pr[i] = 0;
}

// Share-weighted sums of the class price indices of breed index j; the cow
// grid is summed with breed index 0 only.
void sum_grids(Model& m, int j) {
  const int o = cat(m, j, 0);
  const int rows = std::clamp(m.p1, 0, P1), cols = std::clamp(m.p2, 0, P2);
  for (int a = 0; a < rows; ++a) {
    for (int b = 0; b < cols; ++b) {
      m.pr[o + 12] += m.Ph[a][b][j] * m.Prh[a][b];
      if (m.pbf[j] == 1) m.pr[o + 14] += m.Pb[a][b][j] * m.Prb[a][b];
      if (m.cast[j] == 1) m.pr[o + 17] += m.Pcs[a][b][j] * m.Prcs[a][b];
      if (j == 0) m.pr[30] += m.Pc[a][b][0] * m.Prc[a][b];
    }
  }
}

}  // namespace

void carcass_prices(Model& m) {
  clear_prices(m);
  for (int j = 0; j <= last_breed(m); ++j) sum_grids(m, j);
  for (int j = 0; j <= last_breed(m); ++j) {
    const int o = cat(m, j, 0);
    m.pr[o + 12] = (m.prh / 100) * m.pr[o + 12];
    if (m.pbf[j] == 1) m.pr[o + 14] = (m.prb / 100) * m.pr[o + 14];
    if (m.cast[j] == 1) m.pr[o + 17] = (m.prcs / 100) * m.pr[o + 17];
    // The cow price is scaled inside the loop over breed indices, so a
    // system with cross-bred calves scales it once per breed index.
    m.pr[30] = (m.prc / 100) * m.pr[30];
  }
}

}  // namespace zelvan
