#include <gtest/gtest.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include "batch/grid.h"
#include "batch_support.h"

namespace zelvan::batch::test {
namespace {

namespace fs = std::filesystem;

// 2 x 2 beef-mating shares on holstein-beef-cross: too many first- and
// second-lactation cows mated to beef bulls leave too few replacement
// heifers, so exactly one of the four scenarios stops.
std::string two_by_two(const fs::path& dir) {
  const std::string toml = (dir / "grid.toml").string();
  write_file(toml, "base = \"" + example("holstein-beef-cross") +
                       "\"\n[factors]\n\"pcross[0]\" = [0.3, 0.5]\n\"pcross[1]\" = [0.0, 0.3]\n"
                       "[plot]\ntraits = [9]\n");
  return toml;
}

TEST(BatchGrid, TwoByTwoWithOneStopRunsToOneTable) {
  const fs::path dir = scratch("grid");
  const Command c = batch("grid " + two_by_two(dir) + " -j 2 --out " + (dir / "out").string());
  ASSERT_EQ(c.status, 0) << c.output;
  const auto j = nlohmann::json::parse(read_file((dir / "out/results.json").string()));
  ASSERT_EQ(j["scenarios"].size(), 4u);
  int stopped = 0;
  for (const auto& s : j["scenarios"]) {
    const bool last = s["settings"]["pcross[0]"] == 0.5 && s["settings"]["pcross[1]"] == 0.3;
    EXPECT_EQ(s["completed"], !last) << s["scenario"];
    if (last) {
      ++stopped;
      EXPECT_NE(s["message"].get<std::string>().find("not enough dairy heifers"), std::string::npos);
    } else {
      EXPECT_FALSE(s["traits"].empty());
    }
  }
  EXPECT_EQ(stopped, 1);
  // The mating share changes the herd, so the completed scenarios differ.
  EXPECT_NE(j["scenarios"][0]["key_figures"]["calves_sold_per_calving"],
            j["scenarios"][2]["key_figures"]["calves_sold_per_calving"]);
  EXPECT_TRUE(fs::exists(dir / "out/results.csv"));
  EXPECT_TRUE(fs::exists(dir / "out/trait9.svg"));
}

// Writing the scenarios for a cluster, running the jobs file and collecting
// gives the table of a direct run.
TEST(BatchGrid, EmitThenCollectGivesTheDirectTable) {
  const fs::path dir = scratch("emit");
  const std::string toml = two_by_two(dir);
  ASSERT_EQ(batch("grid " + toml + " -j 2 --out " + (dir / "direct").string()).status, 0);
  const Command e = batch("grid " + toml + " --emit " + (dir / "cluster").string());
  ASSERT_EQ(e.status, 0) << e.output;
  EXPECT_FALSE(fs::exists(dir / "cluster/results.csv"));
  const std::string jobs = (dir / "cluster/jobs.txt").string();
  ASSERT_EQ(std::system(("bash -e -c 'while read -r l; do bash -c \"$l\"; done' < " + jobs).c_str()), 0);
  const Command c = batch("grid " + toml + " --collect " + (dir / "cluster").string());
  ASSERT_EQ(c.status, 0) << c.output;
  EXPECT_EQ(read_file((dir / "cluster/results.csv").string()), read_file((dir / "direct/results.csv").string()));
}

// The scenario file of the README runs as it stands.
TEST(BatchGrid, ReadmeScenarioFileRuns) {
  const fs::path dir = scratch("readme");
  const Command c = batch("grid " + std::string(ZELVAN_EXAMPLES) + "/holstein-beef-cross-scenarios.toml -j 2 --out " +
                          (dir / "out").string());
  ASSERT_EQ(c.status, 0) << c.output;
  const auto j = nlohmann::json::parse(read_file((dir / "out/results.json").string()));
  ASSERT_EQ(j["scenarios"].size(), 8u);
  for (const auto& s : j["scenarios"]) EXPECT_TRUE(s["completed"].get<bool>()) << s["scenario"];
  for (const char* svg : {"trait31.svg", "trait9.svg", "trait5.svg"}) EXPECT_TRUE(fs::exists(dir / "out" / svg));
}

}  // namespace
}  // namespace zelvan::batch::test

namespace zelvan::batch::test {
namespace {

// The product of the factors in order (the last factor fastest) and the
// explicit list; scenario files that give no scenarios are refused.
TEST(BatchGrid, ScenarioFilesReadAsProductOrList) {
  const fs::path dir = scratch("toml");
  const std::string base = "base = \"" + example("holstein") + "\"\n";
  write_file((dir / "p.toml").string(), base + "[factors]\na = [1, 2]\nb = [10, 20, 30]\n");
  ScenarioFile p;
  std::string why;
  ASSERT_TRUE(read_scenarios((dir / "p.toml").string(), p, why)) << why;
  ASSERT_EQ(p.scenarios.size(), 6u);
  const double expect[6][2] = {{1, 10}, {1, 20}, {1, 30}, {2, 10}, {2, 20}, {2, 30}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(p.scenarios[i].settings[0].second, expect[i][0]);
    EXPECT_EQ(p.scenarios[i].settings[1].second, expect[i][1]);
  }
  write_file((dir / "l.toml").string(), base + "[[scenario]]\nname = \"low\"\nmcwd = 600\n[[scenario]]\n\"bwf[0]\" = 41.5\n");
  ScenarioFile l;
  ASSERT_TRUE(read_scenarios((dir / "l.toml").string(), l, why)) << why;
  ASSERT_EQ(l.scenarios.size(), 2u);
  EXPECT_EQ(l.scenarios[0].id, "low");
  EXPECT_EQ(l.scenarios[1].settings[0].first, "bwf[0]");
  EXPECT_EQ(l.factors, (std::vector<std::string>{"mcwd", "bwf[0]"}));

  const std::pair<const char*, const char*> refused[] = {
      {"[factors]\na = 3\n", "factor a needs a list of numbers"},
      {"[factors]\na = [1, \"x\"]\n", "factor a needs a list of numbers"},
      {"", "neither [factors] nor [[scenario]]"},
      {"[[scenario]]\nmcwd = \"big\"\n", "mcwd needs a number"},
  };
  for (const auto& [text, says] : refused) {
    write_file((dir / "bad.toml").string(), base + text);
    ScenarioFile s;
    EXPECT_FALSE(read_scenarios((dir / "bad.toml").string(), s, why)) << text;
    EXPECT_NE(why.find(says), std::string::npos) << why;
  }
}

}  // namespace
}  // namespace zelvan::batch::test
