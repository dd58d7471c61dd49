// Energy (MJ NEL) and protein (g PDI) requirements of the young animals of
// both breed indices, summed over the days an animal spends in its
// category: calves sold or tested (two calf periods), the test bull after
// weaning, bulls, castrates and heifers in fattening, rearing heifers with
// their first pregnancy, and the calves reared to weaning.
//
// Formulas with decimal constants are evaluated in double precision and
// rounded when stored; products of model quantities alone stay in single
// precision, in the order written.
#include <cmath>

#include "economics/daily_sums.h"
#include "economics/economic_phases.h"
#include "economics/nutrition.h"

namespace zelvan {

namespace {

struct Requirement {
  float ne;   // energy, MJ NEL
  float pdi;  // protein, g PDI
};

// Energy of the second calf period per kg metabolic weight: the calves sold
// (8, 9) have their own factors; the test bull calves and the calves reared
// to weaning share the other set.
struct SecondPeriodEnergy {
  double base;  // per kg metabolic weight
  double gain;  // per kg metabolic weight and kg daily gain
};
constexpr SecondPeriodEnergy kCalvesSold{0.319, 0.2581};
constexpr SecondPeriodEnergy kCalvesReared{0.302, 0.228};

// Maintenance differs between tie stalls and loose housing.
void young_stock_housing(Model& m) {
  if (m.tech1 == 1) m.kt = m.ktb;
  if (m.tech1 == 2) m.kt = m.ktf;
}

// Milk-fed calf in its first period: whole days only.
Requirement first_calf_period(float days, float gain, float birth_weight) {
  const float s = day_sum(1, whole_days(days), metabolic_weight(gain, birth_weight));
  const double g = gain;
  return {static_cast<float>(0.42 * s + (5.69 * g + 1.75 * std::pow(g, 2.0) - 2.67) * days),
          static_cast<float>(3.25 * s + (274.48 * g - 16.53 * std::pow(g, 2.0) - 8.88) * days)};
}

// Calf in its second period, which starts on the day after the whole days
// of the first one; `days` are the days it is charged with for the gain.
Requirement second_calf_period(float s, float gain, double days, SecondPeriodEnergy e) {
  const double g = gain;
  return {static_cast<float>((e.base + e.gain * g) * s),
          static_cast<float>(220.5 * g * days + (0.98 * g + 3.25) * s)};
}

// Second period of a calf from the end of its first period to the end of
// day `end`, fraction of the last day included.
float second_period_sum(float first_period, float end, float gain, float birth_weight) {
  const auto w = metabolic_weight(gain, birth_weight);
  const float whole = day_sum(whole_days(1 + first_period), whole_days(end), w);
  return static_cast<float>(whole + fractional_day(end, w));
}

// Calves sold (female 8, male 9) and the test bull calf (10) up to sale or
// weaning: birth weights, gains, days and the two calf periods.
void calves(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    const int o = m.CC * j;
    m.bw[o + 8] = m.bwf[j];
    m.bw[o + 9] = m.kbwmf[j] * m.bwf[j];
    m.bw[o + 3] = (m.bw[o + 8] + m.bw[o + 9]) / 2;
    m.adg[o + 8] = m.adgcf[j];
    m.adg[o + 9] = m.kgcmf[j] * m.adgcf[j];
    m.d[o + 8] = m.age[o + 8];
    m.d[o + 9] = m.age[o + 9];
    m.d[o + 3] = m.agew[j] / 2;  // calves dying before weaning die half-way
  }
  m.d[10] = m.age[10];
  m.adg[10] = m.adg[9];
  m.bw[10] = m.bw[9];

