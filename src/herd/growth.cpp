// Growth of calves, young stock, fattened animals and cows: body weights and
// ages at weaning, sale, slaughter, death and culling, at first mating and
// first calving, and the weights of the cows over their cycles.
//
// Everything is single precision in the order written; a product in
// parentheses is rounded before it is used, which is why several formulas
// group the daily gain with its ratio first.
#include "herd/growth.h"

#include <algorithm>
#include <cmath>

#include "herd/herd_phases.h"
#include "input/messages.h"

namespace zelvan {

namespace {

// Element of a per-category array; kept inside the arrays whatever CC is.
int slot(const Model& m, int j, int k) { return std::clamp(cat(m, j, k), 0, C - 1); }

// A cross-bred animal (dairy dam, beef sire) is slaughtered at the mean of
// the dairy and the beef slaughter weight.
float crossbred_slaughter_weight(const Model& m, const float* ksl) {
  return 0.5f * (ksl[0] * m.mcwd + ksl[1] * m.mcwb);
}

// Fattening starts at weaning and goes on at a constant gain up to the
// slaughter weight; an animal that dies or is culled does so on average
// half-way to slaughter.
void fattening_path(float agew, float start_weight, float slaughter_weight, float gain, float& age_slaughter,
                    float& age_death, float& age_culling, float& weight_death, float& weight_culling) {
  age_slaughter = (slaughter_weight - start_weight) / gain + agew;
  age_death = (age_slaughter - agew) / 2 + agew;
  age_culling = (age_slaughter - agew) / 2 + agew;
  weight_death = (age_death - agew) * gain + start_weight;
  weight_culling = (age_culling - agew) * gain + start_weight;
}

void fattened_heifers(Model& m, int j) {
  fattening_path(m.agew[j], m.wwf[j], m.whfat[j], m.adgwsf[j], m.agesf[j], m.agedwsf[j], m.agecwsf[j], m.wdwsf[j],
                 m.wcwsf[j]);
}

// Bulls and castrates start from the weaning weight of male calves and grow
// in a fixed ratio to the heifers in fattening.
void fattened_bulls(Model& m, int j) {
  m.adgwsm[j] = m.kgainmf[j] * m.adgwsf[j];
  fattening_path(m.agew[j], m.wwm[j], m.wbfat[j], m.adgwsm[j], m.agesm[j], m.agedwsm[j], m.agecwsm[j], m.wdwsm[j],
                 m.wcwsm[j]);
}

void fattened_castrates(Model& m, int j) {
  m.adgwsc[j] = m.kgaincf[j] * m.adgwsf[j];
  fattening_path(m.agew[j], m.wwm[j], m.wcfat[j], m.adgwsc[j], m.agesc[j], m.agedwsc[j], m.agecwsc[j], m.wdwsc[j],
                 m.wcwsc[j]);
}

// Heifers grow as calves to weaning, then at the rearing gain until they
// reach the weight at first mating.
void first_mating(Model& m, int j) {
  m.agehmat1[j] = ((m.whmat1[j] - m.bwf[j]) - m.agew[j] * m.adgcf[j]) / (m.kghcf[j] * m.adgcf[j]) + m.agew[j];
}

// Mean days from first mating to conception: inint days for every
// insemination before the successful one.
float days_mating_to_conception(const Model& m) {
  float days = 0;
  for (int s = 1; s <= heifer_inseminations(m); ++s) days = days + m.pconh[s - 1] * m.inint * (s - 1);
  return days;
}

// Weight at death or culling in the first two cycles: the cow still grows;
// from the third calving on she is full grown.
void weights_at_leaving(const Model& m, float* w, float days0, float days1) {
  w[0] = days0 * m.adg1cow + m.wcacal[0];
  w[1] = days1 * m.adg2cow + m.wcacal[1];
  for (int c = 2; c < cycles(m); ++c) w[c] = m.wcacal[c];
}

}  // namespace

void calf_weights(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    m.wwf[j] = m.adgcf[j] * m.agew[j] + m.bwf[j];
    m.wwm[j] = m.adgcf[j] * (m.agew[j] * m.kgcmf[j]) + m.bwf[j] * m.kbwmf[j];
    m.ww[slot(m, j, 8)] = m.adgcf[j] * m.age[slot(m, j, 8)] + m.bwf[j];
    m.ww[slot(m, j, 9)] = m.adgcf[j] * (m.age[slot(m, j, 9)] * m.kgcmf[j]) + m.bwf[j] * m.kbwmf[j];
    m.agedcw[j] = m.agew[j] / 2;  // calves dying before weaning die half-way on average
    m.wdcwf[j] = m.agedcw[j] * m.adgcf[j] + m.bwf[j];
    if (m.cast[j] > 0) m.dresc[j] = m.kdresch[j] * m.dresh[j];
    m.dresb[j] = m.kdresbh[j] * m.dresh[j];
  }
}

