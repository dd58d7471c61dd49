#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "batch/sha256.h"
#include "batch_support.h"

namespace zelvan::batch::test {
namespace {

// name[i][j] -> value of a variable dump.
std::map<std::string, long double> dump_values(const std::string& path) {
  std::map<std::string, long double> v;
  std::ifstream in(path);
  for (std::string l; std::getline(in, l);) {
    const auto eq = l.find(" = ");
    if (eq != std::string::npos) v[l.substr(0, eq)] = std::strtold(l.c_str() + eq + 3, nullptr);
  }
  return v;
}

// The 4.1 value line of trait t in the printed results file.
std::vector<std::string> printed_weights(const std::string& results, int t) {
  const auto from = results.find("\n4.1 ");
  std::istringstream in(results.substr(from, results.find("\n4.2 ") - from));
  char head[8];
  std::snprintf(head, sizeof head, "%2d ", t);
  for (std::string l; std::getline(in, l);) {
    if (l.rfind(head, 0) != 0) continue;
    std::getline(in, l);
    std::istringstream tok(l);
    std::vector<std::string> out;
    for (std::string x; tok >> x;) out.push_back(x);
    return out;
  }
  return {};
}

// The JSON and CSV of each bundled example against what zelvan printed and
// dumped (the goldens): every weight as printed, every positive weight that
// CHECKD holds present, per-calf weights re-computed from Ncal, relative
// weights as in CHECKD, and the digests of the files read.
TEST(BatchRun, JsonAndCsvOfEachExampleMatchResultsAndCheckd) {
  for (const std::string ex : {"holstein", "holstein-beef-cross", "beef-sire"}) {
    SCOPED_TRACE(ex);
    const auto dir = scratch("run-" + ex);
    const std::string json = (dir / "r.json").string(), csv = (dir / "r.csv").string();
    const Command c = batch("run " + example(ex) + " --json " + json + " --csv " + csv);
    ASSERT_EQ(c.status, 0) << c.output;
    const auto j = nlohmann::json::parse(read_file(json));
    const std::string golden = std::string(ZELVAN_GOLDEN) + "/" + ex;
    const std::string results = read_file(golden + "/RESULTS.TXT");
    auto checkd = dump_values(golden + "/CHECKD");

    EXPECT_EQ(j["version"], "2.2.3, July 2012");
    EXPECT_EQ(j["options"].size(), 24u);
    EXPECT_EQ(j["options"]["cb"], checkd["cb"]);
    EXPECT_EQ(j["inputs"]["PARAD.TXT"], file_sha256(example(ex) + "/PARAD.TXT"));
    EXPECT_GT(j["key_figures"]["milk_per_cow_year"].get<double>(), 3000.0);
    ASSERT_FALSE(j["traits"].empty());

    std::size_t csv_rows = 0;
    for (const char c : read_file(csv)) csv_rows += c == '\n';
    EXPECT_EQ(csv_rows, j["traits"].size() + 1);

    std::map<std::string, bool> seen;
    for (const auto& row : j["traits"]) {
      const int t = row["number"];
      if (row["breed"].is_null()) {
        // Weighted over the gene flow only: no line in the trait table.
        EXPECT_TRUE(printed_weights(results, t).empty()) << t;
        EXPECT_TRUE(row["weight"].is_null() && !(row["calves"].is_null() && row["cows"].is_null())) << t;
        continue;
      }
      const int b = row["breed"];
      const double w = row["weight"];
      const std::string key = "ew[" + std::to_string(t) + "][" + std::to_string(b) + "]";
      seen[key] = true;
      char printed[32];
      std::snprintf(printed, sizeof printed, "%.4f", w);
      const auto line = printed_weights(results, t);
      ASSERT_GT(line.size(), static_cast<std::size_t>(b)) << key;
      EXPECT_EQ(line[b], printed) << key;
      if (checkd.count(key)) {
        EXPECT_NEAR(w, static_cast<double>(checkd[key]), 6e-5) << key;
      }
      if (b < 2) {
        const long double ncal = checkd["Ncal[" + std::to_string(b) + "]"];
        EXPECT_NEAR(row["per_calf"].get<double>(), static_cast<double>(w / ncal), 1e-4 / ncal) << key;
      }
      for (const auto& [field, var] : {std::pair{"relative_calves", "ewr_d"}, std::pair{"relative_cows", "ewr_m"}}) {
        if (row[field].is_null() || row[field].get<double>() <= 0.001) continue;
        const std::string own = std::string(var) + (var[4] == 'd' ? "d[" : "m[") + std::to_string(t) + "]";
        const std::string both = std::string(var) + "a[" + std::to_string(t) + "]";
        const long double expect = checkd.count(both) && checkd["gstd"] == 2 ? checkd[both] : checkd[own];
        EXPECT_NEAR(row[field].get<double>(), static_cast<double>(expect), 6e-4) << field << " " << t;
      }
    }
    for (const auto& [name, value] : checkd) {
      if (name.size() < 8) continue;
      if (name.rfind("ew[", 0) != 0 || value < 1e-4) continue;
      // A weight the table prints (not a dash) must be in the JSON.
      const int t = std::stoi(name.substr(3)), b = name[name.size() - 2] - '0';
      const auto line = printed_weights(results, t);
      if (line.size() > static_cast<std::size_t>(b) && line[b] != "-") {
        EXPECT_TRUE(seen[name]) << name << " missing from the JSON";
      }
    }
  }
}

}  // namespace
}  // namespace zelvan::batch::test

namespace zelvan::batch::test {
namespace {

// The example in the documentation has the keys a run writes today.
TEST(BatchRun, DocumentedJsonExampleHasTheKeysOfARun) {
  const std::string doc = read_file(std::string(ZELVAN_DOCS) + "/batch-formats.md");
  const auto start = doc.find("```json\n") + 8;
  const auto documented = nlohmann::json::parse(doc.substr(start, doc.find("```", start) - start));
  const auto dir = scratch("doc");
  ASSERT_EQ(batch("run " + example("holstein-beef-cross") + " --json " + (dir / "r.json").string()).status, 0);
  const auto run = nlohmann::json::parse(read_file((dir / "r.json").string()));
  for (const char* part : {"", "key_figures", "options"}) {
    const auto& a = *part ? documented[part] : documented;
    const auto& b = *part ? run[part] : run;
    std::vector<std::string> ka, kb;
    for (const auto& [k, v] : a.items()) ka.push_back(k);
    for (const auto& [k, v] : b.items()) kb.push_back(k);
    EXPECT_EQ(ka, kb) << part;
  }
  std::vector<std::string> ka, kb;
  for (const auto& [k, v] : documented["traits"][0].items()) ka.push_back(k);
  for (const auto& [k, v] : run["traits"][0].items()) kb.push_back(k);
  EXPECT_EQ(ka, kb);
}

}  // namespace
}  // namespace zelvan::batch::test
