// Whole runs over configurations derived from the bundled examples
// (tests/data/config_matrix.txt) and every stop of the program produced by a
// whole run (tests/data/stops.txt). Each table line names a base example and
// edits of its files; the edits are:
//   option=value        one of the 24 options of PARAD.TXT (by name);
//   FILE|item text|nums  the numbers in front of the item (set_numbers);
//   FILE~from~to        a literal replacement in the file;
//   FILE<text           the file cut off where `text` begins;
//   +FILE=example       the file copied from another example;  -FILE  removed;
//   NAME/               a directory in the way of a file the program writes;
//   answer=NAME         the answer to the prompt for the results file.
// After the edits the per-cycle items of INPUT07, INPUT29 and INPUT37, the
// number of age classes of dairy dams and their gene-transmission row are
// fitted to the number of reproduction cycles LL, as a user changing LL must.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

#ifdef ZELVAN_SANITIZE_SUBSET
constexpr bool kSubset = true;  // the instrumented build runs every sixth line of the matrix
#else
constexpr bool kSubset = false;
#endif

const char* const kOptions[] = {"cb",       "tech1",    "tech2",     "matpur",   "matcross", "utifemp",
                                "utifemcr", "cast0",    "cast1",     "feedcost", "ewopt",    "gene_flow",
                                "mast_inc", "milkquota", "milkprice", "ind_a30", "ind_RCT",  "LL",
                                "gstd",     "claw_inc", "rfi_calf",  "rfi_h",    "rfi_fa",   "rfi_cow"};

std::vector<std::string> split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::stringstream in(s);
  for (std::string p; std::getline(in, p, sep);) parts.push_back(p);
  return parts;
}

std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t");
  return a == std::string::npos ? "" : s.substr(a, s.find_last_not_of(" \t") + 1 - a);
}

// Spans [begin, end) of the number groups of a data file: the numbers in
// front of each item's two quoted texts, after the opening /comment/; in
// PARAD.TXT after the quoted heading, each item with one text.
std::vector<std::pair<size_t, size_t>> number_groups(const std::string& t, bool parad) {
  std::vector<std::pair<size_t, size_t>> groups;
  size_t p = parad ? t.find('"', t.find('"') + 1) + 1 : t.find('/', t.find('/') + 1) + 1;
  const int quotes = parad ? 2 : 4;
  while (p < t.size()) {
    const size_t q = t.find('"', p);
    if (q == std::string::npos) break;
    groups.emplace_back(p, q);
    p = q;
    for (int i = 0; i < quotes && p != std::string::npos; ++i) p = t.find('"', p) + 1;
  }
  return groups;
}

std::vector<std::string> numbers_of(const std::string& t, std::pair<size_t, size_t> g) {
  std::vector<std::string> n;
  std::stringstream in(t.substr(g.first, g.second - g.first));
  for (std::string w; in >> w;) n.push_back(w);
  return n;
}

void set_group(std::string& t, std::pair<size_t, size_t> g, const std::vector<std::string>& n) {
  std::string s = "\n";
  for (const auto& w : n) s += w + " ";
  t.replace(g.first, g.second - g.first, s + "\n");
}

// Number group of an option in PARAD.TXT.
std::pair<size_t, size_t> option_group(const std::string& t, const std::string& name) {
  const auto named = std::find(std::begin(kOptions), std::end(kOptions), name);
  EXPECT_NE(named, std::end(kOptions)) << "no option " << name;
  return number_groups(t, true).at(named - std::begin(kOptions));
}

int option(const std::string& name) {
  const std::string t = read_file("PARAD.TXT");
  return std::stoi(numbers_of(t, option_group(t, name)).at(0));
}

void set_option(const std::string& name, const std::string& value) {
  std::string t = read_file("PARAD.TXT");
  set_group(t, option_group(t, name), {value});
  write_file("PARAD.TXT", t);
}