void slaughter_weights(Model& m) {
  const bool crossbred = m.cb == 1;
  if (m.pff[0] == 1) m.whfat[0] = m.kslh[0] * m.mcwd;
  if (crossbred && m.pff[1] == 1) m.whfat[1] = crossbred_slaughter_weight(m, m.kslh);
  if (m.cast[0] == 1) m.wcfat[0] = m.kslc[0] * m.mcwd;
  if (crossbred && m.cast[1] == 1) m.wcfat[1] = crossbred_slaughter_weight(m, m.kslc);
  if (m.pbf[0] == 1) m.wbfat[0] = m.kslb[0] * m.mcwd;
  if (crossbred && m.pbf[1] == 1) m.wbfat[1] = crossbred_slaughter_weight(m, m.kslb);
  m.whmat1[0] = m.mcwd * m.kmatc;
}

void fattening_and_first_mating(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    if (m.pff[j] == 1) fattened_heifers(m, j);
    if (m.pbf[j] == 1) fattened_bulls(m, j);
    if (m.cast[j] == 1) fattened_castrates(m, j);
    first_mating(m, j);
    // Cross-bred heifers are mated only when they are reared for breeding.
    if (m.utifemcr != 3) m.agehmat1[1] = 0;
  }
}

void test_bull_calves(Model& m) {
  m.adg10 = m.adgcf[0] * m.kg10;
  const float age = m.age[slot(m, 0, 10)];
  float& weight = m.ww[slot(m, 0, 10)];
  if (m.agew[0] >= age) {
    // Sold before (or at) weaning: still a male calf.
    weight = age * (m.adgcf[0] * m.kgcmf[0]) + m.bwf[0] * m.kbwmf[0];
  } else {
    weight = (age - m.agew[0]) * m.adg10 + (m.bwf[0] * m.kbwmf[0] + m.agew[0] * (m.adgcf[0] * m.kgcmf[0]));
  }
}

void pure_bred_heifers(Model& m) {
  m.intconh = days_mating_to_conception(m);
  m.ageh1cal[0] = (m.agehmat1[0] + m.intconh) + m.lgpre;
  // Weight just before the first calving, with the pregnant uterus.
  m.wh1cal = (m.adghmc[0] * (m.ageh1cal[0] - m.agehmat1[0]) + m.whmat1[0]) + m.wpreg;
  // Heifers lost in rearing die half-way between weaning and first calving.
  m.agedmh[0] = (m.ageh1cal[0] - m.agew[0]) / 2 + m.agew[0];
  m.whdmh = (m.agedmh[0] - m.agew[0]) * (m.adgcf[0] * m.kghcf[0]) + m.wwf[0];
  m.agehcmat1[0] = m.dayshc[0] + m.agehmat1[0];
  m.agehcmat1[1] = 0;
  m.whcmat = m.dayshc[0] * (m.adgcf[0] * m.kghccf[0]) + m.whmat1[0];
}

void heifers_sold(Model& m) {
  for (int j = 0; j <= last_breed(m); ++j) {
    const int pregnant = slot(m, j, 24);
    m.ww[pregnant] = (m.age[pregnant] - m.agehmat1[j]) * (m.adgcf[j] * m.kghccf[j]) + m.whmat1[j];
    const int breeding = slot(m, j, 23);
    if (m.age[breeding] > m.agew[j]) {
      m.ww[breeding] = (m.age[breeding] - m.agew[j]) * (m.adgcf[j] * m.kghcf[j]) + (m.bwf[j] + m.agew[j] * m.adgcf[j]);
    }
    // Sold right at weaning: the weight of a weaned calf. A sale age below
    // weaning leaves the weight as it is.
    if (std::fabs(static_cast<double>(m.age[breeding] - m.agew[j])) < 1e-6) {
      m.ww[breeding] = m.age[breeding] * m.adgcf[j] + m.bwf[j];
    }
  }
}

