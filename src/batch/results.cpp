#include "batch/results.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>

#include "batch/process.h"
#include "batch/sha256.h"
#include "batch/variables.h"
#include "input/readers.h"
#include "input/textio.h"
#include "report/results_file.h"

namespace zelvan::batch {

namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    out.push_back(l);
  }
  return out;
}

std::vector<std::string> tokens_of(const std::string& line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  for (std::string t; in >> t;) out.push_back(t);
  return out;
}

// A single-precision result as its nine significant digits show it, so that
// the JSON does not carry the binary tail of a float.
double shown(double x) {
  char b[32];
  std::snprintf(b, sizeof b, "%.9g", x);
  return std::strtod(b, nullptr);
}

std::optional<double> shown(std::optional<double> x) {
  return x ? std::optional<double>(shown(*x)) : std::nullopt;
}

std::optional<double> value_of(const std::string& token) {
  if (token == "-") return std::nullopt;
  return std::strtod(token.c_str(), nullptr);
}

// The option values as PARAD.TXT holds them, read with the model's own
// primitives (the file was read by zelvan already, so it is well formed).
std::vector<int> option_values(const std::string& dir) {
  const std::string path = dir + "/PARAD.TXT";
  TextIn in = open_text(path.c_str());
  outputr(in);
  std::vector<int> v(kOptions);
  for (int& x : v) x = readsyva(in);
  close_text(in);
  return v;
}

// One table of part 4 of the results file: for each trait number the tokens
// of its value line and its label.
struct TableRows {
  std::map<int, std::vector<std::string>> values;
  std::map<int, std::string> labels;
};

// Part 4 of the results file: a trait line begins with the trait number in
// two places and its values are on the next line. The relative weights of
// both components come as two tables in section 4.3; the second begins
// where a trait number comes round again.
struct WeightTables {
  TableRows per_cow_year, components, relative_own, relative_both;
};

// " 7 Weight of ..." or "31 Milk yield": the trait number in two places,
// a blank, the label.
int trait_number(const std::string& l) {
  const bool shape = l.size() > 3 && (l[0] == ' ' || (l[0] >= '1' && l[0] <= '4')) &&
                     std::isdigit(static_cast<unsigned char>(l[1])) && l[2] == ' ' && l[3] != ' ';
  return shape ? std::atoi(l.substr(0, 2).c_str()) : 0;
}

WeightTables read_weight_tables(const std::vector<std::string>& lines) {
  WeightTables w;
  TableRows* table = nullptr;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (l.rfind("4.1 ", 0) == 0) table = &w.per_cow_year;
    if (l.rfind("4.2 ", 0) == 0) table = &w.components;
    if (l.rfind("4.3 ", 0) == 0) table = &w.relative_own;
    const int t = trait_number(l);
    if (table == nullptr || i + 1 >= lines.size() || t < 1 || t > 47) continue;
    if (table == &w.relative_own && w.relative_own.values.count(t) != 0) table = &w.relative_both;
    std::vector<std::string> tok = tokens_of(lines[i + 1]);
    bool numbers = !tok.empty();
    for (const std::string& x : tok) numbers = numbers && (x == "-" || std::isdigit(x.back()));
    if (!numbers) continue;
    table->values[t] = tok;
    table->labels[t] = l.substr(3);
  }
  return w;
}

// "Milk yield, per kg per lactation" -> name and unit.
void split_label(const std::string& label, std::string& name, std::string& unit) {
  const std::size_t at = label.rfind(", per ");
  name = at == std::string::npos ? label : label.substr(0, at);
  unit = at == std::string::npos ? "" : label.substr(at + 2);
}

// The message of a stopped run: the last paragraph of its console text,
// without the progress lines that led up to it.
std::string stop_message(const std::vector<std::string>& console) {
  std::vector<std::string> block, last;
  for (const std::string& l : console) {
    if (l.find_first_not_of(' ') == std::string::npos) {
      if (!block.empty()) last = block;
      block.clear();
      continue;
    }
    if (l.rfind("Reading data from", 0) == 0 || l.rfind("Calculating", 0) == 0 || l.rfind("Testing data", 0) == 0 ||
        l.rfind("Please enter", 0) == 0 || l.rfind(' ', 0) == 0)
      continue;
    block.push_back(l);
  }
  if (!block.empty()) last = block;
  std::string msg;
  for (std::string l : last) {
    while (!l.empty() && l.back() == ' ') l.pop_back();
    msg += (msg.empty() ? "" : " ") + l;
  }
  return msg;
}

