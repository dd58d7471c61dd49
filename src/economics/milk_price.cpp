// Price paid per kg of milk under the herd's payment system: a base price,
// payments or deductions by somatic-cell-score class, and payments by the
// content of fat, protein and the coagulation traits a30 and RCT. Each trait
// is normally distributed over the deliveries; a class pays a + b (y - x0)
// for the deliveries y that fall into it.
//
//   milkprice 1  base price
//             2  + cell-score payment
//             3  + content payments
//             4  + both
//             5  (base price + content payments) x class factor + class payment,
//                averaged over the cell-score classes
#include "economics/cost_phases.h"
#include "herd/statistics.h"

namespace zelvan {

namespace {

bool uses_cell_classes(const Model& m) { return m.milkprice == 2 || m.milkprice > 3; }
bool pays_content(const Model& m) { return m.milkprice >= 3 && m.milkprice <= 5; }

// Share of the deliveries in each cell-score class, from the cumulative
// normal distribution of the score at the class limits. Without spread
// (sigmaSCS = 0) every delivery has the herd mean, which lies in the class
// whose upper limit is the first one not below it.
void cell_score_classes(Model& m) {
  const int n = m.nSCC;
  for (int k = 0; k <= n - 2; ++k) {
    if (m.sigmaSCS == 0.0f) {
      m.Phiscc[k] = m.tSCS[k] >= m.mSCS ? 1.0 : 0.0;
    } else {
      m.Phiscc[k] = normdis((m.tSCS[k] - m.mSCS) / m.sigmaSCS);
    }
  }
  if (n == 1) {  // a single class holds all the milk
    m.pSCC[0] = 1.0f;
    return;
  }
  m.pSCC[0] = static_cast<float>(m.Phiscc[0]);
  for (int k = 1; k <= n - 2; ++k) m.pSCC[k] = static_cast<float>(m.Phiscc[k] - m.Phiscc[k - 1]);
  m.pSCC[n - 1] = static_cast<float>(1.0 - m.Phiscc[n - 2]);
}

// Expected payment of every class of one trait, added to the price. Classes
// k = 0..n lie between the limits th[k-1] and th[k]; the outer classes are
// open up to the trait's natural bounds lo and hi.
void content_payment(Model& m, int n, const float* th, const float (&r)[3][NTHR], float mean, float sd,
                     float lo, float hi, float* paid) {
  for (int k = 0; k <= n; ++k) {
    const float lower = k == 0 ? lo : th[k - 1];
    const float upper = k == n ? hi : th[k];
    paid[k] = linregm(mean, sd, lower, upper, r[0][k], r[1][k], r[2][k]);
    m.prmilk += paid[k];
  }
}

}  // namespace

void milk_price(Model& m) {
  m.prmilk = m.prmilkb;
  if (uses_cell_classes(m)) cell_score_classes(m);
  if (m.milkprice == 2 || m.milkprice == 4) {
    float s = 0;
    for (int k = 0; k < m.nSCC; ++k) s += m.pSCC[k] * m.prSCC[k];
    m.prscc = s;
    m.prmilk += m.prscc;
  }
  if (pays_content(m)) {
    if (m.nfat >= 0) content_payment(m, m.nfat, m.thfat, m.rf, m.fat, m.sigmafat, 0.0f, 100.0f, m.prmilkf);
    if (m.nprot >= 0) content_payment(m, m.nprot, m.thprot, m.rp, m.prot, m.sigmaprot, 0.0f, 100.0f, m.prmilkp);
    if (m.ind_a30 == 1 && m.na30 >= 0)
      content_payment(m, m.na30, m.tha30, m.ra30, m.a30, m.sigmaa30, 0.0f, 100.0f, m.prmilka30);
    // Rennet coagulation time is paid between 2 and 60 minutes.
    if (m.ind_RCT == 1 && m.nRCT >= 0)
      content_payment(m, m.nRCT, m.thRCT, m.rRCT, m.RCT, m.sigmaRCT, 2.0f, 60.0f, m.prmilkRCT);
  }
  if (m.milkprice == 5) {
    // The class factor applies to the base price and the content payments together.
    m.prmilkfp = m.prmilk;
    float s = 0;
    for (int k = 0; k < m.nSCC; ++k) s += m.pSCC[k] * (m.prSCC[k] + m.facSCC[k] * m.prmilkfp);
    m.prmilk = s;
  }
}

}  // namespace zelvan