  for (int j = 0; j <= last_breed(m); ++j) {
    for (int k = 8; k <= (j == 0 ? 10 : 9); ++k) {
      const int i = m.CC * j + k;
      m.dc1[i] = m.d[i] >= m.agec1[j] ? m.agec1[j] : m.d[i];
      const Requirement r = first_calf_period(m.dc1[i], m.adg[i], m.bw[i]);
      m.ne[i] = r.ne;
      m.pdi[i] = r.pdi;
    }
    for (int k = 8; k <= 9; ++k) {
      const int i = m.CC * j + k;
      if (!(m.d[i] > m.agec1[j])) continue;
      const float s = second_period_sum(m.dc1[i], m.d[i], m.adg[i], m.bw[i]);
      const Requirement r = second_calf_period(s, m.adg[i], m.d[i] - std::trunc(m.dc1[i]), kCalvesSold);
      m.ne2[i] = r.ne;
      m.pdi2[i] = r.pdi;
    }
  }
}

// The test bull calf's second period ends at its sale or at weaning,
// whichever comes first; only a sale adds the fraction of the last day, and
// the gain is charged for whole days.
void test_bull_second_period(Model& m) {
  if (!(m.d[10] > m.agec1[0])) return;
  const bool ends_at_sale = m.agew[0] >= m.d[10];
  const float e = ends_at_sale ? m.d[10] : m.agew[0];
  const auto w = metabolic_weight(m.adg[10], m.bw[10]);
  float s = day_sum(whole_days(1 + m.dc1[10]), whole_days(e), w);
  if (ends_at_sale) s = static_cast<float>(s + fractional_day(m.d[10], w));
  const int n = whole_days(e - std::trunc(m.dc1[10]));
  const Requirement r = second_calf_period(s, m.adg[10], n, kCalvesReared);
  m.ne2[10] = r.ne;
  m.pdi2[10] = r.pdi;
}

// The test bull from weaning to sale, growing at adg10 from its weaning
// weight.
void test_bull_after_weaning(Model& m) {
  m.ne10 = 0;
  m.pdi10 = 0;
  if (!(m.d[10] > m.agew[0])) return;
  young_stock_housing(m);
  const float n = m.d[10] - m.agew[0];
  const float adg10 = m.adg10, bw10 = m.bw[10], weaned = m.adg[10] * m.agew[0];
  const float s = partial_day_sum(n, [=](float t) {
    return std::pow(static_cast<double>(adg10 * t + bw10 + weaned), 0.75);  // from the weaning weight
  });
  m.ne10 = static_cast<float>((0.25 * m.adg10 + 0.34 * m.kt) * s);
  m.pdi10 = static_cast<float>(220 * n * m.adg10 + (0.7 * m.adg10 + 3.25) * s);
}

// Bulls in fattening (dead 4, slaughtered 14, culled 15) from weaning.
// Cross-bred bulls put more of their gain into protein and less into fat.
void fattened_bulls(Model& m) {
  if (m.pbf[0] + m.pbf[1] <= 0) return;
  young_stock_housing(m);
  for (int j = 0; j <= last_breed(m); ++j) {
    if (m.pbf[j] != 1) continue;
    const int o = m.CC * j;
    m.adg[o + 15] = m.kgainmf[j] * m.adgwsf[j];
    m.adg[o + 14] = m.adg[o + 15];
    m.adg[o + 4] = m.adg[o + 15];
    m.d[o + 4] = m.agedwsm[j] - m.agew[j];
    m.d[o + 14] = m.agesm[j] - m.agew[j];
    m.d[o + 15] = m.agecwsm[j] - m.agew[j];
    const int ks[] = {4, 14, 15};
    const float periods[] = {m.d[o + 4], m.d[o + 14], m.d[o + 15]};
    const auto sums = partial_day_sums(periods, metabolic_weight(m.adg[o + 15], m.wwm[j]));
    for (int n = 0; n < 3; ++n) {
      const int i = o + ks[n];
      const double g = m.adg[i];
      const float days = m.d[i];
      const float s = sums[n];
      if (j == 0) {
        m.ne[i] = static_cast<float>((0.34 * m.kt + 0.25 * g) * s);
        m.pdi[i] = static_cast<float>(220 * m.adg[i] * days + (0.7 * g + 3.25) * s);
      } else {
        m.ne[i] = static_cast<float>(2.5 * g * days + (0.34 * m.kt + 0.16 * g) * s);
        m.pdi[i] = static_cast<float>(220 * m.adg[i] * days + (0.85 * g + 3.25) * s);
      }
    }
  }
}

// Castrates of an early-maturing breed put on fat sooner and need more
// energy and less protein per kg gain; late types the reverse.
struct MaturityFactors {
  float energy;
  float protein;
};
constexpr MaturityFactors kMaturity[] = {{1.15f, 0.9f}, {1.0f, 1.0f}, {0.85f, 1.1f}};

void castrate_maturity_factors(Model& m) {
  const int type[J] = {m.matpur, m.matcross};
  for (int j = 0; j <= last_breed(m); ++j) {
    if (type[j] < 1 || type[j] > 3) continue;  // another type leaves the factors as they are
    m.kce[j] = kMaturity[type[j] - 1].energy;
    m.kcp[j] = kMaturity[type[j] - 1].protein;
  }
}

// Castrates in fattening (dead 5, culled 16, slaughtered 17) from weaning.
void fattened_castrates(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    if (m.cast[j] != 1) continue;
    const int o = m.CC * j;
    m.d[o + 5] = m.agedwsc[j] - m.agew[j];
    m.d[o + 16] = m.agecwsc[j] - m.agew[j];
    m.d[o + 17] = m.agesc[j] - m.agew[j];
    young_stock_housing(m);
    m.adg[o + 17] = m.kgaincf[j] * m.adgwsf[j];
    m.adg[o + 16] = m.adg[o + 17];
    m.adg[o + 5] = m.adg[o + 17];
    const int ks[] = {5, 16, 17};
    const float periods[] = {m.d[o + 5], m.d[o + 16], m.d[o + 17]};
    const auto sums = partial_day_sums(periods, metabolic_weight(m.adg[o + 17], m.wwm[j]));
    for (int n = 0; n < 3; ++n) {
      const int i = o + ks[n];
      const double g = m.adg[i];
      const float days = m.d[i];
      const float s = sums[n];
      m.ne[i] = static_cast<float>(m.kce[j] * (0.34 * m.kt + 0.275 * g) * s);
      m.pdi[i] = static_cast<float>(m.kcp[j] * (220 * m.adg[i] * days + (1.05 * g + 3.25) * s));
    }
  }
}

