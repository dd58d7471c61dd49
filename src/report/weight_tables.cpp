// The economic weights at the end of the results file: which trait has a
// line in which table, which of its cells hold numbers, and how a line is
// printed.
#include "report/weight_tables.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "weights/economic_weights.h"

namespace zelvan {

namespace {

bool evaluated(const Model& m, int t) { return m.to[t] == 2; }

// A set of trait numbers as a bit mask.
struct TraitSet {
  std::uint64_t bits = 0;
  TraitSet(std::initializer_list<int> lo_hi_pairs) {
    const int* p = lo_hi_pairs.begin();
    for (; p + 1 < lo_hi_pairs.end(); p += 2)
      for (int t = p[0]; t <= p[1]; ++t) bits |= std::uint64_t{1} << t;
  }
  bool has(int t) const { return (bits >> t) & 1u; }
};

// A weight is shown when it is not negligible; with cross-bred progeny only
// the cross-bred weight counts. The model tests that weight even for the
// traits whose only weight is the one of the dams' herd, which it therefore
// never shows with cross-bred progeny only.
bool weight_shown(const Model& m, int t) {
  if (m.ewopt == 1) return std::fabs(static_cast<double>(m.ew[t][1])) > 1e-6;
  double sum = 0;
  for (int j = 0; j < 3; ++j) sum += std::fabs(static_cast<double>(m.ew[t][j]));
  return sum > 1e-6;
}

// The cows have a component of the standardised weights when the sum of
// their weights is not negligible.
bool cows_standardised(const Model& m) { return m.ewsum_m > 1e-6f; }

// Whether a table is printed at all in this configuration.
bool table_applies(const Model& m, WeightTable table) {
  switch (table) {
    case WeightTable::per_cow_year:
    case WeightTable::components:
      return true;
    case WeightTable::relative_own:
      return m.gstd == 2;
    case WeightTable::relative_both:
      return m.gstd == 2 && cows_standardised(m);
    case WeightTable::single_component:
      return m.gstd == 3 && (m.cb == 0 || m.utifemcr != 3);
  }
  return false;
}

// Columns of the trait table in which trait t has a weight, as a bit mask:
// 1 pure-bred, 2 cross-bred, 4 the herd of the cross-bred dams; 0 when the
// trait has no line.
int weight_columns(const Model& m, int t) {
  static const TraitSet kMilkHealth{31, 41, 46, 46};
  static const TraitSet kPureAndSire{11, 13, 29, 29, 45, 45};
  static const TraitSet kAllThree{1, 5, 9, 10, 18, 18, 23, 23, 43, 44};
  static const TraitSet kCrossDams{6, 8, 26, 28, 47, 47};
  static const TraitSet kCalfGain{30, 30, 42, 42};
  static const TraitSet kDairyOnly{11, 13, 29, 29, 31, 41, 43, 43, 45, 46};
  static const TraitSet kSireOnly{6, 8, 11, 13, 26, 29, 45, 45, 47, 47};
  const bool dams = m.utifemcr == 3;
  switch (m.ewopt) {
    case 0:
      return 1;
    case 2:
      if (!dams) return kDairyOnly.has(t) ? 1 : 3;
      if (kMilkHealth.has(t)) return 1;
      if (kPureAndSire.has(t)) return 5;
      if (kAllThree.has(t)) return 7;
      if (kCrossDams.has(t)) return 4;
      if (kCalfGain.has(t)) return 3;
      return 0;
    case 1:
      if (kCalfGain.has(t)) return 2;
      if (kAllThree.has(t)) return dams ? 6 : 2;
      if (dams && kSireOnly.has(t)) return 4;
      return 0;
    default:
      return 0;
  }
}

// Where a cell stands on its line: its field ends at column `end`; a cell
// without a number shows a dash `back` columns before that end.
struct CellPlace {
  int end;          // column after the last character of the field
  int width;        // width of the field
  const char* fmt;  // format of the number
  int back;         // columns between the dash and the end of the field
};

// What the cells of a table's lines hold and how a line is laid out: the
// text before the cells, the cells in print order, the text after them.
struct TableLayout {
  WeightCells cells;
  const char* lead;
  CellPlace place[3];
  const char* trail;
};

const TableLayout& layout(WeightTable table) {
  using enum WeightCell;
  static const TableLayout kRelative{
      {2, {cows, calves, calves}}, "", {{48, 10, "%10.3f", 3}, {65, 10, "%10.3f", 3}}, "\n"};
  static const TableLayout kLayouts[] = {
      // per_cow_year
      {{3, {pure_bred, cross_bred, crossbred_dams}},
       "\n",
       {{12, 12, "%12.4f", 4}, {25, 12, "%12.4f", 4}, {38, 12, "%12.4f", 4}},
       ""},
      // components
      {{2, {calves, cows, cows}}, "\n", {{12, 12, "%12.4f", 5}, {25, 12, "%12.4f", 3}}, ""},
      kRelative,  // relative_own
      kRelative,  // relative_both
      // single_component: its one cell always holds a number
      {{1, {calves, calves, calves}}, "", {{47, 7, "%7.3f", 0}}, ""},
  };
  return kLayouts[static_cast<int>(table)];
}

}  // namespace

bool trait_listed(const Model& m, int t) { return m.to[t] > 0; }

const WeightCells& weight_cells(WeightTable table) { return layout(table).cells; }

WeightLine weight_line(const Model& m, WeightTable table, int t) {
  WeightLine l;
  l.table = table;
  l.trait = t;
  const bool applies = table_applies(m, table) && trait_listed(m, t) && evaluated(m, t);
  switch (table) {
    case WeightTable::per_cow_year:
      l.present = weight_columns(m, t);
      for (int j = 0; j < 3; ++j) l.value[j] = m.ew[t][j];
      l.printable = applies && l.present != 0;
      l.shown = l.printable && weight_shown(m, t);
      break;
    case WeightTable::components:
      l.present = (m.delta_d[t] == 1 ? 1 : 0) | (m.delta_m[t] == 1 ? 2 : 0);
      l.value[0] = m.ew_d[t];
      l.value[1] = m.ew_m[t];
      l.printable = l.shown = applies && l.present != 0;
      break;
    case WeightTable::relative_own:
    case WeightTable::relative_both: {
      const bool own = table == WeightTable::relative_own;
      l.present = (cows_standardised(m) && m.delta_m[t] == 1 ? 1 : 0) | (m.delta_d[t] == 1 ? 2 : 0);
      l.value[0] = own ? m.ewr_mm[t] : m.ewr_ma[t];
      l.value[1] = own ? m.ewr_dd[t] : m.ewr_da[t];
      l.printable = l.shown = applies && l.present != 0;
      break;
    }
    case WeightTable::single_component:
      l.present = 1;
      l.value[0] = m.ewr_dd[t];
      l.printable = applies;
      l.shown = applies && m.ewr_dd[t] > 1e-6f;
      break;
  }
  return l;
}

void print_weight_line(TextOut& w, const WeightLine& l) {
  const TableLayout& table = layout(l.table);
  w.text(table.lead);
  ColumnLine line{w};
  for (int c = 0; c < table.cells.n; ++c) {
    const CellPlace& p = table.place[c];
    if (l.present & (1 << c)) {
      line.value(p.end, p.width, p.fmt, l.value[c]);
    } else {
      line.dash(p.end, p.back);
    }
  }
  w.text(table.trail);
}

std::vector<WeightStep> weight_steps(const Model& m) {
  using S = WeightStep;
  const bool own = table_applies(m, WeightTable::relative_own);
  const bool both = table_applies(m, WeightTable::relative_both);
  const bool single = table_applies(m, WeightTable::single_component);
  return {
      // Weights per cow and year: the head of a pure-bred system or of one
      // with cross-bred progeny, then the column titles with pure-bred weights.
      {S::blocks, 1, m.ewopt == 0},
      {S::blocks, 1, m.ewopt > 0},
      {S::blocks, 1, m.ewopt != 1},
      {S::trait_lines, 0, true, WeightTable::per_cow_year},
      {S::warnings, 0, m.nwarn > 0},
      {S::blocks, 2, true},
      {S::trait_lines, 0, true, WeightTable::components},
      {S::blocks, 2, own},
      {S::trait_lines, 0, own, WeightTable::relative_own},
      {S::blocks, 2, both},
      {S::trait_lines, 0, both, WeightTable::relative_both},
      {S::blocks, 1, both},
      {S::sums, 0, both},
      {S::blocks, 1, single},
      {S::trait_lines, 0, single, WeightTable::single_component},
      {S::blocks, 1, single},
      {S::blocks, 1, true},  // the closing block
  };
}

int weight_table_blocks(const Model& m) {
  int listed = 0;
  for (int t = 1; t <= kTraitNumbers; ++t) listed += trait_listed(m, t) ? 1 : 0;
  int n = 0;
  for (const WeightStep& s : weight_steps(m)) {
    if (s.kind == WeightStep::blocks) n += s.n;
    if (s.kind == WeightStep::trait_lines) n += listed;
  }
  return n;
}

void write_weight_tables(ResultsWriter& w) {
  const Model& m = w.m;
  for (const WeightStep& s : weight_steps(m)) {
    switch (s.kind) {
      case WeightStep::blocks:
        w.blocks(s.apply, s.n);
        break;
      case WeightStep::trait_lines:
        for (int t = 1; t <= kTraitNumbers; ++t) {
          if (!trait_listed(m, t)) continue;
          const WeightLine line = weight_line(m, s.table, t);
          w.blocks(line.shown, 1);
          if (line.shown) print_weight_line(w, line);
        }
        break;
      case WeightStep::warnings:
        // A weight that could not be evaluated stays 0 and is left out of
        // the table; say which and why, so that no 0 is taken for a weight.
        if (s.apply) {
          w.text("\n\n");
          print_weight_warnings(m, w.out);
        }
        break;
      case WeightStep::sums:
        if (s.apply) {
          w.num("                                   %10.3f", m.ewsum_m);
          w.num("       %10.3f", m.ewsum_d);
          w.num("       %10.3f", m.ewsum);
        }
        break;
    }
  }
}

}  // namespace zelvan
