// Energy (MJ NEL) and protein (g PDI) requirements of the cows over the
// time a cow spends in each category of the herd (lactation l, fate k at
// category 6l + 18 + k): maintenance, growth, pregnancy and milk. The milk
// of a category comes from a lactation curve y(t) = a t^b e^(ct) that
// declines after conception; the 305-day yields of the first three
// lactations give the herd averages.
//
// Formulas with decimal constants are evaluated in double precision and
// rounded when stored; products of model quantities alone stay in single
// precision, in the order written.
#include <algorithm>
#include <cmath>

#include "economics/daily_sums.h"
#include "economics/lactation_curve.h"
#include "economics/economic_phases.h"

namespace zelvan {

namespace {

constexpr int kFirstCow = 25;

// Category of lactation l (1-based), fate k (1..6).
constexpr int cow(int l, int k) { return 6 * l + 18 + k; }

void durations(Model& m) {
  const int n = cycles(m);
  for (int l = 1; l <= n; ++l) {
    const float ci = m.ci[l - 1];
    m.d[cow(l, 1)] = ci / 2;  // deaths and health culling come half-way on average
    m.d[cow(l, 2)] = m.ndaydys;
    m.d[cow(l, 3)] = ci / 2;
    m.d[cow(l, 4)] = m.dayslac[l - 1];  // not in calf: culled at the end of the lactation
    if (l < n) m.d[cow(l, 6)] = ci;
    m.nl[l - 1] = m.dayslac[l - 1] / ci;
    m.nd[l - 1] = m.dd / ci;
  }
  m.nd[n - 1] = 0;  // the last lactation ends without a dry period
}

void cow_years(Model& m) {
  float sum = 0;
  for (int i = kFirstCow; i <= m.CC; ++i) sum = static_cast<float>(sum + m.d[i] * m.l2[i - 24]);
  m.cowyear = sum / 365;
}

// Cows grow in their first two lactations, from one calving weight to the
// next; a cow culled right after a difficult calving keeps the calving
// weight.
void weights_and_gains(Model& m) {
  const float first = (m.wcacal[1] - m.wcacal[0]) / 2 + m.wcacal[0];
  const float second = (m.wcacal[2] - m.wcacal[1]) / 2 + m.wcacal[1];
  for (int i = 25; i <= 30; ++i) m.ww[i] = first, m.adg[i] = m.adg1cow;
  for (int i = 31; i <= 36; ++i) m.ww[i] = second, m.adg[i] = m.adg2cow;
  m.ww[26] = m.wcacal[0];
  m.ww[32] = m.wcacal[1];
  for (int i = 37; i <= m.CC; ++i) m.ww[i] = m.mcwd;
}

// Days pregnant and days in milk when the cow leaves her category.
void pregnancy_and_lactation_days(Model& m) {
  const int n = cycles(m);
  for (int l = 1; l < n; ++l) {
    m.dp[cow(l, 1)] = m.d[cow(l, 1)] - m.intcm - m.intconc[l - 1];
    m.dp[cow(l, 3)] = m.d[cow(l, 3)] - m.intcm - m.intconc[l - 1];
    m.dp[cow(l, 4)] = 0;
    m.dp[cow(l, 2)] = 0;
    m.dp[cow(l, 6)] = m.lgpre;
  }
  for (int i = kFirstCow; i <= m.CC; ++i) m.dl[i] = m.d[i];
  for (int l = 1; l < n; ++l) m.dl[cow(l, 6)] = m.dayslac[l - 1];
}

void cow_housing(Model& m) {
  if (m.tech2 == 1) m.kt = m.ktb;
  if (m.tech2 == 2) m.kt = m.ktf;
  if (m.tech2 == 3) m.kt = m.ktp;
}

// Maintenance; a cow that completes her interval is dry for part of it, in
// the shares of the next lactation.
void maintenance_and_growth(Model& m) {
  for (int i = kFirstCow; i <= m.CC; ++i) {
    const double metabolic = std::pow(static_cast<double>(m.ww[i]), 0.75);
    m.nem[i] = static_cast<float>(m.d[i] * (m.kt * 0.293) * metabolic * m.kbl);
    m.pdim[i] = static_cast<float>(m.d[i] * metabolic * 3.25);
  }
  for (int l = 1; l < cycles(m); ++l) {
    const int i = cow(l, 6);
    const float shares = m.nd[l] * m.kbd + m.nl[l] * m.kbl;
    m.nem[i] = static_cast<float>(m.d[i] * (m.kt * 0.293) * std::pow(static_cast<double>(m.ww[i]), 0.75) * shares);
  }
  for (int i = kFirstCow; i <= m.CC; ++i) {
    m.neg[i] = m.d[i] * m.adg[i] * 22;
    m.pdig[i] = m.d[i] * m.adg[i] * 230;
  }
}

// Daily needs of the pregnant uterus summed over a gestation of x days,
// fraction of the last day included. The whole days are the running sums
// the first pregnancy of the heifers kept in this run, up to term; a longer
// period is summed day by day.
float gestation_sum(const Model& m, float x, const float (&sums)[GD], double (*need)(float)) {
  const int n = whole_days(x);
  const int tabled = std::min(full_gestation_days(m.lgpre), GD - 1);
  const float whole = n <= tabled ? sums[std::max(n, 0)] : day_sum(1, n, need);
  return static_cast<float>(whole + fractional_day(x, need));
}

// Gestation up to the day the cow leaves. Cows culled after a difficult
// calving or for not conceiving carry no calf.
void pregnancy(Model& m) {
  for (int i = kFirstCow; i <= m.CC; ++i) {
    const float x = m.dp[i];
    m.nepc[i] = static_cast<float>(gestation_sum(m, x, m.gestne, gestation_energy) * m.bw[3] * 0.0024192);
    m.pdipc[i] = static_cast<float>(gestation_sum(m, x, m.gestpdi, gestation_protein) * m.bw[3] * 10.25);
  }
  for (int l = 1; l <= cycles(m); ++l) {
    for (int k : {2, 4}) m.nepc[cow(l, k)] = m.pdipc[cow(l, k)] = 0;
  }
  for (int i = kLastListedCow + 1; i <= m.CC; ++i) m.nepc[i] = m.pdipc[i] = 0;
}

// Energy and protein per kg of milk from its fat and protein content.
void milk_content(Model& m) {
  m.ecm = static_cast<float>(0.37 * m.fat + 0.95 + 0.21 * m.prot + 0.07);
  m.pdiml = static_cast<float>(1.05 * m.fat + 6.7 + 11.5 * m.prot);
}

// Day of lactation at conception.
void conception_days(Model& m) {
  // The model fills the first 54 categories whatever the number of
  // lactations, also beyond the last cow category.
  for (int i = kFirstCow; i <= kLastListedCow; ++i) {
    const int k = static_cast<int>(0.05 + (i - 25) / 6);
    m.sp[i] = m.intconc[k] + m.intcm;
  }
  for (int i = kLastListedCow + 1; i <= m.CC; ++i) m.sp[i] = 0;
  for (int l = 1; l < cycles(m); ++l) {
    m.sp[cow(l, 4)] = 0;
    m.sp[cow(l, 5)] = 0;
    m.sp[cow(l, 2)] = m.d[cow(l, 2)];
  }
}

// Every day of the lactation counts with its full yield.
float milk_sum(const Model& m, int i, int last, float e, bool fraction) {
  return lactation_sum(cow_lactation(m, i), last, e, fraction, [](int) { return 1.0; });
}

void milk(Model& m) {
  m.a1 = static_cast<float>((m.milk * 0.01 - 9.07184) / 2.96);
  m.a2 = static_cast<float>((m.milk * 0.01 + 6.350288) / 2.96);
  const bool first_run = m.trait == 0 && m.irun == 1;
  for (int i = kFirstCow; i <= m.CC; ++i) {
    // Fate 5 of lactations 1..9 has no cows and no milk; from lactation 10
    // on the model milks it like the others.
    if (empty_cow_state(i)) continue;
    tabulate_lactation(m, i);
    const float e = m.dl[i];
    m.milksum[i] = milk_sum(m, i, whole_days(e), e, true);
    if (first_run) m.zzmilksum[i] = m.milksum[i];
  }
  for (int i : {30, 36, 42}) m.milk305[(i - 30) / 6] = milk_sum(m, i, 305, 0, false);
  m.milk21 = m.milk305[1] / m.milk305[0];
  m.milk31 = m.milk305[2] / m.milk305[0];
  m.milk305ave = static_cast<float>(m.l3[0] * m.milk305[0] + m.l3[1] * m.milk305[1] +
                                    (1.0 - m.l3[0] - m.l3[1]) * m.milk305[2]);
  m.fat305ave = static_cast<float>(m.fat * m.milk305ave * 0.01);
  m.prot305ave = static_cast<float>(m.prot * m.milk305ave * 0.01);
}

void totals(Model& m) {
  for (int i = kFirstCow; i <= m.CC; ++i) {
    m.nel[i] = m.milksum[i] * m.ecm;
    m.pdil[i] = m.milksum[i] * m.pdiml;
    m.ne[i] = m.nel[i] + m.nem[i] + m.neg[i] + m.nepc[i];
    m.pdi[i] = m.pdil[i] + m.pdim[i] + m.pdig[i] + m.pdipc[i];
  }
}

}  // namespace

void nutrition_cows(Model& m) {
  durations(m);
  cow_years(m);
  weights_and_gains(m);
  pregnancy_and_lactation_days(m);
  cow_housing(m);
  maintenance_and_growth(m);
  pregnancy(m);
  milk_content(m);
  conception_days(m);
  milk(m);
  totals(m);
}

}  // namespace zelvan
