// Per-cycle data, lactation curve and the health modules: the items read or
// passed over under the options, their echo, and the daily-table check.
#include <gtest/gtest.h>

#include <string>

#include "input/readers.h"
#include "test_support.h"

namespace zelvan {
namespace {

using namespace testing_support;

std::string vector_item(int count, double value, const std::string& name) {
  std::string s;
  for (int i = 0; i < count; ++i) s += std::to_string(value) + " ";
  return s + "\"" + name + "\" \"share\"\n";
}

// A small INPUT07.TXT with three cycles, three cow and two heifer
// inseminations, and its 20 calving-difficulty items numbered so that each
// can be recognised.
std::string input07(int cb) {
  std::string s = "/cycle data/\n";
  for (const char* name : {"loss", "culh", "culvol", "ab", "stcd", "stce", "dcd", "dce"}) s += vector_item(3, 0.01, name);
  s += vector_item(cb == 1 ? 2 : 1, 0.2, "beef matings");
  s += vector_item(3, 0.4, "cows") + vector_item(2, 0.6, "heifers");
  for (int item = 1; item <= 20; ++item) s += vector_item(3, item / 100.0, "class item " + std::to_string(item));
  return s;
}

TEST(CycleFiles, CalvingDifficultyItemsFollowClassesAndCrossbreeding) {
  ScratchDir dir;
  for (int cb : {0, 1}) {
    write_file("INPUT07.TXT", input07(cb));
    auto m = new_model();
    TestIo t;
    m->LL = 3;
    m->cb = cb;
    m->DD = cb == 1 ? 1 : 2;  // both read class 1 only
    m->inmax = 3;
    m->inmaxh = 2;
    EXPECT_EQ(read_with(*m, t.io, read_input07, "INPUT07.TXT"), "");
    const std::string echo = t.results();
    // Class 1 is read for each breed index, classes 2..5 are passed over.
    EXPECT_TRUE(contains(echo, "\nclass item 1    (share):  0.0100  0.0100  0.0100\nclass item 2    (share):"));
    EXPECT_FALSE(contains(echo, "class item 3 "));
    EXPECT_EQ(values(m->dysff[1][0][2], m->dysmm[1][0][0], m->ecrinc[2], m->crinh[1]), "0.01 0.02 0.4 0.6");
    // The cross-bred classes and the beef matings (none in the last cycle).
    EXPECT_EQ(contains(echo, "class item 11 ") && contains(echo, "beef matings"), cb == 1);
    EXPECT_EQ(values(m->dysff[1][1][0], m->pcross[1], m->pcross[2]), cb == 1 ? "0.11 0.2 0" : "0 0 0");
    // Losses are the second fate of each cycle.
    EXPECT_EQ(values(m->pp[24], m->pp[25], m->pp[37]), "0 0.01 0.01");
    EXPECT_TRUE(echo.ends_with("\n\n"));
  }
}

TEST(HealthFiles, LactationCurveMastitisAndClawDisordersOfTheDefaultExample) {
  ScratchDir dir;
  copy_example("holstein");
  set_numbers("INPUT22.TXT", "Extra decline of milk yield after conception in later", "-0.002");
  auto m = new_model();
  TestIo t;
  m->LL = 10;
  EXPECT_EQ(read_with(*m, t.io, read_input22, "INPUT22.TXT"), "");
  EXPECT_TRUE(t.results().starts_with("\nLevel of milk yield of the herd    (kg milk per lactation):   8500.0000 "));
  EXPECT_EQ(values(m->milk, m->d2, m->d3), "8500 -0.0015 -0.002");
  EXPECT_EQ(read_with(*m, t.io, read_input29, "INPUT29.TXT"), "");
  EXPECT_TRUE(contains(t.results(), "(cases per cow and lactation):   0.25   0.30   0.35   0.38   0.40   0.42   0.44   0.45"
                                    "   0.46   0.47\n\n"));
  EXPECT_EQ(read_with(*m, t.io, read_input37, "INPUT37.TXT"), "");
  EXPECT_EQ(values(m->ircmy[9], m->ircdy[1], m->pacd[9]), "0.47 0.28 0.4");
  const size_t before = t.results().size();
  EXPECT_EQ(read_with(*m, t.io, read_input30, "INPUT30.TXT"), "");
  const std::string table = t.results().substr(before);
  EXPECT_TRUE(table.starts_with("    1    0.0200    0.0240    0.0280\n    2"));
  EXPECT_TRUE(table.ends_with("\n  400    0.0040    0.0048    0.0056\n\n\n"));
  EXPECT_EQ(read_with(*m, t.io, read_input38, "INPUT38.TXT"), "");
  EXPECT_EQ(values(m->dmi[2][399], m->dcdi[0][0]), "0.0056 0.00239");
}

}  // namespace
}  // namespace zelvan