void add_traits(RunResult& r, const std::string& dir) {
  auto m = std::make_unique<Model>();
  load_dump(*m, read_file(dir + "/CHECKD"));
  const WeightTables w = read_weight_tables(lines_of(read_file(dir + "/" + kResultsName)));
  const TableRows& relative = w.relative_both.values.empty() ? w.relative_own : w.relative_both;
  for (const auto& [t, tok] : w.per_cow_year.values) {
    TraitRow base;
    base.number = t;
    split_label(w.per_cow_year.labels.at(t), base.name, base.unit);
    if (auto c = w.components.values.find(t); c != w.components.values.end() && c->second.size() == 2) {
      base.calves = value_of(c->second[0]);
      base.cows = value_of(c->second[1]);
    }
    // Per genetic standard deviation, as the model standardises: each
    // component times its deviation (gstd 2), or the direct deviation times
    // the weight of the breed index or indices evaluated (gstd 3).
    if (m->gstd == 2) {
      if (base.calves) base.gsd_calves = static_cast<double>(m->gstd_d[t] * static_cast<float>(*base.calves));
      if (base.cows) base.gsd_cows = static_cast<double>(m->gstd_m[t] * static_cast<float>(*base.cows));
    }
    if (auto rel = relative.values.find(t); rel != relative.values.end()) {
      if (rel->second.size() == 2) {
        base.relative_cows = value_of(rel->second[0]);
        base.relative_calves = value_of(rel->second[1]);
      } else if (rel->second.size() == 1) {
        base.relative_calves = value_of(rel->second[0]);
      }
    }
    std::vector<std::optional<double>> ew;
    for (const std::string& x : tok) ew.push_back(value_of(x));
    if (m->gstd == 3) {
      const float e0 = ew.size() > 0 && ew[0] ? static_cast<float>(*ew[0]) : 0.0f;
      const float e1 = ew.size() > 1 && ew[1] ? static_cast<float>(*ew[1]) : 0.0f;
      if (m->cb == 0) {
        base.gsd_calves = m->gstd_d[t] * e0;
      } else if (m->ewopt == 2) {
        base.gsd_calves = static_cast<float>(static_cast<double>(m->gstd_d[t]) *
                                             (static_cast<double>(e0) + 0.5 * static_cast<double>(e1)));
      } else if (m->ewopt == 1) {
        base.gsd_calves = m->gstd_d[t] * e1;
      }
    }
    // The columns are those the results writer gives the trait.
    const int columns = weight_columns(*m, t);
    for (std::size_t j = 0; j < ew.size(); ++j) {
      if (!ew[j] || (columns & (1 << j)) == 0) continue;
      TraitRow row = base;
      row.breed = static_cast<int>(j);
      row.weight = *ew[j];
      if (j < 2 && m->Ncal[j] > 0) row.per_calf = shown(static_cast<float>(*ew[j]) / m->Ncal[j]);
      row.gsd_calves = shown(row.gsd_calves);
      row.gsd_cows = shown(row.gsd_cows);
      r.traits.push_back(row);
    }
  }
}

void add_key_figures(RunResult& r, const std::string& dir) {
  auto m = std::make_unique<Model>();
  load_dump(*m, read_file(dir + "/CHECKDhelp"));
  const double ci = m->ciav;
  r.key = {{"profit_per_cow_year", m->Tprof},
           {"revenues_per_cow_year", m->Trev},
           {"costs_per_cow_year", m->Tcost},
           {"milk_per_cow_year", ci > 0 ? m->milktot * 365.0 / ci : 0.0},
           {"calving_interval_days", ci},
           {"productive_life_years", m->avelifecy},
           {"productive_life_calvings", m->avelifecl},
           {"calves_sold_per_calving", static_cast<double>(m->p_tot[8]) + m->p_tot[9] + m->p_tot[10]}};
  for (auto& [name, value] : r.key) value = shown(value);
}

}  // namespace

RunResult read_run(const std::string& dir) {
  RunResult r;
  r.dir = dir;
  const std::vector<std::string> console = lines_of(read_file(dir + "/" + kConsoleName));
  for (const std::string& l : console) {
    if (l.rfind("Running ZELVAN Version ", 0) == 0) r.version = l.substr(23);
    if (l.rfind("Reading data from ", 0) == 0) {
      const std::string f = l.substr(18);
      r.inputs.emplace_back(f, file_sha256(dir + "/" + f));
    }
  }
  r.inputs.emplace_back("TEXTD_OUT.TXT", file_sha256(dir + "/TEXTD_OUT.TXT"));
  for (const std::string& l : lines_of(read_file(dir + "/" + kErrorsName)))
    if (!l.empty()) r.warnings.push_back(l);
  namespace fs = std::filesystem;
  r.completed = fs::exists(dir + "/CHECKD") && fs::exists(dir + "/CHECKDhelp") &&
                read_file(dir + "/" + kConsoleName).find("Thank you for using") != std::string::npos;
  if (!r.completed) {
    r.message = stop_message(console);
    return r;
  }
  const std::vector<std::string> names = option_names();
  const std::vector<int> values = option_values(dir);
  for (int i = 0; i < kOptions; ++i) r.options.emplace_back(names[i], values[i]);
  add_key_figures(r, dir);
  add_traits(r, dir);
  return r;
}

