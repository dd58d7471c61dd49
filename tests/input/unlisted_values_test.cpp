// Input outside the listed values, as other programs or older versions write
// it, runs to the end with a warning.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

// Input that other programs or older versions write runs as the model
// defines it: options outside their listed values only warn, a first
// difficult class above DD leaves no difficult calving, and DD = 1 still
// reads class 1 of calving difficulty.
TEST(ExampleSystems, UnlistedValuesRunToTheEnd) {
  const struct {
    const char* name;
    std::vector<std::array<const char*, 3>> edits;  // file, first text of the item, numbers
    const char* warning;
  } cases[] = {
      {"holstein",
       {{"PARAD.TXT", "Housing of young stock", "3"},
        {"PARAD.TXT", "Maturity type of pure-bred", "0"},
        {"PARAD.TXT", "Milk quota situation", "0"},
        {"INPUT11.TXT", "Number of calving difficulty classes", "1"},
        {"INPUT11.TXT", "First calving difficulty class", "3"}},
       "the value 0 of milkquota is none of the listed values (1 to 3)"},
      {"holstein-beef-cross",
       {{"PARAD.TXT", "Milk payment system", "6"},
        {"PARAD.TXT", "Selection group for the gene flow", "0"},
        {"INPUT11.TXT", "First calving difficulty class", "7"}},
       "the value 6 of milkprice"},
      {"beef-sire",
       {{"PARAD.TXT", "Genetic standard deviations", "0"},
        {"PARAD.TXT", "Maturity type of cross-bred", "4"},
        {"INPUT11.TXT", "First calving difficulty class", "4"}},
       "the value 4 of matcross"},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    copy_example(c.name);
    for (const auto& e : c.edits) set_numbers(e[0], e[1], e[2]);
    const ProgramRun run = run_program_here();
    EXPECT_EQ(run.status, 0) << c.name;
    EXPECT_TRUE(contains(run.err, c.warning)) << c.name;
    EXPECT_TRUE(contains(run.out, "Thank you for using program ZELVAN.")) << c.name << run.out;
    EXPECT_FALSE(contains(read_file("RESULTS.TXT"), "Warning")) << c.name;
  }
}

}  // namespace
}  // namespace zelvan