// Heifers in fattening (dead 6, slaughtered 12, culled 13) from weaning.
// Their energy for gain rises with weight faster than maintenance.
void fattened_heifers(Model& m) {
  young_stock_housing(m);
  for (int j = 0; j <= last_breed(m); ++j) {
    if (m.pff[j] != 1) continue;
    const int o = m.CC * j;
    m.d[o + 6] = m.agedwsf[j] - m.agew[j];
    m.d[o + 12] = m.agesf[j] - m.agew[j];
    m.d[o + 13] = m.agecwsf[j] - m.agew[j];
    for (int k : {6, 12, 13}) m.adg[o + k] = m.adgwsf[j];
    const int ks[] = {6, 12, 13};
    const float periods[] = {m.d[o + 6], m.d[o + 12], m.d[o + 13]};
    const float gain = m.adgwsf[j], start = m.wwf[j];
    auto weight_power = [gain, start](double p) {
      return [gain, start, p](float t) { return std::pow(static_cast<double>(gain * t + start), p); };
    };
    const auto maintenance = partial_day_sums(periods, weight_power(0.75));
    const auto growth = partial_day_sums(periods, weight_power(j == 0 ? 1.4 : 1.3));
    const auto protein = partial_day_sums(periods, [gain, start](float t) {
      const float w = gain * t + start;
      return 0.147 * w + 3.25 * std::pow(static_cast<double>(w), 0.75);
    });
    for (int n = 0; n < 3; ++n) {
      const int i = o + ks[n];
      const float days = m.d[i];
      const double g = gain;
      if (j == 0) {
        m.ne[i] =
            static_cast<float>(0.0022 * growth[n] + 0.348 * m.kt * maintenance[n] + 7.254 * std::pow(g, 1.7) * days);
      } else {
        m.ne[i] =
            static_cast<float>(0.004 * growth[n] + 0.348 * m.kt * maintenance[n] + 5.584 * std::pow(g, 2.0) * days);
      }
      m.pdi[i] = static_cast<float>(protein[n] + days * (216.3 * g - 5.0));
    }
  }
}

