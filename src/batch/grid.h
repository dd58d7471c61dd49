#pragma once
// A grid of scenarios: a base input directory and factors that set model
// variables, as the product of the factors' levels or an explicit list.
// Each scenario is an edited copy of the base directory run by its own
// zelvan process; the results of all of them end up in one CSV and one JSON
// table, with a chart per chosen trait.
#include <string>
#include <utility>
#include <vector>

#include "batch/results.h"

namespace zelvan::batch {

struct GridOptions {
  std::string scenario_file;
  int jobs = 1;
  std::string out;      // tables and charts; default beside the scenario file
  std::string emit;     // write scenario directories and a jobs file only
  std::string collect;  // gather the results of emitted directories
};

struct Scenario {
  std::string id;                                          // directory name, e.g. "s003"
  std::vector<std::pair<std::string, double>> settings;    // variable, value
};

struct ScenarioFile {
  std::string base;                      // base input directory (absolute)
  std::vector<std::string> factors;      // variables in column order
  std::vector<Scenario> scenarios;
  std::vector<int> plot_traits;          // traits charted across a factor's levels
  std::string plot_factor;               // that factor (default: the first)
};

// Reads the scenario file; on error returns false with a message in `why`.
bool read_scenarios(const std::string& path, ScenarioFile& s, std::string& why);

// Writes the scenario's directory: a copy of the base with the variables set.
// Returns an empty string, or the refusal of a variable that cannot be set.
std::string prepare_scenario(const ScenarioFile& s, const Scenario& sc, const std::string& dir);

struct ScenarioResult {
  Scenario scenario;
  RunResult run;
};

std::string grid_csv(const ScenarioFile& s, const std::vector<ScenarioResult>& results);
nlohmann::ordered_json grid_json(const ScenarioFile& s, const std::vector<ScenarioResult>& results);

int grid_command(const GridOptions& options);

}  // namespace zelvan::batch