// Per-cycle items (by item number) hold LL numbers, those marked in `less`
// LL - 1; a longer cycle table repeats its last cycle.
void fit_items(const char* file, std::initializer_list<int> items, int ll, int less = 0) {
  if (!fs::exists(file)) return;
  std::string t = read_file(file);
  const auto groups = number_groups(t, false);
  for (auto it = std::rbegin(items); it != std::rend(items); ++it) {
    auto n = numbers_of(t, groups.at(*it - 1));
    n.resize(std::max(ll - (*it == less ? 1 : 0), 0), n.empty() ? "0" : n.back());
    set_group(t, groups.at(*it - 1), n);
  }
  write_file(file, t);
}

// The dairy dams of the gene flow live one age class per cycle: a change of
// LL changes their number by as much, and the genes young bulls receive from
// them (a row summing to 0.5) are cut or padded with zeros.
void fit_dam_classes(int old_ll, int ll) {
  std::string t = read_file("INPUT27.TXT");
  const auto groups = number_groups(t, false);
  const int acdd = std::stoi(numbers_of(t, groups[1])[0]) + ll - old_ll;
  auto row = numbers_of(t, groups[8]);
  row.resize(acdd, "0");
  double sum = 0;
  for (const auto& w : row) sum += std::stod(w);
  char last[32];
  std::snprintf(last, sizeof last, "%.6f", std::stod(row[0]) + 0.5 - sum);
  row[0] = last;
  set_group(t, groups[8], row);
  set_group(t, groups[1], {std::to_string(acdd)});
  write_file("INPUT27.TXT", t);
}

void fit_cycles(int old_ll) {
  if (!fs::exists("INPUT07.TXT")) return;
  const int ll = option("LL");
  fit_items("INPUT07.TXT", {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
                            28, 29, 30, 31},
            ll, 9);
  fit_items("INPUT29.TXT", {9}, ll);
  fit_items("INPUT37.TXT", {7, 8}, ll);
  if (ll != old_ll) fit_dam_classes(old_ll, ll);
}

// Texts in file edits hold blanks and line ends: in the tables they are
// written as '_' and '/n'.
std::string unescaped(const std::string& s) {
  return std::regex_replace(std::regex_replace(s, std::regex("_"), " "), std::regex("/n"), "\n");
}

// Sets up the scratch directory of one table line; returns the answer to the prompt.
std::string prepare(const std::string& base, const std::string& edits) {
  copy_example(base);
  const int old_ll = option("LL");
  std::string answer = "RESULTS.TXT";
  for (const std::string& e : split(edits, ' ')) {
    if (e.empty()) continue;
    const auto bar = split(e, '|'), tilde = split(e, '~');
    const size_t eq = e.find('='), cut = e.find('<');
    if (cut != std::string::npos) {
      const std::string t = read_file(e.substr(0, cut));
      write_file(e.substr(0, cut), t.substr(0, t.find(unescaped(e.substr(cut + 1)))));
    } else if (bar.size() == 3) {
      set_numbers(bar[0], unescaped(bar[1]), unescaped(bar[2]));
    } else if (tilde.size() == 3) {
      replace_in_file(tilde[0], unescaped(tilde[1]), unescaped(tilde[2]));
    } else if (e[0] == '+') {
      fs::copy_file(fs::path(ZELVAN_EXAMPLES) / e.substr(eq + 1) / e.substr(1, eq - 1), e.substr(1, eq - 1),
                    fs::copy_options::overwrite_existing);
    } else if (e.ends_with("/")) {
      fs::create_directory(e);
    } else if (e[0] == '-') {
      fs::remove(e.substr(1));
    } else if (e.starts_with("answer=")) {
      answer = e.substr(7);
    } else {
      set_option(e.substr(0, eq), e.substr(eq + 1));
    }
  }
  fit_cycles(old_ll);
  return answer;
}

// ---------------------------------------------------------------- dumps

using Dump = std::map<std::string, double>;  // "name" or "name[i]" -> value

