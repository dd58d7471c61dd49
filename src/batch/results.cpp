#include "batch/results.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <filesystem>
#include <memory>
#include <sstream>

#include "batch/process.h"
#include "batch/sha256.h"
#include "batch/variables.h"
#include "input/readers.h"
#include "input/textio.h"
#include "report/weight_tables.h"

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

// Nine significant digits: a single-precision result in full, without the
// binary tail of a float.
std::string nine_digits(double x) {
  char b[32];
  std::snprintf(b, sizeof b, "%.9g", x);
  return b;
}

// A single-precision result as its nine significant digits show it, so that
// the JSON does not carry the binary tail of a float.
double shown(double x) { return std::strtod(nine_digits(x).c_str(), nullptr); }

std::optional<double> shown(std::optional<double> x) {
  return x ? std::optional<double>(shown(*x)) : std::nullopt;
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

// The label blocks of the weight tables, as the model's own reader of the
// template gives them.
std::vector<std::string> weight_blocks(const std::string& path, const Model& m) {
  TextIn in = open_weight_table_blocks(m, path);
  std::vector<std::string> blocks;
  for (int i = 0; i < weight_table_blocks(m); ++i) blocks.push_back(captured([&](std::FILE* f) { outputrw(in, f); }));
  close_text(in);
  return blocks;
}

}  // namespace

TextIn open_weight_table_blocks(const Model& m, const std::string& path) {
  const std::string text = read_file(path);
  const long total = std::count(text.begin(), text.end(), '"') / 2;
  const int n = weight_table_blocks(m);
  if (total < n) throw std::runtime_error(path + " holds fewer label blocks than the weight tables take");
  TextIn in = open_text(path.c_str());
  for (long i = 0; i < total - n; ++i) outputr(in);
  return in;
}

WeightTables read_weight_tables(const Model& m, const std::string& results, const std::string& template_path,
                                const std::string& file) {
  const std::vector<std::string> blocks = weight_blocks(template_path, m);
  WeightTables w;
  std::size_t pos = 0, b = 0;
  auto fail = [&](const std::string& what) {
    throw std::runtime_error(file + ": " + what + " (the results file does not match its template or its CHECKD)");
  };
  for (const WeightStep& s : weight_steps(m)) {
    if (s.kind == WeightStep::blocks) {
      for (int i = 0; i < s.n; ++i, ++b) {
        if (!s.apply) continue;
        const std::size_t at = results.find(blocks[b], pos);
        if (at == std::string::npos) fail("a label block of the weight tables is missing");
        pos = at + blocks[b].size();
      }
    }
    if (s.kind != WeightStep::trait_lines) continue;
    for (int t = 1; t <= kTraitNumbers; ++t) {
      if (!trait_listed(m, t)) continue;
      const std::string& block = blocks[b++];
      if (s.table == WeightTable::per_cow_year) {
        const std::size_t at = block.find_first_not_of(" \n");
        w.labels[t] = block.substr(block.find(' ', at) + 1);
      }
      WeightLine line = weight_line(m, s.table, t);
      if (!line.printable || results.compare(pos, block.size(), block) != 0) continue;
      pos += block.size();
      const std::size_t start = results.find_first_not_of('\n', pos);
      const std::size_t end = results.find('\n', start);
      const std::vector<std::string> tok = tokens_of(results.substr(start, end - start));
      const WeightCells& cells = weight_cells(s.table);
      const std::string where = "the line of trait " + std::to_string(t);
      if (static_cast<int>(tok.size()) != cells.n) fail(where + " has " + std::to_string(tok.size()) + " numbers");
      // A cell without a number shows a dash; so does a number the model
      // could not form.
      for (int c = 0; c < cells.n; ++c) {
        const bool number = (line.present >> c) & 1;
        if (!number && tok[c] != "-") fail(where + " has a number where the table has a dash");
        char* rest = nullptr;
        line.value[c] = !number ? 0.0 : tok[c] == "-" ? NAN : std::strtod(tok[c].c_str(), &rest);
        if (rest != nullptr && *rest != '\0') fail(where + " holds \"" + tok[c] + "\"");
      }
      const std::string printed = captured([&](std::FILE* f) {
        TextOut out{f};
        print_weight_line(out, line);
      });
      if (results.compare(pos, printed.size(), printed) != 0) fail(where + " does not read back as written");
      pos += printed.size();
      line.shown = true;
      w.lines.push_back(line);
    }
  }
  return w;
}

