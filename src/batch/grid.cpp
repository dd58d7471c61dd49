#include "batch/grid.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>

#include <toml++/toml.h>

#include "batch/locate.h"
#include "batch/process.h"
#include "batch/svg.h"

namespace zelvan::batch {

namespace fs = std::filesystem;

namespace {

bool number_of(const toml::node& n, double& v) {
  if (auto i = n.value<int64_t>(); i && n.is_integer()) {
    v = static_cast<double>(*i);
    return true;
  }
  if (auto d = n.value<double>()) {
    v = *d;
    return true;
  }
  return false;
}

std::string scenario_id(std::size_t i) {
  char b[16];
  std::snprintf(b, sizeof b, "s%03zu", i + 1);
  return b;
}

// The product of the factors' levels, the first factor varying slowest.
void product(ScenarioFile& s, const std::vector<std::vector<double>>& levels) {
  std::vector<std::size_t> at(levels.size(), 0);
  for (;;) {
    Scenario sc;
    sc.id = scenario_id(s.scenarios.size());
    for (std::size_t f = 0; f < levels.size(); ++f) sc.settings.emplace_back(s.factors[f], levels[f][at[f]]);
    s.scenarios.push_back(sc);
    std::size_t f = levels.size();
    while (f > 0 && ++at[f - 1] == levels[f - 1].size()) at[--f] = 0;
    if (f == 0) return;
  }
}

void progress(std::size_t done, std::size_t total) {
  if (!isatty(2)) return;
  const int width = 40, filled = static_cast<int>(width * done / std::max<std::size_t>(total, 1));
  std::fprintf(stderr, "\r[%s%s] %zu/%zu scenarios", std::string(filled, '#').c_str(),
               std::string(width - filled, '.').c_str(), done, total);
  if (done == total) std::fputc('\n', stderr);
  std::fflush(stderr);
}

// The value named `name` in a list of names and values; absent when it has none.
std::optional<double> value_of(const std::vector<std::pair<std::string, double>>& list, const std::string& name) {
  const auto at = std::find_if(list.begin(), list.end(), [&](const auto& p) { return p.first == name; });
  return at == list.end() ? std::nullopt : std::optional<double>(at->second);
}

// Shell quoting for the jobs file.
std::string quoted(const std::string& s) {
  std::string o = "'";
  for (char c : s) o += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return o + "'";
}

void write_outputs(const ScenarioFile& s, const std::vector<ScenarioResult>& results, const fs::path& out) {
  fs::create_directories(out);
  write_file((out / "results.csv").string(), grid_csv(s, results));
  write_file((out / "results.json").string(), grid_json(s, results).dump(2) + "\n");
  if (s.factors.empty()) return;
  const std::string factor = s.plot_factor.empty() ? s.factors[0] : s.plot_factor;
  for (int t : s.plot_traits) {
    std::vector<LevelPoint> points;
    std::string name = "Trait " + std::to_string(t), unit;
    static const char* breed_name[] = {"pure-bred", "cross-bred", "dams' herd"};
    for (const ScenarioResult& r : results) {
      double level = 0;
      std::string others;
      for (const auto& [k, v] : r.scenario.settings) {
        if (k == factor) {
          level = v;
        } else {
          others += (others.empty() ? "" : ", ") + k + " = " + csv_number(v);
        }
      }
      for (const TraitRow& row : r.run.traits) {
        if (row.number != t || !row.breed || !row.weight) continue;
        const std::string series = std::string(breed_name[*row.breed]) + (others.empty() ? "" : "; " + others);
        points.push_back({level, *row.weight, series});
        name = std::to_string(t) + " " + row.name;
        unit = row.unit;
      }
    }
    write_file((out / ("trait" + std::to_string(t) + ".svg")).string(), trait_levels_svg(name, unit, factor, points));
  }
}

}  // namespace

bool read_scenarios(const std::string& path, ScenarioFile& s, std::string& why) {
  toml::table t;
  try {
    t = toml::parse_file(path);
  } catch (const toml::parse_error& e) {
    why = path + ": " + std::string(e.description());
    return false;
  }
  const auto base = t["base"].value<std::string>();
  if (!base) {
    why = path + ": no base = \"directory\"";
    return false;
  }
  s.base = fs::absolute(fs::path(path).parent_path() / *base).lexically_normal().string();
  if (!fs::is_directory(s.base)) {
    why = path + ": base directory " + s.base + " does not exist";
    return false;
  }
  if (const toml::table* plot = t["plot"].as_table()) {
    if (const toml::array* traits = (*plot)["traits"].as_array())
      for (const auto& n : *traits)
        if (auto v = n.value<int64_t>()) s.plot_traits.push_back(static_cast<int>(*v));
    s.plot_factor = (*plot)["factor"].value_or(std::string());
  }
  if (const toml::table* factors = t["factors"].as_table()) {
    std::vector<std::vector<double>> levels;
    for (const auto& [key, node] : *factors) {
      const toml::array* a = node.as_array();
      std::vector<double> l;
      double v = 0;
      if (a != nullptr)
        for (const auto& n : *a)
          if (number_of(n, v)) l.push_back(v);
      if (a == nullptr || l.empty() || l.size() != a->size()) {
        why = path + ": factor " + std::string(key.str()) + " needs a list of numbers";
        return false;
      }
      s.factors.emplace_back(key.str());
      levels.push_back(l);
    }
    if (!levels.empty()) product(s, levels);
  }
  if (const toml::array* list = t["scenario"].as_array()) {
    for (const auto& n : *list) {
      const toml::table* st = n.as_table();
      if (st == nullptr) continue;
      Scenario sc;
      sc.id = (*st)["name"].value_or(scenario_id(s.scenarios.size()));
      for (const auto& [key, node] : *st) {
        if (key.str() == "name") continue;
        double v = 0;
        if (!number_of(node, v)) {
          why = path + ": scenario " + sc.id + ": " + std::string(key.str()) + " needs a number";
          return false;
        }
        sc.settings.emplace_back(key.str(), v);
        if (std::find(s.factors.begin(), s.factors.end(), key.str()) == s.factors.end())
          s.factors.emplace_back(key.str());
      }
      s.scenarios.push_back(sc);
    }
  }
  if (s.scenarios.empty()) {
    why = path + ": neither [factors] nor [[scenario]] gives a scenario";
    return false;
  }
  return true;
}

// Options first: they decide which files and items are read, so the other
// variables are located in the copy whose options are already set. The
// last reading checks that every variable took its value.
std::string prepare_scenario(const ScenarioFile& s, const Scenario& sc, const std::string& dir) {
  copy_run_directory(s.base, dir);
  std::vector<std::string> wanted_names;
  for (const auto& [k, v] : sc.settings) wanted_names.push_back(k);
  for (int pass = 0; pass < 2; ++pass) {
    const LocateRun run = locate(dir, wanted_names);
    if (run.stopped) return {};  // zelvan stops on the same input and says why
    std::vector<std::pair<Located, double>> edits;
    for (std::size_t i = 0; i < wanted_names.size(); ++i) {
      const Located& l = run.at[i];
      if (!l.error.empty()) return l.error;
      if (l.option == (pass == 0)) edits.emplace_back(l, sc.settings[i].second);
    }
    // Later numbers first, so that the positions of earlier ones stay valid.
    std::sort(edits.begin(), edits.end(), [](const auto& a, const auto& b) { return a.first.begin > b.first.begin; });
    for (const auto& [l, v] : edits) {
      std::string why;
      if (!edit_number(dir, l, v, why)) return why;
    }
  }
  const LocateRun check = locate(dir, wanted_names);
  if (check.stopped) return {};
  for (std::size_t i = 0; i < wanted_names.size(); ++i) {
    const Located& l = check.at[i];
    if (!l.error.empty()) return l.error;
    if (static_cast<float>(l.value) != static_cast<float>(sc.settings[i].second))
      return wanted_names[i] + " does not keep the value " + std::to_string(sc.settings[i].second) +
             " after reading (the model sets it from other inputs)";
  }
  return {};
}

std::string grid_csv(const ScenarioFile& s, const std::vector<ScenarioResult>& results) {
  // The trait columns, by their keys in the JSON of a run ("number" is
  // headed "trait").
  static constexpr const char* kTraitColumns[] = {"number",   "name",            "breed",        "weight",
                                                  "per_calf", "relative_calves", "relative_cows"};
  std::vector<std::string> keys;  // key figures in the order a run gives them
  for (const ScenarioResult& r : results)
    for (const auto& [k, v] : r.run.key)
      if (std::find(keys.begin(), keys.end(), k) == keys.end()) keys.push_back(k);
  std::string out = "scenario";
  for (const std::string& f : s.factors) (out += ',') += csv_field(f);
  out += ",completed,message";
  for (const std::string& k : keys) out += "," + k;
  out += ",trait,name,breed,weight,per_calf,relative_calves,relative_cows\n";
  for (const ScenarioResult& r : results) {
    std::string head = r.scenario.id;
    for (const std::string& f : s.factors) (head += ',') += csv_number(value_of(r.scenario.settings, f));
    head += std::string(",") + (r.run.completed ? "1" : "0") + "," + csv_field(r.run.message);
    for (const std::string& k : keys) (head += ',') += csv_number(value_of(r.run.key, k));
    if (r.run.traits.empty()) out += head + std::string(std::size(kTraitColumns), ',') + "\n";
    for (const TraitRow& t : r.run.traits) out += head + "," + csv_fields(trait_json(t), kTraitColumns) + "\n";
  }
  return out;
}

nlohmann::ordered_json grid_json(const ScenarioFile& s, const std::vector<ScenarioResult>& results) {
  nlohmann::ordered_json j;
  j["factors"] = s.factors;
  j["scenarios"] = nlohmann::ordered_json::array();
  for (const ScenarioResult& r : results) {
    nlohmann::ordered_json one = to_json(r.run);
    one.erase("inputs");
    one["scenario"] = r.scenario.id;
    one["settings"] = nlohmann::ordered_json::object();
    for (const auto& [k, v] : r.scenario.settings) one["settings"][k] = v;
    j["scenarios"].push_back(one);
  }
  return j;
}

int grid_command(const GridOptions& o) {
  ScenarioFile s;
  std::string why;
  if (!read_scenarios(o.scenario_file, s, why)) {
    std::fprintf(stderr, "zelvan-batch: %s\n", why.c_str());
    return 2;
  }
  const fs::path sfile(o.scenario_file);
  const fs::path default_out = sfile.parent_path() / (sfile.stem().string() + "-results");
  const fs::path work = !o.emit.empty() ? fs::path(o.emit) : !o.collect.empty() ? fs::path(o.collect)
                                          : !o.out.empty()   ? fs::path(o.out) : default_out;
  const fs::path out = o.out.empty() ? work : fs::path(o.out);
  auto dir_of = [&](const Scenario& sc) { return fs::absolute(work / "scenarios" / sc.id).string(); };

  std::vector<ScenarioResult> results;
  if (!o.collect.empty()) {
    for (const Scenario& sc : s.scenarios) results.push_back({sc, read_run(dir_of(sc))});
    write_outputs(s, results, out);
    std::printf("%zu scenarios collected; tables in %s\n", results.size(), out.string().c_str());
    return 0;
  }
  // Every scenario is prepared before any is run: a variable that cannot
  // be set refuses the whole grid at once.
  for (const Scenario& sc : s.scenarios) {
    const std::string refused = prepare_scenario(s, sc, dir_of(sc));
    if (!refused.empty()) {
      std::fprintf(stderr, "zelvan-batch: scenario %s: %s\n", sc.id.c_str(), refused.c_str());
      return 2;
    }
  }
  const std::string program = zelvan_path();
  if (!o.emit.empty()) {
    std::string jobs;
    for (const Scenario& sc : s.scenarios)
      jobs += "cd " + quoted(dir_of(sc)) + " && echo " + kResultsName + " | " + quoted(program) + " > " +
              kConsoleName + " 2> " + kErrorsName + "\n";
    write_file((work / "jobs.txt").string(), jobs);
    std::printf("%zu scenarios written; commands in %s\n", s.scenarios.size(), (work / "jobs.txt").string().c_str());
    return 0;
  }
  std::map<pid_t, std::size_t> running;
  std::size_t next = 0, done = 0;
  progress(0, s.scenarios.size());
  while (done < s.scenarios.size()) {
    while (next < s.scenarios.size() && static_cast<int>(running.size()) < o.jobs) {
      const pid_t pid = start_zelvan(program, dir_of(s.scenarios[next]));
      if (pid < 0) {
        std::fprintf(stderr, "zelvan-batch: cannot start %s\n", program.c_str());
        return 1;
      }
      running[pid] = next++;
    }
    const pid_t pid = wait_any();
    if (pid < 0) break;
    if (running.erase(pid) == 1) progress(++done, s.scenarios.size());
  }
  for (const Scenario& sc : s.scenarios) results.push_back({sc, read_run(dir_of(sc))});
  write_outputs(s, results, out);
  std::size_t stopped = 0;
  for (const ScenarioResult& r : results) stopped += r.run.completed ? 0 : 1;
  std::printf("%zu scenarios run, %zu stopped with an input message; tables in %s\n", results.size(), stopped,
              out.string().c_str());
  return 0;
}

}  // namespace zelvan::batch