// Days and gains of the rearing heifers: dead in rearing 7, culled before
// mating 18, not in calf 19, first calving 22, sold before mating 23, sold
// pregnant 24. Their periods count from weaning.
void rearing_heifer_days_and_gains(Model& m) {
  const int x = m.CC;
  const bool crossbred_breeding = m.cb == 1 && m.utifemcr == 3;
  m.d[7] = m.agedmh[0] - m.agew[0];
  m.d[18] = m.agehmat1[0] - m.agew[0];
  m.d[19] = m.d[18] + m.dayshc[0];
  m.d[22] = m.ageh1cal[0] - m.agew[0];
  m.d[24] = m.age[24] - m.agew[0];
  if (crossbred_breeding) {
    m.d[x + 18] = m.agehmat1[1] - m.agew[1];
    m.d[x + 19] = m.d[x + 18] + m.dayshc[1];
    m.d[x + 24] = m.age[x + 24] - m.agew[1];
  }
  for (int j = 0; j <= last_breed(m); ++j) {
    const int o = m.CC * j;
    if (m.age[o + 23] > m.agew[j]) {
      m.d[o + 23] = m.age[o + 23] - m.agew[j];
      m.adg[o + 23] = m.adghm[j];
    }
  }
  m.adg[24] = (m.wh1cal - m.wwf[0]) / (m.ageh1cal[0] - m.agew[0]);
  m.adg[22] = m.adg[24];
  m.adg[7] = m.adg[24];
  m.adg[19] = m.adghm[0];
  m.adg[18] = m.adghm[0];
  if (crossbred_breeding) {
    m.adg[x + 19] = m.adghm[1];
    m.adg[x + 18] = m.adghm[1];
    m.adg[x + 7] = m.adghm[1];
    m.adg[x + 24] = (m.adghm[1] * (m.agehmat1[1] - m.agew[1]) + (m.age[x + 24] - m.agehmat1[1]) * m.adghmc[1]) /
                    (m.age[x + 24] - m.agew[1]);
  }
}

void rearing_heifers(Model& m) {
  rearing_heifer_days_and_gains(m);
  for (int j = 0; j <= last_breed(m); ++j) {
    const int o = m.CC * j;
    for (int k : {7, 18, 19, 22, 23, 24}) {
      if (k == 22 && j == 1) continue;  // cross-bred heifers do not enter the herd
      if (k == 23 && m.agew[j] >= m.age[o + 23]) continue;  // sold at or before weaning
      const int i = o + k;
      const double g = m.adg[i];
      const float days = m.d[i];
      const float s = partial_day_sum(days, metabolic_weight(m.adg[i], m.wwf[j]));
      m.ne[i] = static_cast<float>((0.311 * m.kt + 0.261 * g) * s);
      m.pdi[i] = static_cast<float>(220.5 * g * days + (0.98 * g + 3.25) * s);
    }
  }
}

