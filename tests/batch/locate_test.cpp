#include "batch/locate.h"

#include <gtest/gtest.h>

#include "batch_support.h"

namespace zelvan::batch::test {
namespace {

// Each test takes its own copy: ctest runs the tests of this file at once.
std::string copy_of(const std::string& ex, const std::string& test) {
  const std::string dir = scratch("locate-" + test + "-" + ex).string();
  copy_run_directory(example(ex), dir);
  return dir;
}

// A scalar, a per-breed element, elements of per-cycle tables (one read
// straight into the table, one stored from the numbers after they were all
// read) and an option: each is found at its number, and after the edit the
// reading gives the variable the new value while the rest of the file is as
// it was.
TEST(BatchLocate, VariablesFoundAndEditedInTheirFiles) {
  const struct {
    const char* ex;
    const char* wanted;
    const char* file;
    int line;
    const char* text;  // the number as the file writes it
    double edit;
  } cases[] = {
      {"holstein", "mcwd", "INPUT11.TXT", 42, "680.0", 655},
      {"holstein-beef-cross", "bwf[1]", "INPUT15.TXT", 11, "43.0", 45.5},
      {"holstein", "culh[3]", "INPUT07.TXT", 6, "0.2", 0.25},
      {"holstein", "pp[31]", "INPUT07.TXT", 3, "0.032", 0.04},
      {"holstein", "milkprice", "PARAD.TXT", 0, "", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wanted);
    const std::string dir = copy_of(c.ex, "edit");
    const LocateRun run = locate(dir, {c.wanted});
    ASSERT_EQ(run.at.size(), 1u);
    const Located& at = run.at[0];
    ASSERT_EQ(at.error, "") << run.message;
    EXPECT_EQ(at.file, c.file);
    const std::string before = read_file(dir + "/" + at.file);
    if (c.line > 0) {
      EXPECT_EQ(at.line, c.line);
      std::string text = before.substr(at.begin, at.end - at.begin);
      text.erase(0, text.find_first_not_of(" \n\r\t"));
      EXPECT_EQ(text, c.text);
    }
    std::string why;
    ASSERT_TRUE(edit_number(dir, at, c.edit, why)) << why;
    const LocateRun again = locate(dir, {c.wanted});
    EXPECT_FLOAT_EQ(static_cast<float>(again.at[0].value), static_cast<float>(c.edit));
    const std::string after = read_file(dir + "/" + at.file);
    EXPECT_EQ(after.substr(0, at.begin), before.substr(0, at.begin));
    EXPECT_EQ(after.substr(again.at[0].end), before.substr(at.end));
  }
}

// Names that are not variables, indices out of range, counts and items the
// options do not read are refused, naming the variable and why.
TEST(BatchLocate, RefusalsNameTheVariableAndWhy) {
  const std::string dir = copy_of("holstein", "refuse");
  const std::vector<std::string> wanted_names = {"nosuch", "bwf[7]", "ew[1]", "DD", "LL", "nSCC", "p1", "bwf[1]", "Ncal[0]"};
  const char* says[] = {"no variable of the model is named \"nosuch\"",
                        "index 7 of bwf is out of range 0..1",
                        "ew has 2 indices, 1 given",
                        "DD is a count: how many numbers follow in INPUT11.TXT",
                        "LL is a count: how many numbers follow in PARAD.TXT",
                        "nSCC is a count",
                        "p1 is a count",
                        "bwf[1] is not read from any data file with these options",
                        "Ncal[0] is not read from any data file"};
  const LocateRun run = locate(dir, wanted_names);
  ASSERT_EQ(run.at.size(), wanted_names.size());
  for (std::size_t i = 0; i < wanted_names.size(); ++i)
    EXPECT_NE(run.at[i].error.find(says[i]), std::string::npos) << wanted_names[i] << ": " << run.at[i].error;
}

}  // namespace
}  // namespace zelvan::batch::test