Dump read_dump(const std::string& file) {
  Dump d;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    const size_t eq = line.find(" = ");
    if (eq == std::string::npos) continue;
    d[trimmed(line.substr(0, eq))] = std::strtod(line.c_str() + eq + 3, nullptr);
  }
  return d;
}

double at(const Dump& d, const std::string& name) {
  const auto it = d.find(name);
  return it == d.end() ? 0.0 : it->second;  // zero-suppressed arrays leave out small values
}
double at(const Dump& d, const std::string& name, int i) { return at(d, name + "[" + std::to_string(i) + "]"); }

// Groups of five runs ("  Run #" lines) that the schedule owes the options:
// one per breed index of each trait's range, with the conditions of the
// schedule's blocks, recounted here from the options in the dump.
int scheduled_groups(const Dump& d) {
  const auto v = [&](const char* n) { return static_cast<int>(at(d, n)); };
  const auto f = [&](const char* n, int j) { return static_cast<int>(at(d, n, j)); };
  const int ewopt = v("ewopt"), ja = ewopt == 2 ? 0 : ewopt, jb = ewopt == 2 ? 1 : ewopt;
  const int both = jb - ja + 1, dairy = ewopt != 1;
  const auto range = [](int lo, int hi) { return std::max(hi - lo + 1, 0); };
  const auto flagged = [&](const char* n) { return (ja == 0 ? f(n, 0) : 0) + (jb == 1 ? f(n, 1) : 0); };
  int fattening = 0;  // trait 9, and 44 with rfi_fa
  if (f("paf", 0) + f("paf", 1) > 0)
    fattening = range(f("paf", 0) == 0 && f("paf", 1) == 1 ? std::max(ja, 1) : ja, f("paf", 1) == 0 ? 0 : jb);
  const int heifers = range(ja, f("pff", 1) == 0 ? 0 : jb);
  int groups = 3 * both + fattening + both + 3 * dairy + 3 * both;  // 4 5 30 9 3 12 13 11 10 24 25
  groups += 2 * (flagged("pbf") + heifers + flagged("cast") + dairy);  // 15 16 17 14, 20 21 22 19
  groups += both + dairy * (4 + (v("nSCC") != 1) + v("ind_RCT") + v("ind_a30"));  // 2 31 32 34 36 37 38 39
  groups += v("rfi_calf") * both + v("rfi_h") * range(ja, jb == 1 && v("utifemcr") == 3 ? 1 : 0);
  groups += v("rfi_fa") * fattening + v("rfi_cow") + (v("claw_inc") == 1 && ewopt != 1);
  return groups;
}

// Model identities over the dump of a run.
void expect_herd_identities(const Dump& d, const std::string& what) {
  const int ll = static_cast<int>(at(d, "LL")), cc = static_cast<int>(at(d, "CC"));
  double l3 = 0;
  for (int c = 0; c < ll; ++c) l3 += at(d, "l3", c);
  EXPECT_NEAR(l3, 1.0, 1e-5) << what << ": shares of calvings per cycle";
  // Every calf born ends in exactly one of the 24 progeny categories.
  for (int j = 0; j <= static_cast<int>(at(d, "cb")); ++j) {
    double animals = 0;
    for (int k = 1; k <= 24; ++k) animals += at(d, "l1", j * cc + k);
    EXPECT_NEAR(animals, at(d, "Ncal", j), 3e-4) << what << ": calves of breed index " << j;
  }
}

void expect_relative_weights(const Dump& d, const std::string& what) {
  const auto sum = [&](const char* name) {
    double s = 0;
    for (int t = 1; t <= 47; ++t) s += at(d, name, t);
    return s;
  };
  for (const char* name : {"ewr_dd", "ewr_mm"}) {
    if (sum(name) > 0) {
      EXPECT_NEAR(sum(name), 100.0, 0.01) << what << ": " << name;
    }
  }
  if (sum("ewr_da") > 0) {
    EXPECT_NEAR(sum("ewr_da") + sum("ewr_ma"), 100.0, 0.01) << what << ": ewr_da + ewr_ma";
  }
}

