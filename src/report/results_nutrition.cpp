// Requirements, feed and feed costs of the base run per group of categories:
// test bulls, fattened animals, rearing heifers, calves sold, cows of the
// first three reproduction cycles and calves until weaning. A group that has
// no animals in the configuration passes over all of its label blocks.
#include <initializer_list>

#include "report/results_writer.h"

namespace zelvan {

namespace {

using PerCategory = float (Model::*)[C];
using PerBreed = float (Model::*)[J];

struct CategoryValue {
  PerCategory values;
  const char* fmt;  // format of one value
};

// Energy and protein requirements, dry matter, feed and feed costs of one
// category over its days in the category, in the order of the template.
const CategoryValue kTestBullCalf[] = {
    {&Model::d, "%8.1f"},    {&Model::costwt, "%8.1f"}, {&Model::costf, "%8.1f"}, {&Model::ne, "%8.0f"},
    {&Model::pdi, "%9.0f"},  {&Model::tdry, "%10.2f"},  {&Model::ddry, "%10.3f"}, {&Model::f, "%8.1f"},
};
const CategoryValue kSecondCalfPeriod[] = {
    {&Model::ne2, "%8.0f"}, {&Model::pdi2, "%9.0f"}, {&Model::tdry2, "%10.2f"},
    {&Model::ddry2, "%10.3f"}, {&Model::f2, "%8.1f"},
};
const CategoryValue kYoungStock[] = {
    {&Model::d, "%8.1f"},   {&Model::ne, "%8.0f"}, {&Model::pdi, "%9.0f"},    {&Model::tdry, "%10.2f"},
    {&Model::ddry, "%9.3f"}, {&Model::f, "%8.1f"},  {&Model::costwt, "%8.1f"}, {&Model::costf, "%8.1f"},
};
const CategoryValue kCalfSold[] = {
    {&Model::d, "%8.1f"},     {&Model::ne, "%8.0f"},    {&Model::pdi, "%9.0f"},   {&Model::tdry, "%10.2f"},
    {&Model::ddry, "%9.3f"},  {&Model::f, "%8.1f"},     {&Model::ne2, "%8.0f"},   {&Model::pdi2, "%9.0f"},
    {&Model::tdry2, "%10.2f"}, {&Model::ddry2, "%9.3f"}, {&Model::f2, "%8.1f"},    {&Model::costwt, "%8.1f"},
    {&Model::costf, "%8.1f"},
};
// Cows: the requirements split into growth, maintenance, pregnancy and milk.
const CategoryValue kCow[] = {
    {&Model::d, "%9.1f"},     {&Model::neg, "%9.0f"},  {&Model::nem, "%9.0f"},    {&Model::nepc, "%9.0f"},
    {&Model::nel, "%9.0f"},   {&Model::ne, "%9.0f"},   {&Model::pdig, "%9.0f"},   {&Model::pdim, "%9.0f"},
    {&Model::pdipc, "%9.0f"}, {&Model::pdil, "%9.0f"}, {&Model::pdi, "%9.0f"},    {&Model::tdry, "%9.2f"},
    {&Model::ddry, "%9.3f"},  {&Model::f, "%9.0f"},    {&Model::costwt, "%9.0f"}, {&Model::costf, "%9.0f"},
};

// Calves until weaning: the same values of female and male calves, the
// females' block first.
struct CalfValue {
  PerBreed female;
  PerBreed male;
  const char* fmt;
};

const CalfValue kCalfToWeaning[] = {
    {&Model::agew, &Model::agew, "%8.1f"},           {&Model::newf, &Model::newm, "%8.0f"},
    {&Model::pdiwf, &Model::pdiwm, "%8.0f"},         {&Model::tdrywf, &Model::tdrywm, "%8.0f"},
    {&Model::ddrywf, &Model::ddrywm, "%8.3f"},       {&Model::fwf, &Model::fwm, "%8.1f"},
    {&Model::newf2, &Model::newm2, "%8.0f"},         {&Model::pdiwf2, &Model::pdiwm2, "%9.0f"},
    {&Model::tdrywf2, &Model::tdrywm2, "%8.0f"},     {&Model::ddrywf2, &Model::ddrywm2, "%8.3f"},
    {&Model::fwf2, &Model::fwm2, "%8.1f"},           {&Model::costwwf, &Model::costwwm, "%8.1f"},
    {&Model::costfwf, &Model::costfwm, "%8.1f"},     {&Model::costvetwf, &Model::costvetwm, "%8.1f"},
    {&Model::costhwf, &Model::costhwm, "%8.1f"},     {&Model::costfixwf, &Model::costfixwm, "%8.1f"},
    {&Model::costwf, &Model::costwm, "%8.1f"},
};

constexpr int kHeadings = 1;  // label blocks that open each group

// A group of categories whose values stand side by side on one line:
// `lead` opens each line and `separator` stands between the values.
template <size_t N>
void category_group(ResultsWriter& w, bool exists, std::initializer_list<int> categories,
                    const CategoryValue (&values)[N], const char* lead, const char* separator) {
  w.blocks(exists, kHeadings);
  for (const CategoryValue& v : values) {
    w.blocks(exists, 1);
    if (!exists) continue;
    w.text(lead);
    bool first = true;
    for (int k : categories) {
      if (!first) w.text(separator);
      w.num(v.fmt, (w.m.*v.values)[k]);
      first = false;
    }
  }
}

template <size_t N>
void one_category(ResultsWriter& w, bool exists, int category, const CategoryValue (&values)[N]) {
  category_group(w, exists, {category}, values, "", "");
}

void calves_to_weaning(ResultsWriter& w, bool male) {
  w.copy(kHeadings);
  for (const CalfValue& v : kCalfToWeaning) {
    w.copy(1);
    w.pair(v.fmt, w.m.*(male ? v.male : v.female));
  }
}

// The test bull calf after weaning, kept until its test.
void test_bull_after_weaning(ResultsWriter& w, bool exists) {
  const Model& m = w.m;
  const struct {
    float value;
    const char* fmt;
  } values[] = {{m.ne10, "%8.0f"}, {m.pdi10, "%9.0f"}, {m.tdry10, "%10.2f"}, {m.ddry10, "%10.3f"}, {m.f10, "%8.1f"}};
  w.blocks(exists, kHeadings);
  for (const auto& v : values) {
    w.blocks(exists, 1);
    if (exists) w.num(v.fmt, v.value);
  }
}

}  // namespace

void write_nutrition_groups(ResultsWriter& w) {
  const Model& m = w.m;
  const int CC = m.CC;
  const bool crossbred = m.cb == 1;
  const auto present = [&m](int category, float threshold) { return m.l1[category] > threshold; };
  constexpr float kTested = 1e-5f;  // test bulls and fattened animals
  constexpr float kKept = 1e-6f;    // all other categories

  w.copy(1);  // heading of the section

  const bool test_bulls = present(10, kTested);
  one_category(w, test_bulls, 10, kTestBullCalf);
  one_category(w, test_bulls && m.ne2[10] > kTested, 10, kSecondCalfPeriod);
  test_bull_after_weaning(w, test_bulls && m.ne10 > kTested);

  // Fattened bulls, castrates and heifers: dead, culled, slaughtered.
  const int fattening[][3] = {{4, 15, 14}, {5, 16, 17}, {6, 13, 12}};
  for (const auto& group : fattening) {
    for (int j = 0; j < J; ++j) {
      const int o = j * CC;
      const bool exists = (j == 0 || crossbred) && (present(o + group[0], kTested) ||
                                                    present(o + group[1], kTested) ||
                                                    present(o + group[2], kTested));
      category_group(w, exists, {o + group[0], o + group[1], o + group[2]}, kYoungStock, "", " ");
    }
  }

  // Heifers dead in rearing.
  one_category(w, true, 7, kYoungStock);
  one_category(w, crossbred && present(CC + 7, kKept), CC + 7, kYoungStock);

  // Calves sold.
  for (int k : {8, 9, CC + 8, CC + 9}) one_category(w, (k < CC || crossbred) && present(k, kKept), k, kCalfSold);

  // Heifers culled before mating, not pregnant, entering the herd, sold.
  for (int k : {18, 19, 20, 22, 23, 24, CC + 23, CC + 24}) {
    const bool always = k == 18 || k == 19 || k == 22;
    one_category(w, always || ((k < CC || crossbred) && present(k, kKept)), k, kYoungStock);
  }

  // Cows of reproduction cycles 1 to 3, fates 1, 2, 3, 4 and 6 (the cow
  // categories 24 + 6(c-1) + fate).
  for (int c = 1; c <= 3; ++c) {
    const int s = 24 + 6 * (c - 1);
    category_group(w, true, {s + 1, s + 2, s + 3, s + 4, s + 6}, kCow, "\n ", " ");
  }

  calves_to_weaning(w, false);
  calves_to_weaning(w, true);
}

}  // namespace zelvan
