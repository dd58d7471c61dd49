// zelvan-batch: runs zelvan for one directory or a grid of scenarios and
// writes the results as JSON, CSV and SVG charts.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>

#include <CLI/CLI.hpp>

#include "batch/grid.h"
#include "batch/process.h"
#include "batch/results.h"
#include "batch/svg.h"

namespace {

using namespace zelvan::batch;

// One run in a scratch copy of DIR, so that the user's directory stays as it is.
int run_command(const std::string& dir, const std::string& json, const std::string& csv, const std::string& plot) {
  namespace fs = std::filesystem;
  if (!fs::is_directory(dir)) {
    std::fprintf(stderr, "zelvan-batch: %s is not a directory\n", dir.c_str());
    return 2;
  }
  const fs::path work = fs::temp_directory_path() / ("zelvan-batch-run-" + std::to_string(getpid()));
  copy_run_directory(dir, work.string());
  run_zelvan(zelvan_path(), work.string());
  RunResult r = read_run(work.string());
  r.dir = dir;
  fs::remove_all(work);
  if (!json.empty()) write_file(json, to_json(r).dump(2) + "\n");
  if (!csv.empty()) write_file(csv, trait_csv(r));
  if (!plot.empty()) write_file(plot, relative_weights_svg(r, fs::path(dir).filename().string()));
  if (json.empty() && csv.empty() && plot.empty()) std::printf("%s\n", to_json(r).dump(2).c_str());
  if (!r.completed) {
    std::fprintf(stderr, "zelvan-batch: zelvan stopped: %s\n", r.message.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  CLI::App app{"zelvan-batch: machine-readable results, scenario grids and charts for zelvan"};
  app.require_subcommand(1);

  std::string dir, json, csv, plot;
  CLI::App* run = app.add_subcommand("run", "Run zelvan once on a directory of input files");
  run->add_option("DIR", dir, "Directory holding PARAD.TXT, the INPUTnn.TXT files and TEXTD_OUT.TXT")->required();
  run->add_option("--json", json, "Write the results as JSON to this file");
  run->add_option("--csv", csv, "Write the trait table as CSV to this file");
  run->add_option("--plot", plot, "Write a bar chart of the relative weights (SVG) to this file");

  GridOptions g;
  g.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  CLI::App* grid = app.add_subcommand("grid", "Run every scenario of a scenario file");
  grid->add_option("SCENARIOS", g.scenario_file, "Scenario file (TOML)")->required()->check(CLI::ExistingFile);
  grid->add_option("-j,--jobs", g.jobs, "Scenarios run at once (default: number of cores)")
      ->check(CLI::Range(1, 256));
  grid->add_option("--out", g.out, "Directory of the tables and charts (default: beside the scenario file)");
  auto* emit = grid->add_option("--emit", g.emit, "Write the scenario directories and a jobs file, run nothing");
  auto* collect = grid->add_option("--collect", g.collect, "Gather the results of emitted scenario directories");
  emit->excludes(collect);

  if (argc > 1 && argv[1][0] != '-' && std::string(argv[1]) != "run" && std::string(argv[1]) != "grid") {
    std::fprintf(stderr, "zelvan-batch: unknown subcommand %s: run or grid (see --help)\n", argv[1]);
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);
    std::fprintf(stderr, "zelvan-batch: %s (see --help)\n", e.what());
    return 2;
  }
  if (run->parsed()) return run_command(dir, json, csv, plot);
  return grid_command(g);
}