// The first pregnancy, summed over whole days of gestation: heifers that
// calve (22) carry to term, heifers sold pregnant (24) up to their sale.
// The running sums of the days are kept for the pregnancies of the cows.
void first_pregnancy(Model& m) {
  const int x = m.CC;
  const bool crossbred = m.cb == 1;
  m.dp[24] = m.age[24] - m.agehmat1[0];
  if (crossbred) m.dp[x + 24] = m.age[x + 24] - m.agehmat1[1];
  const int sale = whole_days(m.dp[24]);
  const int sale_crossbred = crossbred ? whole_days(m.dp[x + 24]) : -1;
  const int term = full_gestation_days(m.lgpre);
  for (int t = 1; t <= term; ++t) {
    m.nepc[22] = static_cast<float>(m.nepc[22] + gestation_energy(static_cast<float>(t)));
    m.pdipc[22] = static_cast<float>(m.pdipc[22] + gestation_protein(static_cast<float>(t)));
    if (t < GD) m.gestne[t] = m.nepc[22], m.gestpdi[t] = m.pdipc[22];
    if (t == sale) m.nepc[24] = m.nepc[22], m.pdipc[24] = m.pdipc[22];
    if (t == sale_crossbred) m.nepc[x + 24] = m.nepc[22], m.pdipc[x + 24] = m.pdipc[22];
  }
  for (int i : {22, 24}) {
    m.nepc[i] = static_cast<float>(m.nepc[i] * (0.0024192 * m.bw[3]));
    m.pdipc[i] = static_cast<float>(m.pdipc[i] * (10.25 * m.bw[3]));
  }
  if (crossbred) {
    m.nepc[x + 24] = static_cast<float>(m.nepc[x + 24] * (0.0024192 * m.bw[x + 3]));
    m.pdipc[x + 24] = static_cast<float>(m.pdipc[x + 24] * (10.25 * m.bw[x + 3]));
  }
  for (int i : {22, 24}) m.ne[i] = m.ne[i] + m.nepc[i], m.pdi[i] = m.pdi[i] + m.pdipc[i];
  if (crossbred) m.ne[x + 24] = m.ne[x + 24] + m.nepc[x + 24], m.pdi[x + 24] = m.pdi[x + 24] + m.pdipc[x + 24];
}

// Share of the feed lost in fattening and elsewhere, as a factor on the
// feed eaten. Without fattened animals the fattening factor is left as it
// was.
void feed_loss_factors(Model& m) {
  if (m.paf[0] + m.paf[1] > 0) m.kff = 100 / (100 - m.losff);
  m.kfw = 100 / (100 - m.loswf);
}

}  // namespace

void weaned_calf_requirements(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    m.adgcm[j] = m.kgcmf[j] * m.adgcf[j];
    m.newf[j] = m.newm[j] = m.pdiwf[j] = m.pdiwm[j] = 0;
    m.newf2[j] = m.newm2[j] = m.pdiwf2[j] = m.pdiwm2[j] = 0;
    m.d1w[j] = m.agew[j] >= m.agec1[j] ? m.agec1[j] : m.agew[j];
    const float agew = m.agew[j], d1w = m.d1w[j];
    const float birth_male = m.bwf[j] * m.kbwmf[j];
    const Requirement male = first_calf_period(d1w, m.adgcm[j], birth_male);
    const Requirement female = first_calf_period(d1w, m.adgcf[j], m.bwf[j]);
    m.newm[j] = male.ne, m.pdiwm[j] = male.pdi;
    m.newf[j] = female.ne, m.pdiwf[j] = female.pdi;
    if (!(agew > m.agec1[j])) continue;
    const float days = agew - std::trunc(d1w);
    const Requirement male2 = second_calf_period(second_period_sum(d1w, agew, m.adgcm[j], birth_male), m.adgcm[j],
                                                 days, kCalvesReared);
    const Requirement female2 = second_calf_period(second_period_sum(d1w, agew, m.adgcf[j], m.bwf[j]), m.adgcf[j],
                                                   days, kCalvesReared);
    m.newm2[j] = male2.ne, m.pdiwm2[j] = male2.pdi;
    m.newf2[j] = female2.ne, m.pdiwf2[j] = female2.pdi;
  }
}

void nutrition_young_stock(Model& m) {
  feed_loss_factors(m);
  for (int i = 0; i <= m.CT && i < C; ++i) {
    m.ne[i] = m.ne2[i] = m.nepc[i] = 0;
    m.pdi[i] = m.pdi2[i] = m.pdipc[i] = 0;
  }
  calves(m);
  test_bull_second_period(m);
  test_bull_after_weaning(m);
  fattened_bulls(m);
  castrate_maturity_factors(m);
  fattened_castrates(m);
  fattened_heifers(m);
  rearing_heifers(m);
  first_pregnancy(m);
}

}  // namespace zelvan
