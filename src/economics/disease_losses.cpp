// Milk lost through clinical mastitis and claw disorders, its value and the
// costs of treating the cases, per cow and year. The milk lost in a cow
// state follows the lactation curve of that state day by day, each day
// weighted by the relative milk loss of a diseased lactation on that day
// (daily tables of INPUT30.TXT and INPUT38.TXT, by lactation group).
#include <cmath>
#include <cstdio>

#include "economics/cost_phases.h"
#include "input/messages.h"

namespace zelvan {

namespace {

// One daily loss table with the file it comes from.
struct LossTable {
  const float (&days)[3][DL];  // relative milk loss, [lactation group][index]
  const char* file;
};

[[noreturn]] void stop_table_too_short(const char* file, int lactation, int index) {
  std::printf("\nThe daily milk losses of %s hold %d days, but lactation %d of the cows\n", file, DL, lactation);
  std::printf("needs the value of day %d. Shorten the lactation or extend the model's table,\n", index + 1);
  std::puts("and restart the program.");
  common_stop();
}

// Lactation curve of one cow state: y(t) = a t^b exp(c t) with the level
// and shape of its lactation group, and the decline delta of pregnancy,
// which cows that are culled without conceiving do not have.
struct Curve {
  float a, b, c, delta;
  int group;      // lactation group of the loss tables: 0 first, 1 second, 2 later
  int lactation;  // 1..LL
};

Curve cow_curve(const Model& m, int i) {
  const int lactation = (i - 19) / 6;
  Curve k = i <= 30   ? Curve{m.a1, m.b1, m.c1, m.d1, 0, lactation}
            : i <= 36 ? Curve{m.a2, m.b2, m.c2, m.d2, 1, lactation}
                      : Curve{m.a2, m.b3, m.c3, m.d3, 2, lactation};
  const int fate = (i - 25) % 6 + 1;
  if (i > 78 || (i <= 76 && (fate == 4 || fate == 2))) k.delta = 0;
  return k;
}

// Milk on day t of the lactation; the exponent c t is formed in single
// precision like the rest of the curve's arguments.
double daily_milk(const Curve& k, float t) {
  return k.a * std::pow(static_cast<double>(t), static_cast<double>(k.b)) * std::exp(static_cast<double>(k.c * t));
}

// The milk of the lactation up to day e, with conception at day s, each day
// weighted by the table. The table's day index is used as the sum writes it
// (index t for day t, trunc(x) + 1 at a fractional day), one beyond the day
// the table stores there (day n at index n - 1): the model reads it so.
float weighted_lactation(const Model& m, int i, const LossTable& table) {
  const Curve k = cow_curve(m, i);
  const float* w = table.days[k.group];
  auto at = [&](int index) {
    if (index < 0 || index >= DL) stop_table_too_short(table.file, k.lactation, index);
    return static_cast<double>(w[index]);
  };
  const float s = m.sp[i];
  const float e = m.dl[i];
  const int ts = static_cast<int>(s);
  const int te = static_cast<int>(e);
  const int u = static_cast<int>(1 + s);
  float sum = 0;
  for (int t = 1; t <= ts; ++t) sum = static_cast<float>(sum + daily_milk(k, static_cast<float>(t)) * at(t));
  const double ys = daily_milk(k, s);
  sum = static_cast<float>(sum + (s - ts) * ys * at(ts + 1));
  // With a whole s the day of conception is counted in the first sum and
  // again here with the weight u - s = 1: the model counts it twice.
  const float after = static_cast<float>(u) - s;
  sum = static_cast<float>(sum + after * ys * std::exp(static_cast<double>(after * k.delta)) * at(ts + 1));
  for (int t = u; t <= te; ++t)
    sum = static_cast<float>(sum + daily_milk(k, static_cast<float>(t)) *
                                       std::exp(static_cast<double>((t - s) * k.delta)) * at(t));
  // The fraction of the last day takes the table at trunc(e) + 1, or at u
  // when no whole day follows conception.
  const int last = te >= u ? te + 1 : u;
  sum = static_cast<float>(sum + (e - te) * daily_milk(k, e) *
                                     std::exp(static_cast<double>((e - s) * k.delta)) *
                                     at(last));
  return sum;
}

// Fate 5 of lactations 1..9 holds no cows and gets no milk.
bool milked(int i) { return !(i >= 29 && i <= 77 && (i - 29) % 6 == 0); }

// Lost milk of every cow state, then per cow and year from the stationary
// shares of the herd states.
float lost_milk_per_cow_and_year(Model& m, const LossTable& table, float* lost) {
  for (int i = 25; i <= m.CC; ++i)
    if (milked(i)) lost[i] = weighted_lactation(m, i, table);
  float s = 0;
  for (int i = 25; i <= m.CC; ++i) s = static_cast<float>(s + m.l2[i - 24] * 365 * lost[i]);
  return s / m.ciav;
}

void mastitis(Model& m) {
  m.dismilk = lost_milk_per_cow_and_year(m, {m.dmi, "INPUT30.TXT"}, m.discow);
  m.lossmilk = m.prmilk * m.dismilk;
  float y = 0;
  for (int l = 0; l < cycles(m); ++l) y = static_cast<float>(y + m.l3[l] * m.ircmy[l]);
  m.ymi = y;
  m.costvetm = (m.labvet * m.pricevet + m.costdrug) * m.ymi;
  m.costlabm = m.labherd * m.priceherd * m.ymi;
  // Dry-cow treatments per cow and year: cows completing interval l + 1,
  // per day of that interval.
  float dry = 0;
  for (int l = 0; l <= cycles(m) - 2; ++l) dry = static_cast<float>(dry + m.l2[6 * l + 6] / m.ci[l]);
  m.pydry = dry * m.pdry * 365;
  // Each treated cow is charged four treatments.
  m.costom = 4 * m.pricedry * m.pydry + m.costmach * m.ymi;
  m.losstotal = m.lossmilk + m.costvetm + m.costlabm + m.costom;
}

void claw_disorders(Model& m) {
  m.dismcd = lost_milk_per_cow_and_year(m, {m.dcdi, "INPUT38.TXT"}, m.discd);
  m.lossmcd = m.prmilk * m.dismcd;
  float ya = 0;
  float yn = 0;
  for (int l = 0; l < cycles(m); ++l) {
    ya = static_cast<float>(ya + m.l3[l] * m.pacd[l] * m.ircdy[l]);
    yn = static_cast<float>(yn + m.l3[l] * (1 - m.pacd[l]) * m.ircdy[l]);
  }
  m.yacdi = ya;
  m.ynacdi = yn;
  m.ycdi = m.yacdi + m.ynacdi;
  m.costvetcd = (m.labvetcd * m.prvetcd + m.costacd) * m.yacdi;
  m.costhcd = (m.labherdcd * m.prherdcd + m.costnacd) * m.ynacdi;
  m.losstcd = m.lossmcd + m.costvetcd + m.costhcd;
}

}  // namespace

void disease_losses(Model& m) {
  if (m.mast_inc == 1) mastitis(m);
  if (m.claw_inc == 1) claw_disorders(m);
}

void milk_price_and_losses(Model& m) {
  milk_price(m);
  disease_losses(m);
}

}  // namespace zelvan
