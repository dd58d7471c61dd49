// Revenues and costs fall at different times of an animal's life. Each is
// weighted by its number of discounted expressions: the animals of the
// category per cow and cycle times the discount factor for the time in years
// at which the money is realised. Revenues fall at the age of sale or
// slaughter, costs on average in the middle of the animal's time on the farm
// (half the age); cow revenues and costs in the middle of the cycle.
#include <algorithm>
#include <cmath>

#include "weights/profit.h"

namespace zelvan {

namespace {

// Where the age of a progeny category at sale, slaughter or death is kept:
// a per-breed age of the growth phase, or (when none is named) the
// category's own entry of `age`.
struct AgeOf {
  int k;                          // progeny category
  float (Model::*per_breed)[J];   // per-breed age, days; nullptr: age[CC*j + k]
  bool sold;                      // revenues too are realised at this age (not only costs)
};

// Ages of the progeny categories. Costs fall in the middle of every one of
// them; revenues only at the ages of sale and slaughter, not at a death
// (4 to 7) or the first calving (22). The calves dead before weaning
// (category 3) take their cost time from categories 9 and 10.
constexpr AgeOf kAges[] = {
    {4, &Model::agedwsm, false},   {5, &Model::agedwsc, false},   {6, &Model::agedwsf, false},
    {7, &Model::agedmh, false},    {8, nullptr, true},            {9, nullptr, true},
    {10, nullptr, true},           {12, &Model::agesf, true},     {13, &Model::agecwsf, true},
    {14, &Model::agesm, true},     {15, &Model::agecwsm, true},   {16, &Model::agecwsc, true},
    {17, &Model::agesc, true},     {18, &Model::agehmat1, true},  {19, &Model::agehcmat1, true},
    {22, &Model::ageh1cal, false}, {23, nullptr, true},           {24, nullptr, true}};

float age_of(const Model& m, int j, const AgeOf& a) {
  return a.per_breed != nullptr ? (m.*a.per_breed)[j] : m.age[cat(m, j, a.k)];
}

// Times (in years, age divided by `per_year`) of the progeny categories of
// breed index j that have a positive amount of money; for revenues only the
// categories sold or slaughtered.
void progeny_times(const Model& m, int j, bool revenues, const float (&money)[C], float per_year,
                   float (&time)[C]) {
  for (const AgeOf& a : kAges) {
    const int i = cat(m, j, a.k);
    if ((a.sold || !revenues) && money[i] > 0) time[i] = age_of(m, j, a) / per_year;
  }
}

// Cow categories: the middle of the days spent in the category. The last
// cycle has four categories, the others six.
void cow_times(Model& m, const float (&money)[C], float (&time)[C]) {
  for (int c = 1; c <= cycles(m); ++c) {
    const int last = c == m.LL ? 6 * c + 22 : 6 * c + 24;
    for (int k = 6 * c + 19; k <= std::min(last, C - 1); ++k)
      if (money[k] > 0) time[k] = m.d[k] / 730;
  }
}

// Mean time of the costs of a calf dying between 48 hours and weaning:
// male calves kept to weaning, sold young or sent to the test each die in
// the middle of their time on the farm, female calves in the middle of
// rearing; the sum over the dead calves is divided by their number.
float dead_calf_cost_time(const Model& m, int j) {
  const int o = cat(m, j, 0);
  // The model divides by four times the dead calves, not by twice. Only a
  // herd without such calves is spared the division (time 0).
  const float A = m.l1[o + 3] > 0 ? static_cast<float>(1 / (m.l1[o + 3] * 4.0)) : 0.0f;
  const float B = m.agew[j] * m.losfw[j] / 730;
  const float Cn = m.Nmc48a[j] * m.dcw[j];
  // The model takes age[o+3], which no phase sets, where the time of sold
  // male calves would need their sale age age[o+9].
  const float Dn = m.tc[o + 9] * m.mxmc[j] * m.age[o + 3] / m.agew[j] +
                   m.tc[o + 10] * m.mtest[j] * m.age[o + 10] / m.agew[j];
  const float E = m.agew[j] * (1 - m.mxmc[j] - m.mtest[j]) / 730;
  return ((E + Dn) * Cn + B) * A;
}

// Discount factor of every category and, for categories with positive
// money, its discounted expressions; other categories keep those of an
// earlier run.
void discount(Model& m, float q, const float (&time)[C], const float (&money)[C], float (&factor)[C],
              float (&expressions)[C]) {
  const int end = std::clamp(m.i4, 0, C);
  for (int i = 1; i < end; ++i) {
    factor[i] = static_cast<float>(std::pow(static_cast<double>(q), static_cast<double>(time[i])));
    if (money[i] > 0) expressions[i] = factor[i] * m.l1[i];
  }
}

void clear(const Model& m, float (&time)[C]) {
  const int last = std::clamp(m.CT, 0, C - 1);
  for (int i = 0; i <= last; ++i) time[i] = 0;
}

}  // namespace

void discounted_expressions(Model& m) {
  clear(m, m.tr);
  for (int j = 0; j <= last_breed(m); ++j) progeny_times(m, j, true, m.rev, 365, m.tr);
  cow_times(m, m.rev, m.tr);
  // The cow categories count cow cycles per calving: the stationary shares.
  for (int i = 25; i <= std::min(m.CC, C - 1); ++i) m.l1[i] = static_cast<float>(m.l2[i - 24]);
  const float q = 1 / (m.u + 1);
  discount(m, q, m.tr, m.rev, m.qr, m.NDEr);

  clear(m, m.tc);
  for (int j = 0; j <= last_breed(m); ++j) {
    progeny_times(m, j, false, m.cost, 730, m.tc);
    const int dead_calves = cat(m, j, 3);
    if (m.cost[dead_calves] > 0) m.tc[dead_calves] = dead_calf_cost_time(m, j);
  }
  cow_times(m, m.cost, m.tc);
  discount(m, q, m.tc, m.cost, m.qc, m.NDEc);
  m.NDEdys = 1.0f;
}

}  // namespace zelvan
