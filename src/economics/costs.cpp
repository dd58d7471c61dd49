// Costs of one animal of every category, in the currency of the input
// prices: feed and water (from the feed phase), veterinary care, straw less
// the value of the manure, fixed costs per day, inseminations, disposal of
// dead animals and the variable costs of the extra milk of a changed run.
// Animals kept after weaning carry the cost of their rearing up to weaning;
// a calf dying before weaning costs the share of rearing it went through.
// The cow costs are also averaged per cow and year, and dystocia is priced.
//
// Everything is single precision in the order written; sums weighted by the
// herd's stationary shares (double) take each product in double and round
// the running sum to single precision after each addition.
#include <cmath>

#include "economics/category_groups.h"
#include "economics/economic_phases.h"

namespace zelvan {

namespace {

// Calves sold before weaning are charged per day of their stay; the others
// take the values of a calf up to weaning.
void young_stock_inputs(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    for (int k : {8, 9}) m.costvet[cat(m, j, k)] = m.d[cat(m, j, k)] * m.costvetwf[j] / m.agew[j];
    m.costvetwm[j] = m.costvetwf[j];
    spread_to_groups(m, j, m.costvet);
    // Straw, manure and fixed costs per day: male calves as the female ones.
    auto per_day = [&](float* x, const float* wf, float* wm) {
      x[cat(m, j, 8)] = x[cat(m, j, 9)] = wf[j];
      wm[j] = wf[j];
      spread_to_groups(m, j, x);
    };
    per_day(m.straw, m.strawwf, m.strawwm);
    per_day(m.dung, m.dungwf, m.dungwm);
    per_day(m.fix, m.fixwf, m.fixwm);

    m.costd[cat(m, j, 7)] = m.costdf[j];
    if (m.pbf[j] == 1) m.costd[cat(m, j, 4)] = m.costdf[j];
    if (m.cast[j] == 1) m.costd[cat(m, j, 5)] = m.costdf[j];
    if (m.pff[j] == 1) m.costd[cat(m, j, 6)] = m.costdf[j];
  }
  // Cross-bred heifers that are not reared for breeding do not die in rearing.
  if (m.cb == 1 && m.utifemcr != 3) m.costd[m.CC + 7] = 0;
}

// The test bull is a calf up to weaning and a test animal after it; its
// straw, manure and fixed costs per day are the day-weighted mean of both.
void test_bull(Model& m) {
  const float dt = m.d[10];
  const float w = m.agew[0];
  if (w >= dt) m.costvet[10] = dt * m.costvetwf[0] / w;
  m.straw[10] = m.strawwf[0];
  m.dung[10] = m.dungwf[0];
  m.fix[10] = m.fixwf[0];
  if (dt > w) {
    m.costvet[10] = m.costvetwf[0] + m.costvet10;
    m.straw[10] = (m.strawwf[0] * w + (dt - w) * m.straw10) / dt;
    m.dung[10] = (m.dungwf[0] * w + (dt - w) * m.dung10) / dt;
    m.fix[10] = (m.fixwf[0] * w + (dt - w) * (m.fix10 - m.dottest)) / dt;
  }
}

// Every cow category is housed like category 30; cows that die in any
// lactation are disposed of at the cost of the first.
void cow_inputs(Model& m) {
  for (int i = 25; i <= m.CC; ++i) {
    m.fix[i] = m.fix[30];
    m.straw[i] = m.straw[30];
    m.dung[i] = m.dung[30];
  }
  for (int l = 2; l <= cycles(m); ++l) m.costd[6 * l + 19] = m.costd[25];
}

// Straw less manure over the days in the category, and the fixed costs.
float bedding(const Model& m, float days, float straw, float dung) { return days * (straw * m.prst - dung * m.prdg); }
float bedding(const Model& m, int i) { return bedding(m, m.d[i], m.straw[i], m.dung[i]); }

void bedding_and_fixed_costs(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    for (int k = kept_category(m, j, 1); k <= 24; k = kept_category(m, j, k + 1)) {
      const int i = cat(m, j, k);
      m.costh[i] = bedding(m, i);
      m.costfix[i] = m.d[i] * m.fix[i];
    }
    m.costhwm[j] = bedding(m, m.agew[j], m.strawwm[j], m.dungwm[j]);
    m.costfixwm[j] = m.agew[j] * m.fixwm[j];
    m.costhwf[j] = bedding(m, m.agew[j], m.strawwf[j], m.dungwf[j]);
    m.costfixwf[j] = m.agew[j] * m.fixwf[j];
  }
}

// One insemination with a dairy bull and with a beef bull.
float dairy_service(const Model& m) { return m.nr * m.praird + m.praid; }
float beef_service(const Model& m) { return m.nr * m.prairb + m.praib; }

