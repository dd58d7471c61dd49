#pragma once
// What one run of zelvan wrote, read back: the options, the digests of the
// input files read, the key figures of the base run, the weights of every
// evaluated trait from the trait, component and relative-weight tables of
// the results file, and the warnings.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "report/weight_tables.h"

namespace zelvan::batch {

struct TraitRow {
  int number = 0;                        // trait number 1..47
  std::string name;                      // label of the trait table
  std::string unit;                      // "per kg", "per percentage point", ...
  // Breed index (0 pure-bred, 1 cross-bred, 2 dams' herd) and final weight
  // per cow and year, MU per unit; both absent for a trait that has weights
  // over the gene flow but no line in the trait table.
  std::optional<int> breed;
  std::optional<double> weight;
  std::optional<double> per_calf;        // weight / calves of the breed index per calving
  std::optional<double> calves, cows;    // components over the gene flow, MU per unit
  std::optional<double> gsd_calves, gsd_cows;            // per genetic standard deviation, MU
  std::optional<double> relative_calves, relative_cows;  // relative weights, per cent
};

struct RunResult {
  std::string dir;
  bool completed = false;               // the results file and CHECKD were written
  std::string message;                  // the input message a stopped run ended with
  std::string version;                  // program version from the console banner
  std::vector<std::pair<std::string, int>> options;   // PARAD.TXT, in file order
  std::vector<std::pair<std::string, std::string>> inputs;  // file read, SHA-256
  std::vector<std::pair<std::string, double>> key;    // key figures of the base run
  std::vector<TraitRow> traits;
  std::vector<std::string> warnings;
};

// What `write` writes to a C stream, as a string.
template <class Write>
std::string captured(Write write) {
  char* buf = nullptr;
  std::size_t size = 0;
  std::FILE* f = open_memstream(&buf, &size);
  write(f);
  std::fclose(f);
  std::string s(buf, size);
  std::free(buf);
  return s;
}

// The template at `path` opened at the label blocks of the weight tables:
// its last weight_table_blocks(m) ones. Throws std::runtime_error when it
// holds fewer.
TextIn open_weight_table_blocks(const Model& m, const std::string& path);

// The weight tables of a results file, read with the description the
// results writer prints them from: the same steps, label blocks (the last
// ones of the template), cells and line formats; m is the run's state as
// CHECKD restores it. Each line read is printed again and must give the
// text it was read from, so that no number is taken from the wrong place.
// Throws std::runtime_error naming `file` when the text does not follow
// the description.
struct WeightTables {
  std::vector<WeightLine> lines;       // every line the file shows, in file order
  std::map<int, std::string> labels;   // trait -> its label in the trait table
};
WeightTables read_weight_tables(const Model& m, const std::string& results, const std::string& template_path,
                                const std::string& file);

// Reads the files zelvan left in dir.
RunResult read_run(const std::string& dir);

nlohmann::ordered_json to_json(const RunResult& r);
// A trait row as the JSON of a run holds it; the CSV tables take their trait
// columns from it by its keys.
nlohmann::ordered_json trait_json(const TraitRow& t);
std::string trait_csv(const RunResult& r);

std::string csv_field(const std::string& s);              // quoted when it holds , " or a line end
std::string csv_number(const std::optional<double>& x);   // 9 significant digits, empty when absent
// The values of j under `keys` as CSV fields, separated by commas: text
// quoted as needed, whole numbers as they are, others with 9 significant
// digits, null empty.
std::string csv_fields(const nlohmann::ordered_json& j, std::span<const char* const> keys);

// Trait groups of the charts.
const char* trait_group(int trait);

}  // namespace zelvan::batch