namespace {

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

// A number of a shown line, absent when the cell shows a dash.
std::optional<double> cell(const WeightLine* line, WeightCell what) {
  if (line == nullptr) return std::nullopt;
  const WeightCells& cells = weight_cells(line->table);
  for (int c = 0; c < cells.n; ++c)
    if (cells.cell[c] == what && ((line->present >> c) & 1) && std::isfinite(line->value[c])) return line->value[c];
  return std::nullopt;
}

void add_traits(RunResult& r, const std::string& dir) {
  auto m = std::make_unique<Model>();
  load_dump(*m, read_file(dir + "/CHECKD"));
  const std::string results = dir + "/" + kResultsName;
  const WeightTables w = read_weight_tables(*m, read_file(results), dir + "/TEXTD_OUT.TXT", results);
  // The lines of each trait; the relative weights of both components
  // together when the file has them, else those of each component.
  std::map<int, std::map<WeightTable, const WeightLine*>> of;
  bool both = false;
  for (const WeightLine& l : w.lines) {
    of[l.trait][l.table] = &l;
    both = both || l.table == WeightTable::relative_both;
  }
  const WeightTable relative_table = both ? WeightTable::relative_both : WeightTable::relative_own;
  static const WeightCell kBreed[3] = {WeightCell::pure_bred, WeightCell::cross_bred, WeightCell::crossbred_dams};
  for (const auto& [t, lines] : of) {
    auto line = [&](WeightTable table) {
      const auto at = lines.find(table);
      return at == lines.end() ? nullptr : at->second;
    };
    TraitRow base;
    base.number = t;
    split_label(w.labels.at(t), base.name, base.unit);
    base.calves = cell(line(WeightTable::components), WeightCell::calves);
    base.cows = cell(line(WeightTable::components), WeightCell::cows);
    base.relative_cows = cell(line(relative_table), WeightCell::cows);
    base.relative_calves = cell(line(relative_table), WeightCell::calves);
    if (m->gstd == 3) base.relative_calves = cell(line(WeightTable::single_component), WeightCell::calves);
    const WeightLine* per_cow_year = line(WeightTable::per_cow_year);
    std::optional<double> ew[3];
    for (int j = 0; j < 3; ++j) ew[j] = cell(per_cow_year, kBreed[j]);
    // Per genetic standard deviation, as the model standardises: each
    // component times its deviation (gstd 2), or the direct deviation times
    // the weight of the breed index or indices evaluated (gstd 3).
    if (m->gstd == 2) {
      if (base.calves) base.gsd_calves = static_cast<double>(m->gstd_d[t] * static_cast<float>(*base.calves));
      if (base.cows) base.gsd_cows = static_cast<double>(m->gstd_m[t] * static_cast<float>(*base.cows));
    }
    if (m->gstd == 3) {
      const float e0 = static_cast<float>(ew[0].value_or(0)), e1 = static_cast<float>(ew[1].value_or(0));
      if (m->cb == 0) {
        base.gsd_calves = m->gstd_d[t] * e0;
      } else if (m->ewopt == 2) {
        base.gsd_calves = static_cast<float>(static_cast<double>(m->gstd_d[t]) *
                                             (static_cast<double>(e0) + 0.5 * static_cast<double>(e1)));
      } else if (m->ewopt == 1) {
        base.gsd_calves = m->gstd_d[t] * e1;
      }
    }
    base.gsd_calves = shown(base.gsd_calves);
    base.gsd_cows = shown(base.gsd_cows);
    // A trait that has weights over the gene flow but no line in the trait
    // table (with cross-bred progeny only, the traits weighted through the
    // dams' herd alone) gets one row without breed index and weight.
    if (per_cow_year == nullptr) {
      r.traits.push_back(base);
      continue;
    }
    for (int j = 0; j < 3; ++j) {
      if (((per_cow_year->present >> j) & 1) == 0) continue;
      TraitRow row = base;
      row.breed = j;
      row.weight = ew[j];
      if (j < 2 && ew[j] && m->Ncal[j] > 0) row.per_calf = shown(static_cast<float>(*ew[j]) / m->Ncal[j]);
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
  const std::string console_text = read_file(dir + "/" + kConsoleName);
  const std::vector<std::string> console = lines_of(console_text);
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
                console_text.find("Thank you for using") != std::string::npos;
  if (!r.completed) {
    r.message = stop_message(console);
    return r;
  }
  const std::vector<std::string> names = option_names();
  const std::vector<int> values = option_values(dir);
  for (int i = 0; i < kOptions; ++i) r.options.emplace_back(names[i], values[i]);
  add_key_figures(r, dir);
  try {
    add_traits(r, dir);
  } catch (const std::runtime_error& e) {
    r.completed = false;
    r.message = e.what();
  }
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

}  // namespace

nlohmann::ordered_json trait_json(const TraitRow& t) {
  return {{"number", t.number},
          {"name", t.name},
          {"unit", t.unit},
          {"group", trait_group(t.number)},
          {"breed", t.breed ? nlohmann::ordered_json(*t.breed) : nlohmann::ordered_json(nullptr)},
          {"weight", opt(t.weight)},
          {"per_calf", opt(t.per_calf)},
          {"calves", opt(t.calves)},
          {"cows", opt(t.cows)},
          {"per_gsd_calves", opt(t.gsd_calves)},
          {"per_gsd_cows", opt(t.gsd_cows)},
          {"relative_calves", opt(t.relative_calves)},
          {"relative_cows", opt(t.relative_cows)}};
}

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
  for (const TraitRow& t : r.traits) j["traits"].push_back(trait_json(t));
  j["warnings"] = r.warnings;
  return j;
}

std::string csv_field(const std::string& s) {
  if (s.find_first_of(",\"\n") == std::string::npos) return s;
  std::string out = "\"";
  for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string csv_number(const std::optional<double>& x) { return x ? nine_digits(*x) : ""; }

std::string csv_fields(const nlohmann::ordered_json& j, std::span<const char* const> keys) {
  std::string out;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const nlohmann::ordered_json& v = j.at(keys[i]);
    if (i > 0) out += ',';
    if (v.is_string()) out += csv_field(v.get<std::string>());
    else if (v.is_number_float()) out += nine_digits(v.get<double>());
    else if (!v.is_null()) out += v.dump();
  }
  return out;
}

std::string trait_csv(const RunResult& r) {
  static constexpr const char* kColumns[] = {"number",  "name",           "unit",         "group",
                                             "breed",   "weight",         "per_calf",     "calves",
                                             "cows",    "per_gsd_calves", "per_gsd_cows", "relative_calves",
                                             "relative_cows"};
  std::string out;
  for (const char* k : kColumns) (out += out.empty() ? "" : ",") += k;
  out += "\n";
  for (const TraitRow& t : r.traits) out += csv_fields(trait_json(t), kColumns) + "\n";
  return out;
}

}  // namespace zelvan::batch