void cow_weights(Model& m) {
  const int n = cycles(m);
  m.wcacal[0] = m.wh1cal - m.wpreg;
  // The first cycle's gain lasts the calving interval of the second cycle.
  m.wcacal[1] = m.ci[1] * m.adg1cow + m.wcacal[0];
  if (m.wcacal[1] > m.mcwd) nonsense12();
  // Cows are full grown from their third calving on; the third calving's
  // weight is kept even in a herd of fewer cycles, for the gain below.
  for (int c = 2; c < std::max(n, 3); ++c) m.wcacal[c] = m.mcwd;
  m.wccal[0] = m.wh1cal;
  for (int c = 1; c < n; ++c) m.wccal[c] = m.wcacal[c] + m.wpreg;
  for (int c = 0; c < n; ++c) {
    m.ndaycc[c] = m.ci[c] / 2;  // culling and death come half-way through the cycle
    m.ndaycd[c] = m.ndaycc[c];
  }
  m.adg2cow = (m.wcacal[2] - m.wcacal[1]) / m.ci[1];
  weights_at_leaving(m, m.wcd, m.ndaycd[0], m.ndaycd[1]);
  // Culled after a difficult calving: right after the calving.
  for (int c = 0; c < n; ++c) m.wcdys[c] = m.wcacal[c];
  weights_at_leaving(m, m.wcc, m.ndaycc[0], m.ndaycc[1]);
  // Not in calf: culled at the end of the lactation.
  weights_at_leaving(m, m.wccw, m.dayslac[0], m.dayslac[1]);
}

int dairy_dam_age_classes(const Model& m) {
  const float years = m.ageh1cal[0] / 365;
  return static_cast<int>(std::ceil(static_cast<double>(years) - 0.5) + m.LL - 1);
}

void check_dairy_dam_age_classes(const Model& m) {
  const int a = dairy_dam_age_classes(m);
  if (m.acdd != a) nonsense5(a);
}

void check_ages(const Model& m) {
  // The costs and requirements follow these ages and periods day by day,
  // and the age at first calving is turned into whole years.
  constexpr float kLongest = 36500;  // 100 years, in days
  struct Age {
    float days;
    const char* item;
    const char* file;
  };
  const char* const kInput15 = "INPUT15.TXT";
  const char* const kGrowth = "INPUT15.TXT or INPUT11.TXT";
  const char* const kFattening = "INPUT15.TXT or INPUT23.TXT";
  for (int j = 0; j <= last_breed(m); ++j) {
    const Age ages[] = {
        {m.agec1[j], "agec1 (age at the end of the first calf period)", kInput15},
        {m.agew[j], "agew (age at weaning)", kInput15},
        {m.age[slot(m, j, 8)], "the age of female calves at sale", kInput15},
        {m.age[slot(m, j, 9)], "the age of male calves at sale", kInput15},
        {m.age[slot(m, j, 10)], "the age of test bulls at sale", kInput15},
        {m.age[slot(m, j, 23)], "the age of breeding heifers at sale", kInput15},
        {m.age[slot(m, j, 24)], "the age of pregnant heifers at sale", kInput15},
        {m.dayshc[j], "dayshc (days from first mating to culling of heifers)", kInput15},
        {m.agehmat1[j], "whmat1 and adghm (weight and gain of heifers to first mating)", kInput15},
        {m.agesf[j], "the slaughter weight and gain of fattened heifers", kFattening},
        {m.agesm[j], "the slaughter weight and gain of fattened bulls", kFattening},
        {m.agesc[j], "the slaughter weight and gain of fattened castrates", kFattening},
    };
    for (const Age& a : ages)
      if (!(std::fabs(a.days) <= kLongest)) stop_age_too_large(a.file, a.item, a.days);
  }
  if (!(std::fabs(m.ageh1cal[0]) <= kLongest))
    stop_age_too_large(kGrowth, "the rearing of heifers and lgpre (age at first calving)", m.ageh1cal[0]);
  for (int c = 0; c < cycles(m); ++c)
    if (!(std::fabs(m.ci[c]) <= kLongest))
      stop_age_too_large("INPUT11.TXT", "intcm, inint and lgpre (calving interval)", m.ci[c]);
}

void growth(Model& m) {
  calf_weights(m);
  slaughter_weights(m);
  fattening_and_first_mating(m);
  test_bull_calves(m);
  pure_bred_heifers(m);
  heifers_sold(m);
  cow_weights(m);
  check_ages(m);
  check_dairy_dam_age_classes(m);
}

}  // namespace zelvan