// The inputs that the schedule changes and restores after each group.
const char* const kRestored[] = {"mcwd", "mcwb", "bwf",  "adgcf", "adgwsf", "dcw",    "crinh",  "ecrinc", "pp",
                                 "culh", "dresh", "dysff", "dysmm", "Pb",    "Ph",     "Pcs",    "Pc",     "milk",
                                 "fat",  "prot",  "mSCS",  "ircmy", "dmi",   "RCT",    "a30",    "rfifc1", "rfimc1",
                                 "rfifc2", "rfimc2", "rfi", "ircdy", "dcdi"};

std::string restored_lines(const std::string& file) {
  std::string kept;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    const std::string name = line.substr(0, line.find_first_of("[ "));
    for (const char* r : kRestored)
      if (name == r) kept += line + "\n";
  }
  return kept;
}

// The outputs of a run with the clock readings and the seconds taken out.
bool has_nan_or_inf(const std::string& text) {
  static const std::regex bad(R"((^|[^A-Za-z])[-+]?(nan|inf)([^A-Za-z]|$))", std::regex::icase);
  return std::regex_search(text, bad);
}

int count_of(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + 1)) ++n;
  return n;
}

// The results file ends with the last block of the template once the
// result sections follow the input echo (a template of more than the ten
// blocks of the input sections); with the input echo alone there is no
// block that every configuration writes last.
void expect_template_consumed(const std::string& results, const std::string& what) {
  const std::string templ = read_file("TEXTD_OUT.TXT");
  if (count_of(templ, "\"") <= 20) return;
  const size_t open = templ.rfind('"', templ.rfind('"') - 1);
  const std::string last = templ.substr(open + 1, templ.rfind('"') - open - 1);
  const auto rstripped = [](std::string t) { return t.erase(t.find_last_not_of(" \r\n\t") + 1); };
  EXPECT_TRUE(rstripped(results).ends_with(rstripped(last)))
      << what << ": the template is not consumed to its end";
}


struct Line {
  int number;
  std::string base, edits;
};

std::vector<Line> table_lines(const char* file) {
  std::vector<Line> lines;
  std::ifstream in(std::string(ZELVAN_TEST_DATA) + "/" + file);
  int number = 0;
  for (std::string s; std::getline(in, s);) {
    ++number;
    s = trimmed(s);
    if (s.empty() || s[0] == '#') continue;
    const size_t blank = s.find(' ');
    lines.push_back({number, s.substr(0, blank), blank == std::string::npos ? "" : s.substr(blank + 1)});
  }
  return lines;
}

// ---------------------------------------------------------------- matrix

constexpr int kShards = 8;  // ctest runs the shards of the matrix in parallel

class ConfigMatrix : public ::testing::TestWithParam<int> {};

void expect_whole_run(const Line& l) {
  const std::string what = "config_matrix.txt:" + std::to_string(l.number) + " " + l.base + " " + l.edits;
  ScratchDir dir;
  prepare(l.base, l.edits);
  std::string outputs[2];
  for (std::string& o : outputs) {
    const ProgramRun run = run_program_here();
    ASSERT_EQ(run.status, 0) << what;
    EXPECT_EQ(run.err, "") << what;
    ASSERT_TRUE(std::regex_search(run.out, std::regex("\nCalculating gene flow\nWriting results to output file\n\n"
                                                      "Thank you for using program ZELVAN\\.\nThe results are in the "
                                                      "file RESULTS\\.TXT\\.\nThe values of all variables are in the "
                                                      "file CHECKD\\.\nThe program needed [0-9.]+ seconds\\.\n\n$")))
        << what << "\n" << run.out.substr(run.out.size() > 600 ? run.out.size() - 600 : 0);
    o = run.out + read_file("RESULTS.TXT") + read_file("CHECKDhelp") + read_file("CHECKD");
  }
  EXPECT_EQ(without_clock(outputs[0]), without_clock(outputs[1])) << what << ": a second run differs";
  EXPECT_FALSE(has_nan_or_inf(outputs[0].substr(outputs[0].find("\nThank you")))) << what;
  const Dump help = read_dump("CHECKDhelp"), last = read_dump("CHECKD");
  EXPECT_EQ(count_of(outputs[0], "  Run #"), scheduled_groups(help)) << what;
  expect_template_consumed(read_file("RESULTS.TXT"), what);
  expect_herd_identities(help, what + " (base run)");
  expect_herd_identities(last, what + " (last run)");
  expect_relative_weights(last, what);
  EXPECT_EQ(restored_lines("CHECKDhelp"), restored_lines("CHECKD")) << what << ": inputs not restored";
}