// Inseminations of the heifers: those that conceive need the mean number
// up to conception, those that never conceive all inmaxh services.
void charge_heifer_inseminations(Model& m) {
  for (int i = 1; i <= m.CC; ++i) m.nin[i] = m.costi[i] = 0;
  float n = 0;
  for (int k = 0; k < heifer_inseminations(m); ++k) n += m.conh[k] * (k + 1) / m.tconh;
  m.nin[22] = n;
  m.nin[24] = m.nin[22];
  m.nin[19] = static_cast<float>(m.inmaxh);
  const float pd = dairy_service(m);
  m.costi[19] = m.nin[19] * pd;
  // Heifers sold pregnant: a share pcrossh is served once with a beef bull
  // (the model charges that one service, not nin[19] of them).
  if (m.utifemp == 4) m.costi[19] = beef_service(m) * m.pcrossh + m.nin[19] * pd * (1 - m.pcrossh);
  m.costi[22] = pd * m.nin[22];
  m.costi[24] = pd * m.nin[24];
}

void rearing_to_weaning(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    m.costwm[j] = m.costfixwm[j] + m.costfwm[j] + m.costhwm[j] + m.costvetwm[j];
    m.costwf[j] = m.costfixwf[j] + m.costfwf[j] + m.costhwf[j] + m.costvetwf[j];
  }
}

// Inseminations are charged to the pure-bred categories only.
void other_young_stock_costs(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j)
    for (int k = kept_category(m, j, 1); k <= 24; k = kept_category(m, j, k + 1)) {
      const int i = cat(m, j, k);
      m.costo[i] = m.costi[i] * (1 - j) + m.costd[i];
    }
}

// Full cost of one young animal. Fattened males carry the rearing cost of a
// male calf to weaning, heifers that of a female calf; a fattening group
// that is not kept costs nothing.
void young_stock_totals(Model& m) {
  for (int i = 0; i <= m.CT; ++i) m.cost[i] = 0;
  for (int k = 4; k <= 24; ++k) {
    if (k == 11 || k == 20 || k == 21) continue;
    for (int j = 0; j <= last_breed(m); ++j) {
      const int i = cat(m, j, k);
      float& c = m.cost[i];
      c = m.costfix[i] + m.costf[i] + m.costh[i] + m.costvet[i] + m.costo[i];
      switch (k) {
        case 4: case 14: case 15:
          c = m.pbf[j] == 0 ? 0 : c + m.costwm[j];
          break;
        case 5: case 16: case 17:
          c = m.cast[j] == 0 ? 0 : c + m.costwm[j];
          break;
        case 6: case 12: case 13:
          c = m.pff[j] == 0 ? 0 : c + m.costwf[j];
          break;
        case 7: case 18: case 19: case 22: case 24:
          c += m.costwf[j];
          break;
        case 23:
          if (m.age[i] > m.agew[j]) c += m.costwf[j];
          break;
        default:  // 8, 9, 10: sold or tested before weaning, no rearing addition
          break;
      }
    }
  }
  if (m.cb == 1 && m.utifemcr != 3)
    for (int k : {7, 18, 19, 20, 21, 22, 23, 24}) m.cost[m.CC + k] = 0;
}

// A calf that dies between 48 hours and weaning costs, per dead calf, the
// share of rearing of the calves it comes from: male calves kept to weaning,
// male calves sold or sent to test (for the days they stayed), and female
// calves. One cost component X with its values of weaned calves.
float dead_calf_share(const Model& m, int j, const float* x, float xwm, float xwf) {
  // No calves die before weaning: nothing to share (the quotient would be 0 / 0).
  if (!(m.l1[cat(m, j, 3)] > 0)) return 0;
  const float dead = 2 * m.l1[cat(m, j, 3)];
  const float males = (1 - m.mxmc[j] - m.mtest[j]) * xwm +
                      x[cat(m, j, 9)] * m.mxmc[j] * m.age[cat(m, j, 9)] / m.agew[j] +
                      x[cat(m, j, 10)] * m.mtest[j] * m.age[cat(m, j, 10)] / m.agew[j];
  return (males * m.Nmc48a[j] * m.dcw[j] + xwf * m.losfw[j]) / dead;
}

// The dead calves' feed and fixed costs replace whatever the feed phase
// left in category 3.
void dead_calves(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    const int i = cat(m, j, 3);
    m.costf[i] = dead_calf_share(m, j, m.costf, m.costfwm[j], m.costfwf[j]);
    m.costh[i] = dead_calf_share(m, j, m.costh, m.costhwm[j], m.costhwf[j]);
    m.costfix[i] = dead_calf_share(m, j, m.costfix, m.costfixwm[j], m.costfixwf[j]);
    m.costvet[i] = dead_calf_share(m, j, m.costvet, m.costvetwm[j], m.costvetwf[j]);
    m.costo[i] = m.costdcf[j];
    m.cost[i] = m.costo[i] + m.costf[i] + m.costh[i] + m.costfix[i] + m.costvet[i];
  }
}