const char* trait_group(int t) {
  if ((t >= 31 && t <= 35) || t == 38 || t == 39 || t == 45) return "production";
  if ((t >= 1 && t <= 3) || (t >= 11 && t <= 13) || t == 29 || t == 36 || t == 37 || t == 40 || t == 41 ||
      t == 46)
    return "functional";
  return "beef";
}

namespace {

nlohmann::ordered_json opt(const std::optional<double>& x) { return x ? nlohmann::ordered_json(*x) : nlohmann::ordered_json(nullptr); }
std::optional<double> unopt(const nlohmann::ordered_json& j, const char* k) {
  if (!j.contains(k) || j[k].is_null()) return std::nullopt;
  return j[k].get<double>();
}

}  // namespace

nlohmann::ordered_json to_json(const RunResult& r) {
  nlohmann::ordered_json j;
  j["version"] = r.version;
  j["completed"] = r.completed;
  if (!r.completed) j["message"] = r.message;
  j["options"] = nlohmann::ordered_json::object();
  for (const auto& [k, v] : r.options) j["options"][k] = v;
  j["inputs"] = nlohmann::ordered_json::object();
  for (const auto& [k, v] : r.inputs) j["inputs"][k] = v;
  j["key_figures"] = nlohmann::ordered_json::object();
  for (const auto& [k, v] : r.key) j["key_figures"][k] = v;
  j["traits"] = nlohmann::ordered_json::array();
  for (const TraitRow& t : r.traits) {
    j["traits"].push_back({{"number", t.number},
                           {"name", t.name},
                           {"unit", t.unit},
                           {"group", trait_group(t.number)},
                           {"breed", t.breed},
                           {"weight", t.weight},
                           {"per_calf", opt(t.per_calf)},
                           {"calves", opt(t.calves)},
                           {"cows", opt(t.cows)},
                           {"per_gsd_calves", opt(t.gsd_calves)},
                           {"per_gsd_cows", opt(t.gsd_cows)},
                           {"relative_calves", opt(t.relative_calves)},
                           {"relative_cows", opt(t.relative_cows)}});
  }
  j["warnings"] = r.warnings;
  return j;
}

RunResult from_json(const nlohmann::ordered_json& j) {
  RunResult r;
  r.version = j.value("version", "");
  r.completed = j.value("completed", false);
  r.message = j.value("message", "");
  for (const auto& [k, v] : j["options"].items()) r.options.emplace_back(k, v.get<int>());
  for (const auto& [k, v] : j["inputs"].items()) r.inputs.emplace_back(k, v.get<std::string>());
  for (const auto& [k, v] : j["key_figures"].items()) r.key.emplace_back(k, v.get<double>());
  for (const auto& t : j["traits"]) {
    TraitRow row;
    row.number = t["number"];
    row.name = t["name"];
    row.unit = t["unit"];
    row.breed = t["breed"];
    row.weight = t["weight"];
    row.per_calf = unopt(t, "per_calf");
    row.calves = unopt(t, "calves");
    row.cows = unopt(t, "cows");
    row.gsd_calves = unopt(t, "per_gsd_calves");
    row.gsd_cows = unopt(t, "per_gsd_cows");
    row.relative_calves = unopt(t, "relative_calves");
    row.relative_cows = unopt(t, "relative_cows");
    r.traits.push_back(row);
  }
  for (const auto& w : j["warnings"]) r.warnings.push_back(w);
  return r;
}

std::string csv_field(const std::string& s) {
  if (s.find_first_of(",\"\n") == std::string::npos) return s;
  std::string out = "\"";
  for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string csv_number(const std::optional<double>& x) {
  if (!x) return "";
  std::ostringstream s;
  s.precision(9);
  s << *x;
  return s.str();
}

std::string trait_csv(const RunResult& r) {
  std::string out =
      "number,name,unit,group,breed,weight,per_calf,calves,cows,per_gsd_calves,per_gsd_cows,relative_calves,"
      "relative_cows\n";
  for (const TraitRow& t : r.traits) {
    out += std::to_string(t.number) + "," + csv_field(t.name) + "," + csv_field(t.unit) + "," +
           trait_group(t.number) + "," + std::to_string(t.breed) + "," + csv_number(t.weight) + "," +
           csv_number(t.per_calf) + "," + csv_number(t.calves) + "," + csv_number(t.cows) + "," +
           csv_number(t.gsd_calves) + "," + csv_number(t.gsd_cows) + "," + csv_number(t.relative_calves) + "," +
           csv_number(t.relative_cows) + "\n";
  }
  return out;
}

}  // namespace zelvan::batch
