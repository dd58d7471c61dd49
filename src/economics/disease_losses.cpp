// Milk lost through clinical mastitis and claw disorders, its value and the
// costs of treating the cases, per cow and year. The milk lost in a cow
// state follows the lactation curve of that state day by day, each day
// weighted by the relative milk loss of a diseased lactation on that day
// (daily tables of INPUT30.TXT and INPUT38.TXT, by lactation group).
#include <cmath>
#include <cstdio>

#include "economics/cost_phases.h"
#include "economics/lactation_curve.h"
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

// The milk of the lactation up to day e, with conception at day s, each day
// weighted by the table. The table's day index is used as the sum writes it
// (index t for day t, trunc(x) + 1 at a fractional day), one beyond the day
// the table stores there (day n at index n - 1): the model reads it so.
float weighted_lactation(const Model& m, int i, const LossTable& table) {
  const Lactation x = cow_lactation(m, i);
  const float* w = table.days[x.k.group];
  const float e = m.dl[i];
  return lactation_sum(x, static_cast<int>(e), e, true, [&](int index) {
    if (index < 0 || index >= DL) stop_table_too_short(table.file, x.k.lactation, index);
    return static_cast<double>(w[index]);
  });
}

// Lost milk of every cow state, then per cow and year from the stationary
// shares of the herd states.
float lost_milk_per_cow_and_year(Model& m, const LossTable& table, float* lost) {
  for (int i = 25; i <= m.CC; ++i)
    if (!empty_cow_state(i)) lost[i] = weighted_lactation(m, i, table);
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