TEST_P(ConfigMatrix, WholeRunsHoldTheModelsIdentities) {
  const auto lines = table_lines("config_matrix.txt");
  ASSERT_GT(lines.size(), 40u);
  for (size_t i = GetParam(); i < lines.size(); i += kShards)
    if (!kSubset || i % 6 == 0) expect_whole_run(lines[i]);
}

INSTANTIATE_TEST_SUITE_P(Shard, ConfigMatrix, ::testing::Range(0, kShards));

// ---------------------------------------------------------------- stops

// stops.txt: a line "== base edits" starts a case; the lines after it that
// begin with '>' are the exact console text from the last progress line (or
// the prompt) to the end, one line each without the '>', '$' marking the end
// of a line that ends in blanks.
struct StopCase {
  Line line;
  std::string expected;
};

std::vector<StopCase> stop_cases() {
  std::vector<StopCase> cases;
  for (const Line& l : table_lines("stops.txt")) {
    if (l.base == "==") {
      const size_t blank = l.edits.find(' ');
      cases.push_back({{l.number, l.edits.substr(0, blank), blank == std::string::npos ? "" : l.edits.substr(blank)}, ""});
    } else if (!cases.empty() && l.base[0] == '>') {
      std::string text = (l.base + (l.edits.empty() ? "" : " " + l.edits)).substr(1);
      if (text.ends_with("$")) text.pop_back();
      cases.back().expected += text + "\n";
    }
  }
  return cases;
}

// The console text from the last progress line (or the prompt) on.
std::string from_last_progress_line(const std::string& out) {
  static const std::regex progress("\n(Reading data|Calculating|Testing data|  Constructing|  Run #|Writing results|Please enter)");
  size_t last = 0;
  for (std::sregex_iterator it(out.begin(), out.end(), progress), end; it != end; ++it) last = it->position() + 1;
  return out.substr(last);
}

TEST(Stops, EveryStopEndsTheProgramWithItsMessage) {
  const auto cases = stop_cases();
  ASSERT_GT(cases.size(), 30u);
  for (const StopCase& c : cases) {
    const std::string what = "stops.txt:" + std::to_string(c.line.number) + " " + c.line.base + c.line.edits;
    ScratchDir dir;
    const std::string answer = prepare(c.line.base, c.line.edits);
    const ProgramRun run = run_program_here(answer);
    EXPECT_EQ(run.status, 0) << what;
    EXPECT_EQ(from_last_progress_line(run.out), c.expected) << what;
    EXPECT_FALSE(fs::exists("CHECKD")) << what;
    // The results file ends with the section of the file being read when
    // the program stopped (a stop in the model: the last input section).
    const std::string results = fs::exists(answer) ? read_file(answer) : "";
    const size_t read = run.out.rfind("Reading data from ");
    if (read != std::string::npos && run.out.find("PARAD.TXT", read) == read + 18) {
      EXPECT_TRUE(contains(results, ":  ") && !contains(results, " Data from file ")) << what;  // the options' echo only
    } else if (read != std::string::npos) {
      const std::string file = run.out.substr(read + 18, run.out.find('\n', read) - read - 18);
      const size_t heading = results.rfind(" Data from file ");
      ASSERT_NE(heading, std::string::npos) << what;
      EXPECT_EQ(results.substr(heading + 16, file.size()), file) << what;
    }
  }
}

}  // namespace
}  // namespace zelvan