// Inseminations of the cows: the mean number up to conception of the
// cows that conceive in a lactation is charged to the states of the
// following lactation; cows culled for conception failure had all inmax.
void charge_cow_inseminations(Model& m) {
  const int nl = cycles(m);
  for (int l = 0; l < nl; ++l) m.ninr[l] = 0;
  for (int l = 0; l < nl - 1; ++l) {
    float n = 0;
    for (int k = 0; k < cow_inseminations(m); ++k) n += (k + 1) * m.cpin[l][k] / m.cp[l];
    m.ninr[l] = n;
  }
  for (int l = 1; l < nl; ++l) {
    m.nin[6 * l + 24] = m.nin[6 * l + 21] = m.nin[6 * l + 19] = m.ninr[l - 1];
    m.nin[6 * l + 22] = static_cast<float>(m.inmax);
  }
  const float pd = dairy_service(m);
  const float pb = beef_service(m);
  for (int i = 25; i <= m.CC; ++i) {
    const int c = (i - 25) / 6;
    m.costi[i] = m.nin[i] * (pd * (1 - m.pcross[c]) + m.pcross[c] * pb);
    m.dmilksum[i] = m.milksum[i] - m.zzmilksum[i];
  }
}

// Veterinary costs of a cow per day of lactation, the variable costs of the
// milk a changed run produces beyond the base run, and the other costs.
void cow_totals(Model& m) {
  // The states of the last lactation get no veterinary, milk or other costs
  // (the model leaves them at 0).
  for (int l = 1; l < cycles(m); ++l) {
    for (int k = 1; k <= 6; ++k) {
      const int i = 6 * l + 18 + k;
      if (k == 5) {
        m.costo[i] = m.costmilkv[i] = m.costvet[i] = 0;
        continue;
      }
      m.costvet[i] = m.costv[30] * m.d[i] / (m.ci[l - 1] - m.dd);
      m.costmilkv[i] = m.dmilksum[i] * m.varmilk;
      m.costo[i] = m.costmilkv[i] + m.costd[i] + m.costi[i];
    }
  }
  for (int i = 25; i <= m.CC; ++i) {
    m.costfix[i] = m.d[i] * m.fix[i];
    m.costh[i] = bedding(m, i);
    m.cost[i] = m.costfix[i] + m.costf[i] + m.costh[i] + m.costvet[i] + m.costo[i];
  }
}

// Female calves of category 23 sold right at weaning cost what a female
// calf costs up to weaning.
void heifers_sold_at_weaning(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    if (!(std::fabs(m.age[cat(m, j, 23)] - m.agew[j]) < 0.000001f)) continue;
    const int i = cat(m, j, 23);
    m.costf[i] = m.costfwf[j];
    m.costh[i] = m.costhwf[j];
    m.costfix[i] = m.costfixwf[j];
    m.costvet[i] = m.costvetwf[j];
    m.cost[i] = m.costf[i] + m.costh[i] + m.costfix[i] + m.costvet[i];
  }
}

// A cow-state value weighted by the stationary shares of the herd states is
// a value per calving; 365 / ciav makes it per cow and year.
float per_cow_and_year(const Model& m, const float* x) {
  float s = 0;
  for (int i = 25; i <= m.CC; ++i) s = static_cast<float>(s + x[i] * m.l2[i - 24]);
  return s * 365 / m.ciav;
}

void cow_averages(Model& m) {
  m.costvetc = per_cow_and_year(m, m.costvet);
  m.costhc = per_cow_and_year(m, m.costh);
  m.costoc = per_cow_and_year(m, m.costo);
  m.costfixc = per_cow_and_year(m, m.costfix);
  m.costfc = per_cow_and_year(m, m.costf);
  m.costc = per_cow_and_year(m, m.cost);
}

// Veterinary and labour costs of difficult calvings per calving of the
// herd: the mean of the female and male class shares, weighted by the
// calvings of each lactation and breed index.
void dystocia(Model& m) {
  const int nl = cycles(m);
  const int nk = difficulty_classes(m);
  for (int k = 0; k < nk; ++k)
    for (int j = 0; j <= last_breed(m); ++j)
      for (int l = 0; l < nl; ++l) m.dysavs[k][j][l] = 0.5 * (m.dysff[k][j][l] + m.dysmm[k][j][l]);
  m.costdys = 0;
  for (int k = 0; k < nk; ++k) {
    float h = 0;
    for (int l = 0; l < nl; ++l)
      h = static_cast<float>(h + m.l3[l] * (m.cal[0][l] * m.dysavs[k][0][l] + m.cal[1][l] * m.dysavs[k][1][l]));
    m.dysavh[k] = h;
    m.costdys += m.dysavh[k] * (m.vetdys[k] + m.labdys[k] * m.costlab);
  }
}

}  // namespace

void costs(Model& m) {
  young_stock_inputs(m);
  test_bull(m);
  cow_inputs(m);
  bedding_and_fixed_costs(m);
  charge_heifer_inseminations(m);
  rearing_to_weaning(m);
  other_young_stock_costs(m);
  young_stock_totals(m);
  dead_calves(m);
  charge_cow_inseminations(m);
  cow_totals(m);
  heifers_sold_at_weaning(m);
  cow_averages(m);
  dystocia(m);
}

}  // namespace zelvan
