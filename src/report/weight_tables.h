#pragma once
// The tables of the economic weights that close the results file, described
// once: the results writer prints them from this description, and readers of
// the results file take the numbers back with the same one.
//
// Every table is a run of label blocks of the template: head blocks, one
// block per listed trait, each followed by the trait's line of numbers when
// the trait is shown, and sometimes tail blocks. All blocks are consumed in
// every configuration, so the tables always take the same last blocks of the
// template.
#include <vector>

#include "report/results_writer.h"

namespace zelvan {

constexpr int kTraitNumbers = 47;  // traits are numbered 1..47

// Traits with a block in the trait tables: every trait but the components
// 14 to 17, 19 to 22, 24 and 25, which are reported through their sums 18,
// 23 and 1.
bool trait_listed(const Model& m, int t);

// The order of the tables is the order of their layouts in weight_tables.cpp.
enum class WeightTable {
  per_cow_year,      // weights per cow and year, one column per breed index
  components,        // over the gene flow: calves, cows
  relative_own,      // standardised, relative to the sum of their component: cows, calves
  relative_both,     // the same, relative to the sum of both components: cows, calves
  single_component,  // standardised with the deviations of INPUT33.TXT: calves
};

// What a cell of a trait line holds.
enum class WeightCell { pure_bred, cross_bred, crossbred_dams, calves, cows };

struct WeightCells {
  int n;               // cells of each line
  WeightCell cell[3];  // in print order
};
const WeightCells& weight_cells(WeightTable table);

// The line of trait t in a table.
struct WeightLine {
  WeightTable table = WeightTable::per_cow_year;
  int trait = 0;
  bool printable = false;  // the table and the trait have a line in this configuration
  bool shown = false;      // ... and the model prints it (its weights are not negligible)
  int present = 0;         // bit mask of the cells holding a number; the others show a dash
  double value[3] = {};    // the numbers of the present cells
};

// The line as the model's results give it.
WeightLine weight_line(const Model& m, WeightTable table, int t);
// Prints the numbers of a shown line; they follow the trait's label block.
void print_weight_line(TextOut& out, const WeightLine& line);

// One step of writing the weight tables, in the order of the file.
struct WeightStep {
  enum Kind {
    blocks,       // n label blocks, copied when apply, else passed over
    trait_lines,  // a block per listed trait, with the line of a shown trait
    warnings,     // the weights that could not be evaluated (text of the writer)
    sums,         // the sums of the relative weights, when apply (text of the writer)
  } kind;
  int n = 0;
  bool apply = false;
  WeightTable table = WeightTable::per_cow_year;
};
std::vector<WeightStep> weight_steps(const Model& m);

// Label blocks the weight tables take from the end of the template.
int weight_table_blocks(const Model& m);

// Writes the tables from the model's results.
void write_weight_tables(ResultsWriter& w);

}  // namespace zelvan
